#include "records/PaymentRecord.h"

#include "platform/Services.h"

PaymentRecord PaymentRecord::decode(const char *bytes) { return PaymentLayout.decode(bytes); }

QByteArray PaymentRecord::encode() const { return PaymentLayout.encode(*this); }

QString paymentFilePath() { return Services::programFile(QString::fromLatin1(PaymentRecord::FileName)); }
