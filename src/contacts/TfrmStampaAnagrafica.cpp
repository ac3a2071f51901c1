#include "contacts/TfrmStampaAnagrafica.h"

#include "contacts/ContactCard.h"
#include "platform/GuiServices.h"
#include "platform/Services.h"
#include "report/CardReport.h"
#include "report/ReportOutput.h"

TfrmStampaAnagrafica::TfrmStampaAnagrafica(QWidget *parent)
    : CardPrintWindow(parent,
                      {QStringLiteral("TfrmStampaAnagrafica"), QStringLiteral(" Stampa scheda"),
                       QStringLiteral("Scheda del contatto"), QStringLiteral(":/pictures/contatto.svg"),
                       QStringLiteral(":/pictures/stampa.svg"),
                       QStringLiteral("Premere \"Stampa\" per stampare su un foglio A4 la scheda del contatto così "
                                      "come appare nell'archivio anagrafico, anche se non ancora salvata. Nella "
                                      "finestra successiva si sceglie la stampante."),
                       QStringLiteral("Stampa")},
                      CardReport::layout(ContactCard::layoutName(), ContactCard::title(), ContactCard::labels(),
                                         ContactCard::boxes(), ContactCard::FooterTop))
{
}

void TfrmStampaAnagrafica::act()
{
    // A cancelled printer dialog closes the window without a word; a missing
    // box, no printer or a printer error all end in the one warning.
    bool failed = false;
    try {
        const Clock &clock = Services::clock();
        const PreparedReport card =
            CardReport::prepare(repDocumento, ContactCard::values(m_contact), clock.today(), clock.now());
        failed = Services::reportOutput().print(this, card) == PrintResult::Failed;
    } catch (...) {
        failed = true;
    }
    if (failed)
        Services::warning(this, CardReport::printFailedWarning());
    accept();
}
