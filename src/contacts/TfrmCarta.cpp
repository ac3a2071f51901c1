#include "contacts/TfrmCarta.h"

#include "checks/CardNumber.h"
#include "records/TextField.h"
#include "ui/entry/EntryBox.h"

namespace {
const QString kNumberMissing = QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere "
                                              "il pulsante di controllo.");
const QString kWrong = QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                                      "Non è quindi possibile fornire informazioni relative al tipo "
                                      "di carta di credito.");
const QString kValid = QStringLiteral("Il numero di carta di credito %1 risulta valido.\r\n\r\n");
const QString kKindUnknown = QStringLiteral("Il tipo di carta di credito non è riconosciuto.");
const QString kKind = QStringLiteral("La carta di credito è del tipo %1.");
}

TfrmCarta::TfrmCarta(QWidget *parent)
    : CheckWindow(parent, QStringLiteral(" Controllo carta di credito"),
                  QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."),
                  QStringLiteral("txtNumero"), 30)
{
    setObjectName(QStringLiteral("TfrmCarta"));
    txtNumero = box();
    txtNumero->setDigitsOnly(true);
    txtNumero->setNormalise(EntryBox::Normalise::TrimUpper);
}

void TfrmCarta::controlla()
{
    const QString shown = TextField::trimmed(txtNumero->text());
    if (shown.isEmpty()) {
        warnAndStay(kNumberMissing);
        return;
    }
    const int code = CardNumber::check(txtNumero->text());
    if (code < 1 || code > 4) {
        answerAndClose(false, kWrong);
        return;
    }
    const QString valid = kValid.arg(shown);
    const QString kind = CardNumber::kindName(code, shown);
    // A number of the 3 group whose second digit names no kind is still valid.
    if (kind.isEmpty())
        answerAndClose(true, valid + kKindUnknown);
    else
        answerAndClose(true, valid + kKind.arg(kind));
}
