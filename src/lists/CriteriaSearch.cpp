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

Search::Search(const QStringList &boxes, std::span<const FieldRef> fields)
    : m_filled(filledCount(boxes))
{
    for (qsizetype i = 0; i < boxes.size() && size_t(i) < fields.size(); ++i)
        if (!boxes.at(i).isEmpty())
            m_tests.append({fields[size_t(i)], boxes.at(i)});
}

bool Search::found(const char *record) const
{
    int matched = 0;
    const int total = int(m_tests.size());
    for (int i = 0; i < total && matched < m_filled && matched + (total - i) >= m_filled; ++i)
        matched += m_tests[i].field.read(record).contains(m_tests[i].text, Qt::CaseInsensitive);
    return matched >= m_filled;
}

}
