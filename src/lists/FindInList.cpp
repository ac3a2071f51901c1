#include "lists/FindInList.h"

FindOutcome FindInList(const QStringList &rows, int selected, const QString &text, QString &lastSearch)
{
    FindOutcome out;
    if (rows.isEmpty()) {
        out.emptyList = true;
        return out;
    }
    if (selected < 0 || selected >= rows.size())
        selected = 0;
    out.selected = selected;
    const QString wanted = text.toLower();
    auto matches = [&](int i) { return !wanted.isEmpty() && rows.at(i).toLower().contains(wanted); };
    const int count = int(rows.size());
    int start;
    if (wanted != lastSearch) {
        // A new search starts from the top, the first row included.
        start = 0;
        if (matches(0)) {
            out.selected = 0;
            lastSearch = wanted;
            return out;
        }
    } else {
        // The same text again: go on after the selected row.
        start = selected;
    }
    int i = start;
    do {
        i = (i + 1) % count;
        if (matches(i)) {
            out.selected = i;
            break;
        }
    } while (i != start);
    lastSearch = wanted;
    return out;
}
