#include "ui/widgets/Widgets.h"

#include "ui/widgets/FocusFrame.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace Widgets {

QFont boldFont(const QWidget *w, int points)
{
    QFont f = w->font();
    if (points > 0)
        f.setPointSize(points);
    f.setBold(true);
    return f;
}

QComboBox *dropDown(QWidget *parent, const QString &name, const QStringList &items, int maxLength)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->addItems(items);
    if (maxLength > 0)
        c->lineEdit()->setMaxLength(maxLength);
    c->setMaxVisibleItems(12);
    return c;
}

QLabel *caption(QWidget *parent, const QString &text, const QString &name)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    // Named or not, a caption is styled as one.
    l->setProperty("caption", true);
    return l;
}

QHBoxLayout *framed(QWidget *box, const QString &frameName, FocusFrame **frame)
{
    auto *room = new QHBoxLayout;
    room->setContentsMargins(FocusFrame::Margin, FocusFrame::Margin, FocusFrame::Margin, FocusFrame::Margin);
    room->addWidget(box);
    auto *made = new FocusFrame(frameName, box);
    if (frame)
        *frame = made;
    return room;
}

void selectionFollowsPage(QCalendarWidget *calendar)
{
    QObject::connect(calendar, &QCalendarWidget::currentPageChanged, calendar, [calendar](int year, int month) {
        const QDate selected = calendar->selectedDate();
        // A click on a day of the next or previous month has already moved both.
        if (selected.year() == year && selected.month() == month)
            return;
        const QDate first(year, month, 1);
        calendar->setSelectedDate(first.addDays(qMin(selected.day(), first.daysInMonth()) - 1));
    });
}
}
