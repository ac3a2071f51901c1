#include "ui/widgets/InfoBar.h"

#include <QEvent>
#include <QStatusTipEvent>

InfoBar::InfoBar(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("panInfo"));
    setMinimumHeight(28);
    setIndent(8);
}

void InfoBar::setBackgroundText(const QString &text)
{
    m_background = text;
    setText(text);
}

void InfoBar::addHint(QWidget *control, const QString &hint)
{
    if (hint.isEmpty()) {
        // Qt sends no status tip for a place without one.
        m_blanks.insert(control);
        control->installEventFilter(this);
    } else {
        control->setStatusTip(hint);
    }
    // A status tip goes up from the control to its window, where the bar
    // picks it up.
    QWidget *window = control->window();
    if (!m_windows.contains(window)) {
        m_windows.insert(window);
        if (window != control)
            window->installEventFilter(this);
    }
}

bool InfoBar::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::StatusTip: {
        const QString tip = static_cast<QStatusTipEvent *>(event)->tip();
        setText(tip.isEmpty() ? m_background : tip);
        break;
    }
    case QEvent::Enter:
    case QEvent::Leave:
        if (m_blanks.contains(watched))
            setText(m_background);
        break;
    default:
        break;
    }
    return QLabel::eventFilter(watched, event);
}
