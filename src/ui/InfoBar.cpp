#include "ui/InfoBar.h"

#include <QEvent>

InfoBar::InfoBar(QWidget *parent) : QLabel(parent)
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
    m_hints.insert(control, hint);
    control->installEventFilter(this);
}

bool InfoBar::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Enter) {
        auto it = m_hints.constFind(static_cast<QWidget *>(watched));
        if (it != m_hints.constEnd())
            setText(it.value());
    } else if (event->type() == QEvent::Leave) {
        setText(m_background);
    }
    return QLabel::eventFilter(watched, event);
}
