#pragma once
// Small payment archives for tests.

#include "records/PaymentRecord.h"

#include <QVector>

// An unsettled payment with every field filled.
PaymentRecord makePayment(const QString &date, const QString &hour = QStringLiteral("09"),
                          const QString &minute = QStringLiteral("30"), const QString &notice = QStringLiteral("0"),
                          const QString &settled = QStringLiteral("No"));
// The file bytes of these records, one after another.
QByteArray paymentFile(const QVector<PaymentRecord> &records);
// Writes them as the payment file of the program folder, replacing it.
void writePaymentArchive(const QVector<PaymentRecord> &records);
