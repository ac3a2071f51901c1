#pragma once
// What the payment card's boxes accept: the fixed lists of the drop-down boxes
// and what each box holds once the focus leaves it.

#include <QString>
#include <QStringList>

namespace PaymentEntry {

// "00" ... "23", "00" ... "59", and the two payment types.
const QStringList &hourItems();
const QStringList &minuteItems();
const QStringList &paymentTypes();

// Leaving rules. A value that is not one of its list's items is emptied, so the
// card never holds a time or a type that was not chosen from the list.
QString leaveHour(const QString &text);
QString leaveMinute(const QString &text);
QString leaveType(const QString &text);
// Empty notice days become "0".
QString leaveNotice(const QString &text);

// Whether an amount, as it will be stored, fits the 15 characters of its field
// whole (at most 12 digits before the comma).
bool amountFits(const QString &amount);
QString amountTooLarge();

}
