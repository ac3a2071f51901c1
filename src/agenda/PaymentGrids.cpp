#include "agenda/PaymentGrids.h"

#include "agenda/Imminence.h"
#include "records/DateText.h"
#include "records/RecordArchive.h"
#include "records/TextField.h"

#include <QCollator>

#include <algorithm>
#include <array>
#include <iterator>

namespace {
// Grid columns 1..14: the header on screen and in the export, the width the
// export gives it, what a spreadsheet makes of its cells, and the field it
// shows (the key, the last, is made from three). Column 0, "N.", is never
// exported.
struct Column {
    const char *header;
    int exportWidth;
    CellKind kind;
    QString PaymentRecord::*field;
};
constexpr CellKind Text = CellKind::Text;
const Column kColumns[] = {
    {"Data scadenza", 180, CellKind::Date, &PaymentRecord::Data},
    {"Ora", 150, CellKind::Time, &PaymentRecord::Ora},
    {"Tipologia", 250, Text, &PaymentRecord::Tipologia},
    {"Causale", 400, Text, &PaymentRecord::Causale},
    {"Dettagli", 400, Text, &PaymentRecord::Dettagli},
    {"Persona o Ditta", 300, Text, &PaymentRecord::Contatto},
    {"Telefono", 200, Text, &PaymentRecord::Tel},
    {"Cellulare", 200, Text, &PaymentRecord::Cel},
    {"E-mail", 250, Text, &PaymentRecord::Email},
    {"Luogo", 300, Text, &PaymentRecord::Luogo},
    {"Importo", 200, CellKind::Amount, &PaymentRecord::Importo},
    {"Impegno assolto", 200, Text, &PaymentRecord::Ottemperata},
    {"Note", 400, Text, &PaymentRecord::Note},
    {"Codice univoco", 150, Text, nullptr},
};
static_assert(std::size(kColumns) == PaymentGrids::KeyColumn);
constexpr int kFieldColumns = PaymentGrids::KeyColumn - 1;

ExportLayout exportLayout(PaymentGrid grid, const char *fileName, const char *sheetName)
{
    ExportLayout layout {QString::fromLatin1(fileName), QString::fromLatin1(sheetName), {}};
    const int last = PaymentGrids::columnCount(grid) - 1;
    for (int c = 1; c <= last; ++c)
        layout.columns.append(
            {QString::fromUtf8(kColumns[c - 1].header), kColumns[c - 1].exportWidth, kColumns[c - 1].kind});
    return layout;
}
}

namespace PaymentGrids {

int columnCount(PaymentGrid grid) { return grid == PaymentGrid::Scadenzario ? 14 : 15; }

QStringList headers(PaymentGrid grid)
{
    QStringList h = {QStringLiteral("N.")};
    for (int c = 1; c < columnCount(grid); ++c)
        h << QString::fromUtf8(kColumns[c - 1].header);
    return h;
}

QVector<int> editableColumns(PaymentGrid grid)
{
    switch (grid) {
    case PaymentGrid::Imminenti:
        return {5, 6, 8, 14};
    case PaymentGrid::Giornaliere:
    case PaymentGrid::Mensili:
        return {5, 6, 7, 14};
    case PaymentGrid::Scadenzario:
        return {5, 6, 7};
    }
    return {};
}

bool selected(PaymentGrid grid, const char *record, QDate today, QDate calendarDay)
{
    static constexpr FieldRef data = PaymentLayout.field(&PaymentRecord::Data);
    switch (grid) {
    case PaymentGrid::Imminenti:
        return IsImminent(record, today);
    case PaymentGrid::Giornaliere:
        return data.read(record) == DateText::format(calendarDay);
    case PaymentGrid::Mensili: {
        const QString due = data.read(record);
        const QString wanted = DateText::format(calendarDay);
        return due.mid(3, 2) == wanted.mid(3, 2) && due.mid(6, 4) == wanted.mid(6, 4);
    }
    case PaymentGrid::Scadenzario:
        return true;
    }
    return false;
}

// Straight from the record's bytes: the whole archive's grid would otherwise
// decode every field of every record and copy each cell twice.
void appendRow(GridRows &rows, const char *bytes, int number, bool withKey)
{
    static const auto fields = [] {
        std::array<FieldRef, kFieldColumns> refs {};
        for (int c = 0; c < kFieldColumns; ++c)
            refs[c] = PaymentLayout.field(kColumns[c].field);
        return refs;
    }();
    rows.addCell(QString::number(number));
    for (const FieldRef &field : fields) {
        // Trimming the stored bytes trims the text: no byte above 32 becomes a character up to 32.
        const std::string_view text = field.bytes(bytes);
        rows.addCell(TextField::fromWin1252(text.data(), int(text.size())));
    }
    if (withKey)
        rows.addCell(DueDateKey(PaymentRecord::decode(bytes)));
    rows.endRow();
}

ArchiveRead<GridRows> load(PaymentGrid grid, QDate today, QDate calendarDay)
{
    const bool withKey = grid != PaymentGrid::Scadenzario;
    int n = 0;
    auto read = PaymentArchive::read(GridRows(columnCount(grid)), [&](GridRows &rows, const char *bytes, int number) {
        if (grid == PaymentGrid::Scadenzario) {
            // Numbered by their place in the file.
            appendRow(rows, bytes, number, false);
        } else if (selected(grid, bytes, today, calendarDay)) {
            appendRow(rows, bytes, ++n, withKey);
        }
    });
    if (withKey)
        SortGridByKey(read.rows, KeyColumn);
    return read;
}

}

namespace PaymentGrids {
QString dayTitle(QDate day) { return QStringLiteral("Scadenze del giorno ") + DateText::format(day); }

QString monthTitle(QDate day)
{
    static const char *const months[] = {"gennaio", "febbraio", "marzo",     "aprile",  "maggio",   "giugno",
                                         "luglio",  "agosto",   "settembre", "ottobre", "novembre", "dicembre"};
    if (!day.isValid())
        return QStringLiteral("Scadenze del mese");
    return QStringLiteral("Scadenze del mese di %1 %2").arg(QLatin1String(months[day.month() - 1])).arg(day.year());
}
}

namespace ExportLayouts {
ExportLayout imminenti()
{
    return exportLayout(PaymentGrid::Imminenti, "Scadenze_Imminenti.xls", "Scadenze imminenti");
}
ExportLayout giornaliere()
{
    return exportLayout(PaymentGrid::Giornaliere, "Scadenze_Giornaliere.xls", "Scadenze del giorno");
}
ExportLayout mensili() { return exportLayout(PaymentGrid::Mensili, "Scadenze_Mensili.xls", "Scadenze del mese"); }
ExportLayout scadenzario()
{
    return exportLayout(PaymentGrid::Scadenzario, "Riepilogo_Pagamenti.xls", "Riepilogo Pagamenti");
}
}

void SortGridByKey(GridRows &rows, int keyColumn)
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Pair {
        QCollatorSortKey key;
        qsizetype index;
    };
    std::vector<Pair> pairs;
    pairs.reserve(size_t(rows.size()));
    for (int i = 0; i < rows.size(); ++i)
        pairs.push_back({collator.sortKey(rows.cell(i, keyColumn)), i});
    std::stable_sort(pairs.begin(), pairs.end(), [](const Pair &a, const Pair &b) { return a.key.compare(b.key) < 0; });
    std::vector<qsizetype> order;
    order.reserve(pairs.size());
    for (const Pair &p : pairs)
        order.push_back(p.index);
    rows = rows.reordered(order);
}
