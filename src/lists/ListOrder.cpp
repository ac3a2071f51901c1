#include "lists/ListOrder.h"

#include <algorithm>
#include <vector>

namespace {
inline char16_t fold(char16_t c) { return (c >= u'A' && c <= u'Z') ? char16_t(c + 32) : c; }
}

namespace ListOrder {

int compare(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *pa = a.constData();
    const QChar *pb = b.constData();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t ca = fold(pa[i].unicode());
        const char16_t cb = fold(pb[i].unicode());
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

void sort(QStringList &rows) { std::stable_sort(rows.begin(), rows.end(), less); }

void sort(QVector<ListRow> &rows)
{
    // Each row folded once, rather than both rows at every comparison: the
    // folded texts then compare by plain code, exactly as compare() does.
    struct Keyed {
        QString key;
        qsizetype index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(rows.size()));
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const QString &text = rows[i].text;
        QString key(text.size(), Qt::Uninitialized);
        std::transform(text.cbegin(), text.cend(), key.begin(), [](QChar c) { return QChar(fold(c.unicode())); });
        keyed.push_back({std::move(key), i});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) { return a.key < b.key; });
    QVector<ListRow> sorted;
    sorted.reserve(rows.size());
    for (const Keyed &k : keyed)
        sorted.append(std::move(rows[k.index]));
    rows = std::move(sorted);
}

}
