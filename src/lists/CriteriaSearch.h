#pragma once
// The search by up to ten criteria that the payment search and the contact
// search share: each box as typed, without regard to case, a part of its
// field; a record is found when at least as many boxes match as hold more
// than blanks (so with no box filled in, every record is found).

#include "records/RecordLayout.h"

#include <QStringList>
#include <QVector>

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
}
