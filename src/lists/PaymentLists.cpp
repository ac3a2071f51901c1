#include "lists/PaymentLists.h"

#include "lists/PaymentListRow.h"
#include "records/DateText.h"
#include "records/TextField.h"


using TextField::trimmed;

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
        forEachPayment([&](const PaymentRecord &record, int number) {
            if (inStatusList(list, record, today))
                rows.append({PaymentListRow(record), number});
        });
    } catch (...) {
        if (partial)
            *partial = rows;
        throw;
    }
    return rows;
}

int filledCount(const Criteria &criteria)
{
    int n = 0;
    for (const QString &t : criteria.texts())
        n += !trimmed(t).isEmpty();
    return n;
}

bool matches(const Criteria &criteria, int filled, const PaymentRecord &r)
{
    const QStringList boxes = criteria.texts();
    const QString fields[10] = {r.Data, r.Ora, r.Tipologia, r.Causale, r.Dettagli,
                                r.Contatto, r.Tel, r.Cel, r.Luogo, r.Note};
    int found = 0;
    for (int i = 0; i < 10; ++i) {
        const QString &box = boxes.at(i);
        if (!box.isEmpty() && fields[i].contains(box, Qt::CaseInsensitive))
            ++found;
    }
    return found >= filled;
}

QVector<ListRow> search(const Criteria &criteria)
{
    const int filled = filledCount(criteria);
    QVector<ListRow> rows;
    forEachPayment([&](const PaymentRecord &record, int number) {
        if (matches(criteria, filled, record))
            rows.append({PaymentListRow(record), number});
    });
    return rows;
}

}
