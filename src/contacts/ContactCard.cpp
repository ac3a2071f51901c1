#include "contacts/ContactCard.h"

#include "records/TextField.h"

namespace {
struct Row {
    const char *label;
    const char *box;
    QString ContactRecord::*field; // nullptr where the row joins several fields
};

// Labels are UTF-8.
const Row kRows[] = {
    {"Cognome, nome o Rag. soc.", "txtNome", &ContactRecord::Nome},
    {"Codice fiscale:", "txtCodFisc", &ContactRecord::CodFisc},
    {"Sesso:", "txtSesso", &ContactRecord::Sesso},
    {"Data di nascita:", "txtDataNasc", &ContactRecord::DataNasc},
    {"Luogo di nascita:", "txtLuogoNasc", &ContactRecord::LuogoNasc},
    {"Partita IVA:", "txtPartitaIva", &ContactRecord::PartitaIva},
    {"Via e numero civico:", "txtIndirizzo", nullptr},
    {"CAP:", "txtCap", nullptr},
    {"Località:", "txtLocalita", nullptr},
    {"Stato civile:", "txtCivile", &ContactRecord::Civile},
    {"Tel.", "txtTel", &ContactRecord::Tel},
    {"E-mail:", "txtEmail", &ContactRecord::Email},
    {"IBAN:", "txtIban", &ContactRecord::Iban},
    {"PEC:", "txtPec", &ContactRecord::Pec},
    {"Carta di credito n.", "txtCarta", &ContactRecord::Carta},
    {"Scadenza carta di credito:", "txtScadeCarta", &ContactRecord::ScadeCarta},
    {"Tel. cellulare:", "txtCel", &ContactRecord::Cel},
    {"Cittadinanza:", "txtCittadinanza", &ContactRecord::Cittadinanza},
    {"Occupazione:", "txtOccupazione", &ContactRecord::Occupazione},
    {"Documento (tipo e numero):", "txtTipoDoc", &ContactRecord::TipoDoc},
    {"Ente di rilascio:", "txtEnteRil", &ContactRecord::EnteRil},
    {"Data di rilascio:", "txtDataRil", &ContactRecord::DataRil},
    {"Data di scadenza:", "txtDataSca", &ContactRecord::DataSca},
    {"Prodotti di interesse:", "txtProdotti", &ContactRecord::Prodotti},
    {"Questioni in sospeso:", "txtQuestioni", &ContactRecord::Questioni},
    {"Note:", "txtNote", &ContactRecord::Note},
};
}

namespace ContactCard {

QString layoutName() { return QStringLiteral("Scheda Anagrafica"); }
QString title() { return QStringLiteral("SCHEDA ANAGRAFICA"); }

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

QList<QPair<QString, QString>> values(const ContactRecord &shown)
{
    using TextField::trimmed;
    QList<QPair<QString, QString>> out;
    for (const Row &r : kRows) {
        const QString box = QString::fromLatin1(r.box);
        QString text;
        if (r.field)
            text = trimmed(shown.*r.field);
        else if (box == QLatin1String("txtIndirizzo"))
            // The blank stays even without a house number.
            text = trimmed(shown.Indirizzo) + u' ' + trimmed(shown.Num);
        else if (box == QLatin1String("txtCap"))
            text = trimmed(shown.Cap01) + trimmed(shown.Cap02) + trimmed(shown.Cap03) + trimmed(shown.Cap04)
                   + trimmed(shown.Cap05);
        else
            text = trimmed(shown.Localita) + u' ' + trimmed(shown.Prov01) + trimmed(shown.Prov02);
        out.append({box, text});
    }
    return out;
}

}
