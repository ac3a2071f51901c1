#pragma once
// Which contacts the contact search, the contact import and the pending-issues
// list show.

#include "lists/ListRow.h"
#include "records/ContactRecord.h"

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
// Every filled-in box, as typed, is found in its field, without regard to case.
bool matches(const Criteria &criteria, int filled, const ContactRecord &record);
// ContactListRow rows of the contacts found, in file order, each with its
// record number. Throws ArchiveError when the file cannot be read.
QVector<ListRow> search(const Criteria &criteria);

// A contact with something pending: Questioni holds more than blanks.
bool hasPendingIssues(const ContactRecord &record);
// PendingIssueRow rows, in file order. Throws ArchiveError when the file
// cannot be read; rows read before a failure are handed to partial first.
QVector<ListRow> loadPending(QVector<ListRow> *partial = nullptr);
}
