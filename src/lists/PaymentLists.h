#pragma once
// Which payments the status lists and the payment search show.

#include "lists/CriteriaSearch.h"
#include "lists/ListRow.h"
#include "records/RecordArchive.h"

#include <QDate>
#include <QStringList>
#include <QVector>

enum class PaymentStatus { DaAssolvere, Scaduti, Assolti };

namespace PaymentLists {
// Whether a status list shows a payment, decided on the record's stored bytes
// (as the archive hands them): "Impegno assolto" is "No" for the lists to
// settle and overdue, "Sì" for the settled one; any other value, blank or
// damaged, puts a payment in no list. Overdue: due strictly before today; a
// due date that cannot be read is never overdue.
bool inStatusList(PaymentStatus list, const char *record, QDate today);
// Rows of a status list, in file order.
ArchiveRead<QVector<ListRow>> loadStatusList(PaymentStatus list, QDate today);

// The ten search boxes, in the order of the criteria page.
struct Criteria {
    QString data, ora, tipologia, causale, dettagli, contatto, tel, cel, luogo, note;
    QStringList texts() const { return {data, ora, tipologia, causale, dettagli, contatto, tel, cel, luogo, note}; }
};
// Boxes whose trimmed text is not empty.
int filledCount(const Criteria &criteria);
// What the boxes find: the rule search() tries on each payment.
CriteriaSearch::Search searchFor(const Criteria &criteria);
// The payments found, in file order.
ArchiveRead<QVector<ListRow>> search(const Criteria &criteria);
}
