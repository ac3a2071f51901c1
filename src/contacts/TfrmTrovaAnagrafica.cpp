#include "contacts/TfrmTrovaAnagrafica.h"

#include <QLabel>

TfrmTrovaAnagrafica::TfrmTrovaAnagrafica(QWidget *parent)
    : ContactSearchWindow(QStringLiteral("TfrmTrovaAnagrafica"), QStringLiteral(" Trova contatti in archivio"),
                          QStringLiteral("Trova contatti in archivio"), QStringLiteral("Riepilogo contatti"), parent)
{
}

void TfrmTrovaAnagrafica::chooseRow(int row)
{
    // Only the contact editor takes a contact from here.
    if (openedBy(QLatin1String(Opener))) {
        ContactSearchWindow::chooseRow(row);
        return;
    }
    accept();
}
