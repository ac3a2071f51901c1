#include "lists/ContactLists.h"

#include "lists/ContactListRow.h"
#include "lists/CriteriaSearch.h"
#include "records/RecordArchive.h"
#include "records/TextField.h"

using TextField::trimmed;

namespace {
// The boxes of the criteria page and the fields they search, in page order.
constexpr QString ContactRecord::*kSearched[10] = {
    &ContactRecord::Nome,       &ContactRecord::Localita,    &ContactRecord::Tel,
    &ContactRecord::DataNasc,   &ContactRecord::CodFisc,     &ContactRecord::PartitaIva,
    &ContactRecord::Occupazione, &ContactRecord::Prodotti,   &ContactRecord::Questioni,
    &ContactRecord::Note,
};

// The fields a row shows: a kept contact is decoded only this far, not in all
// its 39 fields.
struct RowField {
    QString ContactRecord::*member;
    FieldRef field;
};
constexpr RowField kRowFields[] = {
    {&ContactRecord::Nome, ContactLayout.field(&ContactRecord::Nome)},
    {&ContactRecord::CodFisc, ContactLayout.field(&ContactRecord::CodFisc)},
    {&ContactRecord::Tel, ContactLayout.field(&ContactRecord::Tel)},
    {&ContactRecord::Cel, ContactLayout.field(&ContactRecord::Cel)},
    {&ContactRecord::Note, ContactLayout.field(&ContactRecord::Note)},
    {&ContactRecord::Questioni, ContactLayout.field(&ContactRecord::Questioni)},
};

ContactRecord rowFields(const char *bytes)
{
    ContactRecord r;
    for (const RowField &f : kRowFields)
        r.*f.member = f.field.read(bytes);
    return r;
}

constexpr FieldRef kQuestioni = ContactLayout.field(&ContactRecord::Questioni);
}

namespace ContactLists {

int filledCount(const Criteria &criteria) { return CriteriaSearch::filledCount(criteria.texts()); }

bool matches(const Criteria &criteria, int filled, const ContactRecord &r)
{
    return CriteriaSearch::matches(criteria.texts(), filled, r, kSearched);
}

QVector<ListRow> search(const Criteria &criteria)
{
    return CriteriaSearch::search(criteria.texts(), kSearched,
                                  [](const char *bytes) { return ContactListRow(rowFields(bytes)); });
}

bool hasPendingIssues(const ContactRecord &record) { return !trimmed(record.Questioni).isEmpty(); }

QVector<ListRow> loadPending(QVector<ListRow> *partial)
{
    QVector<ListRow> rows;
    try {
        ContactArchive::forEach([&](const char *bytes, int number) {
            // Read trims the field: a text of blanks alone is no pending issue.
            if (!kQuestioni.read(bytes).isEmpty())
                rows.append({PendingIssueRow(rowFields(bytes)), number});
        });
    } catch (...) {
        if (partial)
            *partial = rows;
        throw;
    }
    return rows;
}

}
