#include "payments/PaymentCard.h"

#include "records/TextField.h"

namespace {
struct Row {
    const char *label;
    const char *box;
};

// Labels are UTF-8.
constexpr Row kRows[] = {
    {"Data scadenza:", "txtData"},
    {"Ora:", "txtOra"},
    {"Tipologia:", "txtTipologia"},
    {"Causale:", "txtCausale"},
    {"Dettagli:", "txtDettagli"},
    {"Persona / Ditta:", "txtContatto"},
    {"Telefono:", "txtTel"},
    {"Cellulare:", "txtCel"},
    {"E-mail:", "txtEmail"},
    {"Luogo:", "txtLuogo"},
    {"Importo:", "txtImporto"},
    {"Note:", "txtNote"},
    {"Impegno assolto:", "txtOttemperata"},
};
}

namespace PaymentCard {

QString layoutName() { return QStringLiteral("Scheda Pagamento"); }
QString title() { return QStringLiteral("SCHEDA PAGAMENTO"); }

QStringList labels()
{
    QStringList out;
    for (const Row &r : kRows)
        out << QString::fromUtf8(r.label);
    return out;
}

QStringList boxes()
{
    QStringList out;
    for (const Row &r : kRows)
        out << QString::fromLatin1(r.box);
    return out;
}

QList<QPair<QString, QString>> values(const PaymentRecord &shown)
{
    using TextField::trimmed;
    // The check box knows two states only: anything but "Sì" shows unchecked.
    const QString settled = (shown.isSettled() ? PaymentRecord::Settled : PaymentRecord::Unsettled).toString();
    return {
        {QStringLiteral("txtOttemperata"), settled},
        {QStringLiteral("txtData"), trimmed(shown.Data)},
        {QStringLiteral("txtOra"), trimmed(shown.OreApp) + u':' + trimmed(shown.MinutiApp)},
        {QStringLiteral("txtTipologia"), trimmed(shown.Tipologia)},
        {QStringLiteral("txtCausale"), trimmed(shown.Causale)},
        {QStringLiteral("txtDettagli"), trimmed(shown.Dettagli)},
        {QStringLiteral("txtContatto"), trimmed(shown.Contatto)},
        {QStringLiteral("txtTel"), trimmed(shown.Tel)},
        {QStringLiteral("txtCel"), trimmed(shown.Cel)},
        {QStringLiteral("txtEmail"), trimmed(shown.Email)},
        {QStringLiteral("txtLuogo"), trimmed(shown.Luogo)},
        {QStringLiteral("txtImporto"), trimmed(shown.Importo)},
        {QStringLiteral("txtNote"), trimmed(shown.Note)},
    };
}

}
