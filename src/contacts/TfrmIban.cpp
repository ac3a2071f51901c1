#include "contacts/TfrmIban.h"

#include "checks/Iban.h"
#include "records/TextField.h"
#include "ui/EntryBox.h"

TfrmIban::TfrmIban(QWidget *parent)
    : CheckWindow(parent, QStringLiteral(" Controllo IBAN"),
                  QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."),
                  QStringLiteral("txtIban"), 27)
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
        warnAndStay(QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."));
        return;
    }
    if (Iban::isValid(iban))
        answerAndClose(true, QStringLiteral("L'IBAN digitato è VALIDO."));
    else
        answerAndClose(false, QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!"));
}
