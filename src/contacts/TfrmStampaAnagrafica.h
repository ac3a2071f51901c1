#pragma once
// Prints the contact card: fills it from the contact the editor shows and
// hands it to the printer dialog, then closes. The editor is never changed.

#include "records/ContactRecord.h"
#include "ui/windows/CardPrintWindow.h"

class TfrmStampaAnagrafica : public CardPrintWindow {
    Q_OBJECT
public:
    explicit TfrmStampaAnagrafica(QWidget *parent = nullptr);

    // The editor's boxes at the moment of opening, saved or not.
    void setContact(const ContactRecord &shown) { m_contact = shown; }

protected:
    // Prints the card "Scheda Anagrafica".
    void act() override;

private:
    ContactRecord m_contact;
};
