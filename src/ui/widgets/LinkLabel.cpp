#include "ui/widgets/LinkLabel.h"

#include "ui/widgets/PictureButton.h"

#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &name, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(text);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setPressedLook(false);
}

void LinkLabel::addPicture(PictureButton *picture)
{
    picture->installEventFilter(this);
    connect(picture, &PictureButton::clicked, this, &LinkLabel::click);
}

QColor LinkLabel::textColour() const { return palette().color(QPalette::WindowText); }

void LinkLabel::setPressedLook(bool pressed)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, pressed ? pressedColour() : normalColour());
    setPalette(p);
}

void LinkLabel::click()
{
    setPressedLook(false);
    emit clicked();
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        setPressedLook(true);
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    setPressedLook(false);
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
    QLabel::mouseReleaseEvent(event);
}

bool LinkLabel::eventFilter(QObject *watched, QEvent *event)
{
    // The picture clicks on its own; here it only colours the link.
    if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        setPressedLook(true);
    else if (event->type() == QEvent::MouseButtonRelease)
        setPressedLook(false);
    return QLabel::eventFilter(watched, event);
}
