#pragma once
// Which payments the status lists and the payment search show.

#include "lists/ListRow.h"
#include "records/PaymentRecord.h"

#include <QDate>
#include <QStringList>
#include <QVector>

enum class PaymentStatus { DaAssolvere, Scaduti, Assolti };

namespace PaymentLists {
bool inStatusList(PaymentStatus list, const PaymentRecord &record, QDate today);
// Rows of a status list, in file order. A record whose date cannot be read is
// skipped. Throws ArchiveError when the file cannot be read; rows read
// before a failure are handed to partial first.
QVector<ListRow> loadStatusList(PaymentStatus list, QDate today, QVector<ListRow> *partial = nullptr);

// The ten search boxes, in the order of the criteria page.
struct Criteria {
    QString data, ora, tipologia, causale, dettagli, contatto, tel, cel, luogo, note;
    QStringList texts() const { return {data, ora, tipologia, causale, dettagli, contatto, tel, cel, luogo, note}; }
};
// Boxes whose trimmed text is not empty.
int filledCount(const Criteria &criteria);
// Every filled-in box, as typed, is found in its field, without regard to case.
bool matches(const Criteria &criteria, int filled, const PaymentRecord &record);
QVector<ListRow> search(const Criteria &criteria);
}
