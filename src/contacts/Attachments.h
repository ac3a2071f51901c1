#pragma once
// The files attached to contacts: copies kept in the folder Documenti_Allegati
// beside the program, each named in the record by its bare file name. The
// folder is never stored, so the record stays valid when the program folder
// moves.

#include "platform/SafeFile.h"

#include <QString>

namespace Attachments {

// The folder, ending in this platform's separator.
QString folder();
// The file a slot's name stands for.
QString pathOf(const QString &name);
// What the shell is handed to open a slot's file: its path in double quotes.
QString openText(const QString &name);

// True when a slot's name stands for a file of the folder itself: a name
// with a path separator or a ".." (written by some other tool) could lead
// anywhere, and is never opened.
bool isInFolder(const QString &name);
// The warning of Open for a name that is not.
QString outsideFolderWarning(const QString &name);

// The name under which a chosen file is kept: one that the record's file name
// field holds exactly, so that what is stored names the file that is there.
// A letter Windows-1252 cannot hold becomes its base Latin letter where it has
// one; what is left that the field cannot hold, control characters and path
// separators become "_", the blanks at either end go (the field is stored
// trimmed), and a name longer than the field is cut before its extension,
// which is kept.
QString fieldName(const QString &fileName);
// Name with " (n)" before its extension, cut so that the field still holds
// it; name itself for n = 1.
QString numberedName(const QString &name, int n);

// A copy that failed: the safe writer's error, whose reason tells the user why.
using AttachmentError = SafeFileError;

// Creates the folder and any folder missing above it. Throws AttachmentError.
void ensureFolder();
// Copies source to target through a temporary file beside target, flushed to
// disk and renamed over target only once complete: on any failure target is
// left as it was (or absent) and no partial file stays. Throws AttachmentError.
void copy(const QString &source, const QString &target);
// Copies source into the folder under name, or, when that name is taken,
// under the first free numberedName(): never over a file already there (two
// different names made to fit can come out alike). Returns the name used.
// Throws AttachmentError; nothing is left behind then.
QString copyAsNew(const QString &source, const QString &name);
// True when both paths lead to one existing file.
bool sameFile(const QString &a, const QString &b);

// The hidden name of a copy being made (".allegato.<random>.tmp"): one left
// by a copy that never finished is removed at start-up.
bool isTemporaryName(const QString &fileName);

// Asked before a copy would replace a file of the same name.
QString overwriteQuestion();
// The warning after a failed copy of the file called name.
QString copyFailedWarning(const QString &name, const AttachmentError &error);

}
