#include "contacts/TfrmCodFisc.h"

#include "checks/FiscalCode.h"
#include "ui/entry/EntryBox.h"

namespace {
const QString kLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
}

TfrmCodFisc::TfrmCodFisc(QWidget *parent)
    : CheckWindow(parent, QStringLiteral(" Controllo codice fiscale"),
                  QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."),
                  QStringLiteral("txtCodFisc"), 16)
{
    setObjectName(QStringLiteral("TfrmCodFisc"));
    txtCodFisc = box();
    txtCodFisc->setNormalise(EntryBox::Normalise::TrimUpper);
}

void TfrmCodFisc::controlla()
{
    const QString code = txtCodFisc->text().toUpper();
    if (code.size() != 16) {
        warnAndStay(kLength);
        return;
    }
    // A character outside "0" to "Z" has no value in the tables: such a code
    // is simply wrong.
    if (FiscalCode::isValid(code))
        answerAndClose(true, kValid);
    else
        answerAndClose(false, kWrong);
}
