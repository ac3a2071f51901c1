#include "ui/PictureButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

PictureButton::PictureButton(const QString &name, const QString &resource, QSize size,
                             const QString &accessibleText, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(name);
    setPixmap(render(resource, size));
    setFixedSize(size);
    setCursor(Qt::PointingHandCursor);
    setAccessibleName(accessibleText);
    setFocusPolicy(Qt::TabFocus);
}

QLabel *PictureButton::decoration(const QString &name, const QString &resource, QSize size,
                                  QWidget *parent)
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

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    QLabel::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}
