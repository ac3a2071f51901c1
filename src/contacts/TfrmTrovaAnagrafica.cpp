#include "contacts/TfrmTrovaAnagrafica.h"

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(Opener opener, QWidget *parent)
    : ContactSearchWindow(QStringLiteral("TfrmTrovaAnagrafica"), QStringLiteral(" Trova contatti in archivio"),
                          QStringLiteral("Trova contatti in archivio"), QStringLiteral("Riepilogo contatti"), opener,
                          parent)
{
}

void TfrmTrovaAnagrafica::chooseRow(int row)
{
    // Only the contact editor takes a contact from here.
    if (openedBy(Opener::ContactEditor)) {
        ContactSearchWindow::chooseRow(row);
        return;
    }
    accept();
}
