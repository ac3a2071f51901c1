#include "agenda/PaymentGrids.h"

#include "agenda/Imminence.h"
#include "records/DateText.h"
#include "records/TextField.h"

#include <QCollator>

#include <algorithm>

using TextField::trimmed;

namespace PaymentGrids {

int columnCount(PaymentGrid grid) { return grid == PaymentGrid::Scadenzario ? 14 : 15; }

QStringList headers(PaymentGrid grid)
{
    QStringList h = {QStringLiteral("N."), QStringLiteral("Data scadenza"), QStringLiteral("Ora"),
                     QStringLiteral("Tipologia"), QStringLiteral("Causale"), QStringLiteral("Dettagli"),
                     QStringLiteral("Persona o Ditta"), QStringLiteral("Telefono"), QStringLiteral("Cellulare"),
                     QStringLiteral("E-mail"), QStringLiteral("Luogo"), QStringLiteral("Importo"),
                     QStringLiteral("Impegno assolto"), QStringLiteral("Note"), QStringLiteral("Codice univoco")};
    if (grid == PaymentGrid::Scadenzario)
        h.removeLast();
    return h;
}

QVector<int> editableColumns(PaymentGrid grid)
{
    switch (grid) {
    case PaymentGrid::Imminenti: return {5, 6, 8, 14};
    case PaymentGrid::Giornaliere:
    case PaymentGrid::Mensili: return {5, 6, 7, 14};
    case PaymentGrid::Scadenzario: return {5, 6, 7};
    }
    return {};
}

QStringList row(const PaymentRecord &r, const QString &number, bool withKey)
{
    QStringList cells = {number,  r.Data,    r.Ora, r.Tipologia, r.Causale, r.Dettagli,    r.Contatto,
                         r.Tel,   r.Cel,     r.Email, r.Luogo,   r.Importo, r.Ottemperata, r.Note};
    for (QString &c : cells)
        c = trimmed(c);
    if (withKey)
        cells << DueDateKey(r);
    return cells;
}

bool sameDay(const PaymentRecord &record, QDate day)
{
    return trimmed(record.Data) == DateText::format(day);
}

bool sameMonth(const PaymentRecord &record, QDate day)
{
    const QString data = trimmed(record.Data);
    const QString wanted = DateText::format(day);
    return data.mid(3, 2) == wanted.mid(3, 2) && data.mid(6, 4) == wanted.mid(6, 4);
}

bool selected(PaymentGrid grid, const PaymentRecord &record, QDate today, QDate calendarDay)
{
    switch (grid) {
    case PaymentGrid::Imminenti: return IsImminent(record, today);
    case PaymentGrid::Giornaliere: return sameDay(record, calendarDay);
    case PaymentGrid::Mensili: return sameMonth(record, calendarDay);
    case PaymentGrid::Scadenzario: return true;
    }
    return false;
}

std::optional<GridRows> load(PaymentGrid grid, QDate today, QDate calendarDay)
{
    const bool withKey = grid != PaymentGrid::Scadenzario;
    GridRows rows;
    int n = 0;
    const int records = forEachPayment([&](const PaymentRecord &record, int number) {
        if (grid == PaymentGrid::Scadenzario) {
            // Numbered by their place in the file.
            rows.append(row(record, QString::number(number), false));
        } else if (selected(grid, record, today, calendarDay)) {
            rows.append(row(record, QString::number(++n), withKey));
        }
    });
    if (records == 0)
        return std::nullopt;
    if (withKey)
        SortGridByKey(rows, KeyColumn);
    return rows;
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
    for (qsizetype i = 0; i < rows.size(); ++i)
        pairs.push_back({collator.sortKey(rows[i].value(keyColumn)), i});
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const Pair &a, const Pair &b) { return a.key.compare(b.key) < 0; });
    GridRows sorted;
    sorted.reserve(rows.size());
    for (const Pair &p : pairs)
        sorted.append(std::move(rows[p.index]));
    rows = std::move(sorted);
}
