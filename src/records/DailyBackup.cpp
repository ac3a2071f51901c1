#include "records/DailyBackup.h"

#include "platform/SafeFile.h"
#include "platform/Services.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>

namespace {

[[noreturn]] void fail(const QString &what, const QString &path, int error)
{
    throw DailyBackupError(path, what, error);
}

// The day copies of file are named after: "Anagrafica.2026-12-10.pro" for
// Anagrafica.pro. Invalid for a name that is not such a copy.
QDate copyDay(const QFileInfo &file, const QString &name)
{
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    const QRegularExpression copy(QLatin1Char('^') + QRegularExpression::escape(file.completeBaseName())
                                  + QStringLiteral("\\.(\\d{4}-\\d{2}-\\d{2})") + QRegularExpression::escape(suffix)
                                  + QLatin1Char('$'));
    const QRegularExpressionMatch m = copy.match(name);
    return m.hasMatch() ? QDate::fromString(m.captured(1), QStringLiteral("yyyy-MM-dd")) : QDate();
}

QStringList copiesOf(const QString &folder, const QFileInfo &file, bool future)
{
    const QDate today = Services::clock().today();
    QStringList copies;
    for (const QString &name : QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name)) {
        const QDate day = copyDay(file, name);
        if (day.isValid() && (day > today) == future)
            copies << name;
    }
    return copies;
}

// Only the last Kept copies of the file up to today stay; the dates in the
// names order them. A copy dated after today is left alone and not counted:
// counted, ten of them would delete every new day's copy as soon as it was
// made. Nothing here is worth a warning: at worst a few more copies are kept.
void prune(const QString &folder, const QFileInfo &file)
{
    const QStringList copies = copiesOf(folder, file, false); // in date order, as named
    QDir dir(folder);
    for (qsizetype i = 0; i + DailyBackup::Kept < copies.size(); ++i)
        dir.remove(copies[i]);
}

}

namespace DailyBackup {

QString folder() { return Services::programFile(QString::fromLatin1(FolderName)) + QLatin1Char('/'); }

QString copyName(const QString &fileName, QDate day)
{
    const QFileInfo info(fileName);
    QString name = info.completeBaseName() + QLatin1Char('.') + day.toString(QStringLiteral("yyyy-MM-dd"));
    if (!info.suffix().isEmpty())
        name += QLatin1Char('.') + info.suffix();
    return name;
}

Outcome beforeSave(const QString &path)
{
    const QFileInfo info(path);
    const QString backups = folder();
    const QString target = backups + copyName(info.fileName(), Services::clock().today());
    if (QFileInfo::exists(target))
        return Outcome::AlreadyMade;

    // Never blocks on a FIFO in the file's place; the save reports that one.
    const SourceFile in(path);
    if (!in.opened() && in.error() == ENOENT)
        return Outcome::NothingToCopy;
    if (in.error())
        fail(QStringLiteral("Impossibile leggere"), path, in.error());
    if (!in.isRegular() || in.size() == 0)
        return Outcome::NothingToCopy;

    SafeFile::makeFolder(backups);
    // A damaged or sparse file may claim terabytes: it is not copied unless
    // it fits, whatever its holes would save, with room to spare.
    const qint64 free = Services::freeSpace(backups);
    if (free >= 0 && in.size() > free - DailyBackup::SpareRoom)
        fail(QStringLiteral("Spazio insufficiente per la copia di"), path, ENOSPC);
    SafeFile out(target);
    out.create();
    // The holes of a sparse file stay holes where the backup's file system keeps them.
    out.copyFrom(in, SafeFile::Holes::Kept);
    out.commit();
    prune(backups, info);
    return Outcome::Made;
}

QStringList futureCopies(const QString &path) { return copiesOf(folder(), QFileInfo(path), true); }

QString futureCopiesWarning(const QString &fileName, const QStringList &copies)
{
    return QStringLiteral("Attenzione: nella cartella Backup ci sono copie di sicurezza dell'archivio %1 con una data "
                          "successiva a quella di oggi, forse fatte quando l'orologio del computer era sbagliato:"
                          "\n\r\n\r%2\n\r\n\r"
                          "Il programma non le elimina e non le conta fra le ultime %3 copie che conserva. "
                          "Controllarle e spostarle altrove se contengono dati da tenere.")
        .arg(fileName, copies.join(QLatin1Char('\n')), QString::number(DailyBackup::Kept));
}

QString failureWarning()
{
    return QStringLiteral("Attenzione: non è stato possibile creare la copia di sicurezza giornaliera dell'archivio "
                          "nella cartella Backup.\n\r\n\r"
                          "La scheda viene salvata ugualmente. Accertarsi di possedere i privilegi di scrittura "
                          "nella cartella di installazione del programma.");
}

}
