#include "records/ContactRecord.h"

#include "platform/Services.h"

ContactRecord ContactRecord::decode(const char *bytes) { return ContactLayout.decode(bytes); }

QByteArray ContactRecord::encode() const { return ContactLayout.encode(*this); }

QString contactFilePath() { return Services::programFile(QString::fromLatin1(ContactRecord::FileName)); }
