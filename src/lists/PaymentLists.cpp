#include "lists/PaymentLists.h"

#include "lists/CriteriaSearch.h"
#include "lists/PaymentListRow.h"
#include "records/DateText.h"
#include "records/RecordArchive.h"
#include "records/TextField.h"

using TextField::trimmed;

namespace {
const FieldRef kData = PaymentLayout.field(&PaymentRecord::Data);
const FieldRef kOttemperata = PaymentLayout.field(&PaymentRecord::Ottemperata);

// The boxes of the criteria page and the fields they search, in page order.
constexpr QString PaymentRecord::*kSearched[10] = {
    &PaymentRecord::Data,     &PaymentRecord::Ora, &PaymentRecord::Tipologia, &PaymentRecord::Causale,
    &PaymentRecord::Dettagli, &PaymentRecord::Contatto, &PaymentRecord::Tel,  &PaymentRecord::Cel,
    &PaymentRecord::Luogo,    &PaymentRecord::Note,
};

}

namespace PaymentLists {

bool inStatusList(PaymentStatus list, const PaymentRecord &record, QDate today)
{
    const QString settled = trimmed(record.Ottemperata);
    switch (list) {
    case PaymentStatus::DaAssolvere:
        return settled == QStringLiteral("No");
    case PaymentStatus::Scaduti: {
        const auto due = DateText::parse(record.Data);
        return due && *due < today && settled == QStringLiteral("No");
    }
    case PaymentStatus::Assolti:
        return settled == QStringLiteral("Sì");
    }
    return false;
}

QVector<ListRow> loadStatusList(PaymentStatus list, QDate today, QVector<ListRow> *partial)
{
    QVector<ListRow> rows;
    try {
        // Each list tests only the fields its rule needs, straight from the
        // record's bytes; the rows it keeps decode only what they show. "Sì" is
        // stored as the letter S and the Windows-1252 byte of "ì".
        static const std::string_view settledBytes("S\xEC", 2);
        PaymentArchive::forEach([&](const char *bytes, int number) {
            const std::string_view settled = kOttemperata.bytes(bytes);
            bool listed = false;
            switch (list) {
            case PaymentStatus::DaAssolvere:
                listed = settled == std::string_view("No");
                break;
            case PaymentStatus::Scaduti:
                if (settled == std::string_view("No")) {
                    const auto due = DateText::parse(kData.bytes(bytes));
                    listed = due && *due < today;
                }
                break;
            case PaymentStatus::Assolti:
                listed = settled == settledBytes;
                break;
            }
            if (listed)
                rows.append({PaymentListRow(bytes), number});
        });
    } catch (...) {
        if (partial)
            *partial = rows;
        throw;
    }
    return rows;
}

int filledCount(const Criteria &criteria) { return CriteriaSearch::filledCount(criteria.texts()); }

bool matches(const Criteria &criteria, int filled, const PaymentRecord &r)
{
    return CriteriaSearch::matches(criteria.texts(), filled, r, kSearched);
}

QVector<ListRow> search(const Criteria &criteria)
{
    return CriteriaSearch::search(criteria.texts(), kSearched, [](const char *bytes) { return PaymentListRow(bytes); });
}

}
