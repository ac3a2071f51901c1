#pragma once
// Prints the contact card: fills it from the contact the editor shows and
// hands it to the printer dialog, then closes. The editor is never changed.

#include "records/ContactRecord.h"
#include "report/ReportLayout.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TfrmStampaAnagrafica : public QDialog {
    Q_OBJECT
public:
    explicit TfrmStampaAnagrafica(QWidget *parent = nullptr);

    // The editor's boxes at the moment of opening, saved or not.
    void setContact(const ContactRecord &shown) { m_contact = shown; }

    QLabel *lblIstruzioni;
    QPushButton *btnAnnulla;
    QPushButton *btnStampa;
    // The card "Scheda Anagrafica".
    ReportLayout repDocumento;

private:
    void print();

    ContactRecord m_contact;
};
