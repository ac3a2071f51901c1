#pragma once
// "Trova" inside a list window: walks through the rows containing a text,
// in list order, wrapping around at the end.

#include <QString>
#include <QStringList>

struct FindOutcome {
    bool emptyList = false; // nothing to search: the caller tells the user
    int selected = -1;      // the row to select afterwards (-1: none)
};

// rows: the list's texts; selected: the selected row or -1; text: what to find.
// lastSearch is the window's memory of the previous search, updated here.
FindOutcome FindInList(const QStringList &rows, int selected, const QString &text, QString &lastSearch);

namespace FindInListText {
inline QString emptyList() { return QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."); }
}
