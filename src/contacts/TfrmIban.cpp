#include "contacts/TfrmIban.h"

#include "checks/Iban.h"
#include "records/TextField.h"
#include "ui/entry/EntryBox.h"

namespace {
const QString kLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
}

TfrmIban::TfrmIban(QWidget *parent)
    : CheckWindow(parent, QStringLiteral(" Controllo IBAN"),
                  QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."), QStringLiteral("txtIban"), 27)
{
    setObjectName(QStringLiteral("TfrmIban"));
    txtIban = box();
    txtIban->setNormalise(EntryBox::Normalise::TrimUpper);
}

void TfrmIban::controlla()
{
    const QString iban = TextField::trimmed(txtIban->text());
    // Blanks inside count towards the length; the check itself skips them.
    if (iban.size() != 27) {
        warnAndStay(kLength);
        return;
    }
    if (Iban::isValid(iban))
        answerAndClose(true, kValid);
    else
        answerAndClose(false, kWrong);
}
