#pragma once
// A copy of each record file a day: before the first save of the day into a
// record file, the file as it was is copied into the folder Backup beside the
// program, as <name>.<yyyy-mm-dd>.<extension>, and only the last ten copies
// of each file are kept. A copy that cannot be made never stops the save: the
// caller shows failureWarning() and saves all the same. A copy dated after
// today (made while the clock was wrong) is never counted among the ten nor
// removed: the caller reports it with futureCopiesWarning().

#include "platform/SafeFile.h"

#include <QDate>
#include <QString>
#include <QStringList>

// A copy that could not be made: the safe writer's error.
using DailyBackupError = SafeFileError;

namespace DailyBackup {
inline constexpr char FolderName[] = "Backup";
inline constexpr int Kept = 10;
// Room the copy must leave free on its disk: the saves, and everything else
// running, still need some.
inline constexpr qint64 SpareRoom = qint64(32) << 20;

// The folder of the copies, with a trailing separator.
QString folder();
// The copy's file name: "Archivio_Appuntamenti.pro" on 10/12/2026 gives
// "Archivio_Appuntamenti.2026-12-10.pro".
QString copyName(const QString &fileName, QDate day);

enum class Outcome {
    Made,          // today's copy was made now
    AlreadyMade,   // today's copy was there already
    NothingToCopy, // the file is absent, empty or not a regular file
};
// Call before every save into the record file at path; only the first of the
// day (by the program's clock) copies. The copy goes through a temporary file
// flushed to disk and renamed, so a copy is either whole or absent; the holes
// of a sparse file stay holes where the backup's file system keeps them.
// Throws DailyBackupError when the copy cannot be made, also when the file is
// larger than the free space of the backup folder less SpareRoom (a damaged or
// sparse file must not fill the disk).
Outcome beforeSave(const QString &path);

// The copies of the file at path dated after today, by name.
QStringList futureCopies(const QString &path);
// Tells the user about them.
QString futureCopiesWarning(const QString &fileName, const QStringList &copies);

// The warning for a copy that could not be made.
QString failureWarning();
}
