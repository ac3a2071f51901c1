#pragma once
// Hidden temporary files that a write stopped in the middle (a crash, a kill,
// a power cut) left behind: the program's own, and only those, are removed at
// start-up from the three folders it writes them in.

#include <QDateTime>
#include <QString>

#include <functional>

namespace StaleFiles {
// A temporary file younger than this may belong to a copy of the program that
// is writing it now.
inline constexpr qint64 AgeSeconds = 60 * 60;

// Removes from folder the regular files whose name isOurs accepts and whose
// last change is at least AgeSeconds before now; anything else stays. Returns
// how many went. Failures are left alone: at worst a file stays.
int removeFrom(const QString &folder, const std::function<bool(const QString &name)> &isOurs, const QDateTime &now);

// The start-up clean-up: the safe writer's files in the program folder (the
// password file, the exports) and in the backup folder, the attachment
// copies' files in the attachments folder; now comes from the program's clock.
int removeAtStartUp();
}
