#include "app/PasswordFile.h"

#include "app/IniText.h"
#include "app/PasswordScrambling.h"
#include "platform/SafeFile.h"
#include "platform/Services.h"
#include "records/TextField.h"

namespace {
const QString Section = QStringLiteral("Accesso");
const QString Key = QStringLiteral("Valore");

// The whole file, or nothing when it does not exist. Anything but a small
// regular file (a folder, a FIFO, a device, a file of megabytes) is refused at
// once rather than read: it cannot be the password file.
QByteArray readContent()
{
    try {
        return SafeFile::readRegular(PasswordFile::path(), PasswordFile::MaxSize).value_or(QByteArray());
    } catch (const SafeFileError &e) {
        throw PasswordFileError(e.what());
    }
}
}

namespace PasswordFile {

QString path() { return Services::programFile(QString::fromLatin1(FileName)); }

QString readValue() { return IniText::value(readContent(), Section, Key); }

void writeValue(const QString &value)
{
    const QString target = path();
    const QByteArray content = IniText::withValue(readContent(), Section, Key, value);
    try {
        // Written beside the old file, checked, read back and only then put in
        // its place: the old file stays whole on any failure. A file marked
        // read-only is left alone, even by an administrator.
        SafeFile::replace(target, content);
    } catch (const SafeFileError &e) {
        throw PasswordFileError(e.what());
    }
    // What the password window will read must be what was meant.
    if (readValue() != value)
        throw PasswordFileError("the password file does not hold the new value");
}

QString storedPassword() { return TextField::trimmed(UnscramblePassword(readValue())); }

void storePassword(const QString &password) { writeValue(TextField::trimmed(ScramblePassword(password))); }

}
