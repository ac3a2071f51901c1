#include "lists/ContactLists.h"

#include "lists/ContactListRow.h"

#include <array>

namespace {
// The fields the boxes of the criteria page search, in page order.
constexpr std::array<FieldRef, 10> kSearched = {
    ContactLayout.field(&ContactRecord::Nome),        ContactLayout.field(&ContactRecord::Localita),
    ContactLayout.field(&ContactRecord::Tel),         ContactLayout.field(&ContactRecord::DataNasc),
    ContactLayout.field(&ContactRecord::CodFisc),     ContactLayout.field(&ContactRecord::PartitaIva),
    ContactLayout.field(&ContactRecord::Occupazione), ContactLayout.field(&ContactRecord::Prodotti),
    ContactLayout.field(&ContactRecord::Questioni),   ContactLayout.field(&ContactRecord::Note),
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

CriteriaSearch::Search searchFor(const Criteria &criteria) { return {criteria.texts(), kSearched}; }

ArchiveRead<QVector<ListRow>> search(const Criteria &criteria)
{
    return CriteriaSearch::scan<ContactRecord>(searchFor(criteria),
                                               [](const char *bytes) { return ContactListRow(rowFields(bytes)); });
}

// The stored bytes come trimmed of codes up to 32, and no byte above 32 is a
// blank or a control character once converted: no conversion is needed.
bool hasPendingIssues(const char *record) { return !kQuestioni.bytes(record).empty(); }

ArchiveRead<QVector<ListRow>> loadPending()
{
    return ContactArchive::read(QVector<ListRow>(), [](QVector<ListRow> &rows, const char *bytes, int number) {
        if (hasPendingIssues(bytes))
            rows.append({PendingIssueRow(rowFields(bytes)), number});
    });
}

}
