#pragma once
// Which contacts the contact search, the contact import and the pending-issues
// list show.

#include "lists/CriteriaSearch.h"
#include "lists/ListRow.h"
#include "records/RecordArchive.h"

#include <QStringList>
#include <QVector>

namespace ContactLists {
// The ten search boxes, in the order of the criteria page.
struct Criteria {
    QString nome, localita, tel, dataNasc, codFisc, partitaIva, occupazione, prodotti, questioni, note;
    QStringList texts() const
    {
        return {nome, localita, tel, dataNasc, codFisc, partitaIva, occupazione, prodotti, questioni, note};
    }
};
// Boxes whose trimmed text is not empty.
int filledCount(const Criteria &criteria);
// What the boxes find: the rule search() tries on each contact.
CriteriaSearch::Search searchFor(const Criteria &criteria);
// ContactListRow rows of the contacts found, in file order, each with its
// record number.
ArchiveRead<QVector<ListRow>> search(const Criteria &criteria);

// A contact with something pending, decided on its stored bytes: "Questioni
// in sospeso" holds more than blanks and control characters.
bool hasPendingIssues(const char *record);
// PendingIssueRow rows, in file order.
ArchiveRead<QVector<ListRow>> loadPending();
}
