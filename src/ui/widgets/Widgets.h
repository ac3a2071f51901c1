#pragma once
// The small widgets every window builds the same way: bold fonts, the
// drop-down lists whose value is picked from the list, caption labels, and the
// room a box needs around it for its focus frame.

#include <QFont>
#include <QStringList>

class FocusFrame;
class QCalendarWidget;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QWidget;

namespace Widgets {
// w's font, bold, at points (its own size when 0).
QFont boldFont(const QWidget *w, int points = 0);
// An editable drop-down that adds nothing to its list: the text is what counts.
// maxLength 0 leaves the edit's length alone.
QComboBox *dropDown(QWidget *parent, const QString &name, const QStringList &items, int maxLength = 0);
// A caption label (objectName lblCaption unless named otherwise), styled as
// a caption whatever its name.
QLabel *caption(QWidget *parent, const QString &text, const QString &name = QStringLiteral("lblCaption"));
// box with the room around it for its yellow focus frame, which is made
// behind it under frameName; the frame is handed back through frame when asked.
QHBoxLayout *framed(QWidget *box, const QString &frameName, FocusFrame **frame = nullptr);
// The month arrows and the month and year menus take the selected date along:
// to the same day of the month shown, or its last day when the month is
// shorter. What the calendar's reader lists is then the month the user sees.
void selectionFollowsPage(QCalendarWidget *calendar);
}
