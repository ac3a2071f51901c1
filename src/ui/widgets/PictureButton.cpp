#include "ui/widgets/PictureButton.h"

#include "ui/widgets/Look.h"

#include <QFocusEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSvgRenderer>

PictureButton::PictureButton(const QString &name, const QString &resource, QSize size, const QString &accessibleText,
                             QWidget *parent)
    : QToolButton(parent)
    , m_picture(render(resource, size))
    , m_size(size)
{
    setObjectName(name);
    setIcon(QIcon(m_picture));
    setIconSize(size);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(accessibleText);
    // Reached with Tab; a click with the mouse leaves the focus where it was,
    // so that the box being edited keeps it (and its rules run when it is left).
    setFocusPolicy(Qt::TabFocus);
}

QLabel *PictureButton::decoration(const QString &name, const QString &resource, QSize size, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(render(resource, size));
    label->setFixedSize(size);
    return label;
}

// The pictures live in the static gui library, whose resources are not
// registered until someone asks for them.
static void ensurePictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

QPixmap PictureButton::render(const QString &resource, QSize size, qreal ratio)
{
    ensurePictures();
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    if (resource.endsWith(QLatin1String(".svg"))) {
        QSvgRenderer svg(resource);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size * ratio)));
    } else {
        QPixmap source(resource);
        if (!source.isNull())
            pixmap = source.scaled(size * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(0.35);
    // Pressed, the picture sinks by a pixel, as a button does.
    const QPoint offset = isDown() ? QPoint(1, 1) : QPoint();
    painter.drawPixmap(QRect(offset, m_size), m_picture);
    if (hasFocus() && m_keyboardFocus) {
        QPen pen(QColor(Colour::Title), 1.5, Qt::DotLine);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }
}

void PictureButton::focusInEvent(QFocusEvent *event)
{
    // The focus ring is for keyboard users only.
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason
                      || event->reason() == Qt::ShortcutFocusReason;
    QToolButton::focusInEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Enter clicks like Space does: once per press, never while the key repeats.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!event->isAutoRepeat())
            setDown(true);
        event->accept();
        return;
    }
    QToolButton::keyPressEvent(event);
}

void PictureButton::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        if (!event->isAutoRepeat() && isDown()) {
            setDown(false);
            click();
        }
        return;
    }
    QToolButton::keyReleaseEvent(event);
}
