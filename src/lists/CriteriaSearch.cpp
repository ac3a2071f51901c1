#include "lists/CriteriaSearch.h"

#include "records/TextField.h"

namespace CriteriaSearch {

int filledCount(const QStringList &boxes)
{
    int n = 0;
    for (const QString &t : boxes)
        n += !TextField::trimmed(t).isEmpty();
    return n;
}

QVector<Test> tests(const QStringList &boxes, const QVector<FieldRef> &fields)
{
    QVector<Test> out;
    for (int i = 0; i < boxes.size() && i < fields.size(); ++i)
        if (!boxes.at(i).isEmpty())
            out.append({fields.at(i), boxes.at(i)});
    return out;
}

bool found(const char *record, const QVector<Test> &tests, int filled)
{
    int matched = 0;
    const int total = int(tests.size());
    for (int i = 0; i < total && matched < filled && matched + (total - i) >= filled; ++i)
        matched += tests[i].field.read(record).contains(tests[i].text, Qt::CaseInsensitive);
    return matched >= filled;
}

}
