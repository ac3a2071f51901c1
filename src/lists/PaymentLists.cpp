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
    const QStringList boxes = criteria.texts();
    int found = 0;
    for (int i = 0; i < 10; ++i) {
        const QString &box = boxes.at(i);
        if (!box.isEmpty() && (r.*kSearched[i]).contains(box, Qt::CaseInsensitive))
            ++found;
    }
    return found >= filled;
}

QVector<ListRow> search(const Criteria &criteria)
{
    QVector<FieldRef> fields;
    for (QString PaymentRecord::*member : kSearched)
        fields.append(PaymentLayout.field(member));
    const QVector<CriteriaSearch::Test> tests = CriteriaSearch::tests(criteria.texts(), fields);
    const int filled = filledCount(criteria);
    QVector<ListRow> rows;
    PaymentArchive::forEach([&](const char *bytes, int number) {
        if (CriteriaSearch::found(bytes, tests, filled))
            rows.append({PaymentListRow(bytes), number});
    });
    return rows;
}

}
