#include "lists/ListOrder.h"

#include <algorithm>

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

}
