#pragma once
// What the login reminder says: the payments the agenda would list today, or
// that the payment file could not be read. Texts only; the sending lives in
// LoginReminder.

#include "records/PaymentRecord.h"

#include <QDate>
#include <QString>
#include <QVector>

#include <optional>

struct ReminderNotice {
    QString summary;
    QString body;
    // An overdue payment among them: the desktop shows the notice until it is
    // dismissed, above the others.
    bool critical = false;
};

namespace ReminderNotices {
// How many rows the body lists; the rest are counted.
constexpr int ListedRows = 5;

// The imminent payments, in the agenda's list order. Plain text: a service
// that reads markup is handed it escaped.
ReminderNotice imminent(const QVector<PaymentRecord> &payments, QDate today);
// The payment file at path could not be read.
ReminderNotice unreadable(const QString &path);

// Reads the payment file of the program folder once, read-only, by the
// agenda's rule; nothing when no payment is imminent. An absent file is left
// absent (the reminder never writes) and holds nothing.
std::optional<ReminderNotice> forToday(QDate today);
}
