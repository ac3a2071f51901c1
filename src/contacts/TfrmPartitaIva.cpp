#include "contacts/TfrmPartitaIva.h"

#include "checks/VatNumber.h"
#include "ui/entry/EntryBox.h"

namespace {
const QString kLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kWrong = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                      "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                      "che lo ha rilasciato.");
const QString kValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");
const QString kOfficeUnknown = QStringLiteral("L'Ufficio IVA che lo ha rilasciato non è noto.");
const QString kOffice = QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di %1.");
}

TfrmPartitaIva::TfrmPartitaIva(QWidget *parent)
    : CheckWindow(parent, QStringLiteral(" Controllo partita IVA"),
                  QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."),
                  QStringLiteral("txtPartitaIva"), 11)
{
    setObjectName(QStringLiteral("TfrmPartitaIva"));
    txtPartitaIva = box();
    txtPartitaIva->setDigitsOnly(true);
}

void TfrmPartitaIva::controlla()
{
    const QString number = txtPartitaIva->text().toUpper();
    if (number.size() != 11) {
        warnAndStay(kLength);
        return;
    }
    if (!VatNumber::isValid(number)) {
        answerAndClose(false, kWrong);
        return;
    }
    const QString office = VatNumber::officeName(VatNumber::officeCode(number));
    if (office.isEmpty())
        answerAndClose(true, kValid + kOfficeUnknown);
    else
        answerAndClose(true, kValid + kOffice.arg(office));
}
