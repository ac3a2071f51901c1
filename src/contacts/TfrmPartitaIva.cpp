#include "contacts/TfrmPartitaIva.h"

#include "checks/VatNumber.h"
#include "ui/EntryBox.h"

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
        warnAndStay(QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."));
        return;
    }
    if (!VatNumber::isValid(number)) {
        answerAndClose(false, QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                             "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                             "che lo ha rilasciato."));
        return;
    }
    const QString valid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");
    const QString office = VatNumber::officeName(VatNumber::officeCode(number));
    if (office.isEmpty())
        answerAndClose(true, valid + QStringLiteral("L'Ufficio IVA che lo ha rilasciato non è noto."));
    else
        answerAndClose(true, valid + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ")
                                 + office + u'.');
}
