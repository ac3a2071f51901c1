#include "contacts/ContactGrid.h"

#include "records/TextField.h"

#include <iterator>

using TextField::trimmed;

namespace {
// Grid columns 1..25: the header on screen, its width there, whether the user
// may edit it, and the header and width the export gives it. The headers
// differ in one place: "Ente di rilascio" on screen, "Ente rilascio" in the file.
// The document's due date goes out as dates, as the payments' due dates do;
// every other column as text.
struct Column {
    const char *header;
    int width;
    bool editable;
    const char *exportHeader;
    int exportWidth;
    CellKind kind = CellKind::Text;
};
constexpr Column kColumns[] = {
    {"Nome, cognome o Ragione sociale", 300, false, "Nome, cognome o Ragione sociale", 350},
    {"Indirizzo", 300, false, "Indirizzo", 350},
    {"CAP", 150, true, "CAP", 180},
    {"Località", 250, false, "Località", 250},
    {"Prov.", 120, false, "Prov.", 180},
    {"Tel.", 200, true, "Tel.", 250},
    {"E-mail", 250, false, "E-mail", 300},
    {"Data di nascita", 150, false, "Data di nascita", 200},
    {"Luogo di nascita", 200, false, "Luogo di nascita", 250},
    {"Codice fiscale", 200, false, "Codice fiscale", 250},
    {"Partita IVA", 200, true, "Partita IVA", 250},
    {"IBAN", 250, false, "IBAN", 300},
    {"PEC", 250, false, "PEC", 300},
    {"Carta di credito n.", 200, false, "Carta di credito n.", 250},
    {"Scadenza", 150, false, "Scadenza", 200},
    {"Tel. cellulare", 200, true, "Tel. cellulare", 250},
    {"Cittadinanza", 200, false, "Cittadinanza", 250},
    {"Occupazione", 250, true, "Occupazione", 300},
    {"Stato civile", 200, true, "Stato civile", 250},
    {"Documento", 250, true, "Documento", 300},
    {"Ente di rilascio", 250, false, "Ente rilascio", 300},
    {"Data scadenza", 150, true, "Data scadenza", 200, CellKind::Date},
    {"Servizi di interesse", 300, true, "Servizi di interesse", 400},
    {"Questioni in sospeso", 300, true, "Questioni in sospeso", 400},
    {"Note", 300, true, "Note", 400},
};
static_assert(std::size(kColumns) + 1 == ContactGrid::ColumnCount);
}

namespace ContactGrid {

QStringList headers()
{
    QStringList h = {QStringLiteral("N.")};
    for (const Column &c : kColumns)
        h << QString::fromUtf8(c.header);
    return h;
}

QVector<int> widths()
{
    QVector<int> w = {60};
    for (const Column &c : kColumns)
        w << c.width;
    return w;
}

QVector<int> editableColumns()
{
    QVector<int> e;
    for (int i = 0; i < int(std::size(kColumns)); ++i)
        if (kColumns[i].editable)
            e << i + 1;
    return e;
}

QStringList row(const ContactRecord &r, int number)
{
    const auto t = [](const QString &s) { return trimmed(s); };
    return {
        QString::number(number),
        t(r.Nome),
        t(r.Indirizzo) + QLatin1Char(' ') + t(r.Num),
        t(r.Cap01) + t(r.Cap02) + t(r.Cap03) + t(r.Cap04) + t(r.Cap05),
        t(r.Localita),
        t(r.Prov01) + t(r.Prov02),
        t(r.Tel),
        t(r.Email),
        t(r.DataNasc),
        t(r.LuogoNasc),
        t(r.CodFisc),
        t(r.PartitaIva),
        t(r.Iban),
        t(r.Pec),
        t(r.Carta),
        t(r.ScadeCarta),
        t(r.Cel),
        t(r.Cittadinanza),
        t(r.Occupazione),
        t(r.Civile),
        t(r.TipoDoc),
        t(r.EnteRil),
        t(r.DataSca),
        t(r.Prodotti),
        t(r.Questioni),
        t(r.Note),
    };
}

ArchiveRead<GridTable> load()
{
    return ContactArchive::read(GridTable(ColumnCount), [](GridTable &rows, const char *bytes, int number) {
        rows.append(row(ContactRecord::decode(bytes), number));
    });
}

}

namespace ExportLayouts {

ExportLayout anagrafica()
{
    ExportLayout layout {QStringLiteral("Anagrafica.xls"), QStringLiteral("Archivio Anagrafico"), {}};
    for (const Column &c : kColumns)
        layout.columns.append({QString::fromUtf8(c.exportHeader), c.exportWidth, c.kind});
    return layout;
}

}
