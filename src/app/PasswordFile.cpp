#include "app/PasswordFile.h"

#include "app/IniText.h"
#include "app/PasswordScrambling.h"
#include "platform/Services.h"
#include "records/TextField.h"

#include <QFile>
#include <QSaveFile>

namespace {
const QString Section = QStringLiteral("Accesso");
const QString Key = QStringLiteral("Valore");

// The whole file, or nothing when it does not exist.
QByteArray readContent()
{
    QFile file(PasswordFile::path());
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        throw PasswordFileError("cannot read the password file");
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PasswordFileError("cannot read the password file");
    return content;
}

bool isReadOnly(const QString &path)
{
    // The mode bits, not what the current user may do: an administrator may
    // write anything, yet a file marked read-only is meant to stay as it is.
    constexpr auto anyWrite = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return QFile::exists(path) && !(QFile::permissions(path) & anyWrite);
}
}

namespace PasswordFile {

QString path() { return Services::programFile(QString::fromLatin1(FileName)); }

QString readValue() { return IniText::value(readContent(), Section, Key); }

void writeValue(const QString &value)
{
    const QString target = path();
    // A file marked read-only is left alone even when the folder would let us
    // replace it (and even for an administrator).
    if (isReadOnly(target))
        throw PasswordFileError("the password file is read-only");
    const QByteArray content = IniText::withValue(readContent(), Section, Key, value);
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw PasswordFileError("cannot write the password file");
}

QString storedPassword() { return TextField::trimmed(UnscramblePassword(readValue())); }

void storePassword(const QString &password)
{
    writeValue(TextField::trimmed(ScramblePassword(password)));
}

}
