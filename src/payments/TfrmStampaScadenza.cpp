#include "payments/TfrmStampaScadenza.h"

#include "platform/GuiServices.h"
#include "report/CardReport.h"
#include "report/ReportOutput.h"

TfrmStampaScadenza::TfrmStampaScadenza(QWidget *parent)
    : PaymentCardWindow(parent, QStringLiteral("TfrmStampaScadenza"), QStringLiteral(" Stampa scheda"),
                        QStringLiteral("Stampa"), QStringLiteral(":/pictures/stampa.svg"),
                        QStringLiteral("Premere \"Stampa\" per stampare su un foglio A4 la scheda del pagamento "
                                       "così come appare nell'archivio, anche se non ancora salvata. "
                                       "Nella finestra successiva si sceglie la stampante."))
{
}

void TfrmStampaScadenza::act()
{
    // A cancelled printer dialog closes the window without a word.
    bool failed = false;
    try {
        failed = Services::reportOutput().print(this, preparedCard()) == PrintResult::Failed;
    } catch (...) {
        failed = true;
    }
    if (failed)
        Services::warning(this, CardReport::printFailedWarning());
    accept();
}
