#pragma once
// The search by up to ten criteria that the payment search and the contact
// search share: each box as typed, without regard to case, a part of its
// field; a record is found when at least as many boxes match as hold more
// than blanks (so with no box filled in, every record is found).

#include "lists/ListRow.h"
#include "records/RecordArchive.h"
#include "records/RecordLayout.h"

#include <QStringList>
#include <QVector>

#include <span>

namespace CriteriaSearch {
// Boxes whose trimmed text is not empty.
int filledCount(const QStringList &boxes);

// The boxes of one search, read once and then tried on record after record.
class Search {
public:
    // fields[i] is the field box i searches.
    Search(const QStringList &boxes, std::span<const FieldRef> fields);
    // Whether the stored record is found. Reads only the fields of the boxes
    // that hold anything, and stops as soon as the answer is known.
    bool found(const char *record) const;

private:
    struct Test {
        FieldRef field;
        QString text;
    };
    // One test for each box that holds anything, blanks included.
    QVector<Test> m_tests;
    int m_filled = 0;
};

// Every record of the archive the search finds, in file order, as
// rowOf(bytes) with its record number.
template <typename Record, typename RowOf>
ArchiveRead<QVector<ListRow>> scan(const Search &search, RowOf rowOf)
{
    return RecordArchive<Record>::read(QVector<ListRow>(), [&](QVector<ListRow> &rows, const char *bytes, int number) {
        if (search.found(bytes))
            rows.append({rowOf(bytes), number});
    });
}
}
