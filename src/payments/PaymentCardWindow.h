#pragma once
// What the two payment card windows share: a picture, a short instruction,
// "Annulla" and the action button, and their own copy of the card layout
// "Scheda Pagamento". The opener hands in the payment as the editor shows it.

#include "records/PaymentRecord.h"
#include "ui/windows/CardPrintWindow.h"

class PreparedReport;

class PaymentCardWindow : public CardPrintWindow {
    Q_OBJECT
public:
    // The editor's boxes at the moment of opening, saved or not; Ottemperata
    // "Sì" when the settled box is checked.
    void setPayment(const PaymentRecord &shown) { m_payment = shown; }

protected:
    PaymentCardWindow(QWidget *parent, const QString &objectName, const QString &caption, const QString &actionText,
                      const QString &picture, const QString &instructions);

    // The card filled from the payment with the footer of this moment, laid
    // out; throws ReportError when the layout lacks a box.
    PreparedReport preparedCard() const;
private:
    PaymentRecord m_payment;
};
