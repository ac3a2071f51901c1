#include "records/ContactRecord.h"

ContactRecord ContactRecord::decode(const char *bytes) { return ContactLayout.decode(bytes); }

QByteArray ContactRecord::encode() const { return ContactLayout.encode(*this); }
