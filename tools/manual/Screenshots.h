#pragma once
// The pictures of the manual: every window brought up as the program brings
// it up, over the sample archive, and grabbed. The windows are made and shown
// without a modal loop, so nothing waits for a user.

#include <QHash>
#include <QImage>
#include <QString>

class SilentReportOutput;

namespace Screenshots {
// Screen size of the pictures of the full-screen windows: the lists of the
// agenda and the journal are laid out to be read whole on a screen this wide.
constexpr int ScreenWidth = 1600;
constexpr int ScreenHeight = 900;

// The pictures by file name, as the manual's Markdown refers to them. The
// program folder, the clock and the silent services must be in place; reports
// must go to `output`, which shows the print preview for its picture.
QHash<QString, QImage> take(SilentReportOutput &output);
}
