#include "lists/PaymentLists.h"

#include "lists/PaymentListRow.h"
#include "records/DateText.h"

#include <array>

namespace {
constexpr FieldRef kData = PaymentLayout.field(&PaymentRecord::Data);

// The fields the boxes of the criteria page search, in page order.
constexpr std::array<FieldRef, 10> kSearched = {
    PaymentLayout.field(&PaymentRecord::Data),      PaymentLayout.field(&PaymentRecord::Ora),
    PaymentLayout.field(&PaymentRecord::Tipologia), PaymentLayout.field(&PaymentRecord::Causale),
    PaymentLayout.field(&PaymentRecord::Dettagli),  PaymentLayout.field(&PaymentRecord::Contatto),
    PaymentLayout.field(&PaymentRecord::Tel),       PaymentLayout.field(&PaymentRecord::Cel),
    PaymentLayout.field(&PaymentRecord::Luogo),     PaymentLayout.field(&PaymentRecord::Note),
};
}

namespace PaymentLists {

bool inStatusList(PaymentStatus list, const char *record, QDate today)
{
    // Only the fields the rule needs, straight from the stored bytes, never converted.
    const Settlement settlement = settlementOf(record);
    switch (list) {
    case PaymentStatus::DaAssolvere:
        return settlement == Settlement::Unsettled;
    case PaymentStatus::Scaduti: {
        if (settlement != Settlement::Unsettled)
            return false;
        const auto due = DateText::parse(kData.bytes(record));
        return due && *due < today;
    }
    case PaymentStatus::Assolti:
        return settlement == Settlement::Settled;
    }
    return false;
}

ArchiveRead<QVector<ListRow>> loadStatusList(PaymentStatus list, QDate today)
{
    // The rows kept decode only what they show.
    return PaymentArchive::read(QVector<ListRow>(), [&](QVector<ListRow> &rows, const char *bytes, int number) {
        if (inStatusList(list, bytes, today))
            rows.append({PaymentListRow(bytes), number});
    });
}

int filledCount(const Criteria &criteria) { return CriteriaSearch::filledCount(criteria.texts()); }

CriteriaSearch::Search searchFor(const Criteria &criteria) { return {criteria.texts(), kSearched}; }

ArchiveRead<QVector<ListRow>> search(const Criteria &criteria)
{
    return CriteriaSearch::scan<PaymentRecord>(searchFor(criteria),
                                               [](const char *bytes) { return PaymentListRow(bytes); });
}

}
