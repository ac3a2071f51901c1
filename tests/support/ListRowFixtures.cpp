#include "ListRowFixtures.h"

QStringList rowTexts(const QVector<ListRow> &rows)
{
    QStringList out;
    for (const ListRow &r : rows)
        out << r.text;
    return out;
}

QList<int> rowNumbers(const QVector<ListRow> &rows)
{
    QList<int> out;
    for (const ListRow &r : rows)
        out << r.record;
    return out;
}
