#pragma once
// The messages about the record files that more than one window shows.

#include <QString>

namespace ArchiveMessages {
// The archive cannot be opened, read or written.
QString accessError();
// Another copy of the program keeps the archive locked past the time limit
// (RecordFileError::isBusy()); nothing was written.
QString inUse();
}
