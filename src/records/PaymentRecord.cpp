#include "records/PaymentRecord.h"

PaymentRecord PaymentRecord::decode(const char *bytes) { return PaymentLayout.decode(bytes); }

QByteArray PaymentRecord::encode() const { return PaymentLayout.encode(*this); }
