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

#include <cstddef>

namespace CriteriaSearch {
// Boxes whose trimmed text is not empty.
int filledCount(const QStringList &boxes);

struct Test {
    FieldRef field;
    QString text;
};
// One test for each box that holds anything, blanks included; fields[i] is
// the field box i searches.
QVector<Test> tests(const QStringList &boxes, const QVector<FieldRef> &fields);
// Reads only the fields of the tests, and stops as soon as the answer is known.
bool found(const char *record, const QVector<Test> &tests, int filled);

// The same rule on a decoded record, box i searching member i: the plain
// statement of what the scan finds.
template <typename Record, std::size_t N>
bool matches(const QStringList &boxes, int filled, const Record &record, QString Record::*const (&members)[N])
{
    int hits = 0;
    for (std::size_t i = 0; i < N && qsizetype(i) < boxes.size(); ++i) {
        const QString &box = boxes.at(qsizetype(i));
        if (!box.isEmpty() && (record.*members[i]).contains(box, Qt::CaseInsensitive))
            ++hits;
    }
    return hits >= filled;
}

// Every record of the archive the boxes find, in file order, as rowOf(bytes)
// with its record number.
template <typename Record, std::size_t N, typename RowOf>
QVector<ListRow> search(const QStringList &boxes, QString Record::*const (&members)[N], RowOf rowOf)
{
    QVector<FieldRef> fields;
    for (QString Record::*member : members)
        fields.append(Record::layout().field(member));
    const QVector<Test> tested = tests(boxes, fields);
    const int filled = filledCount(boxes);
    QVector<ListRow> rows;
    RecordArchive<Record>::forEach([&](const char *bytes, int number) {
        if (found(bytes, tested, filled))
            rows.append({rowOf(bytes), number});
    });
    return rows;
}
}
