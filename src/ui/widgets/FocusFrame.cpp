#include "ui/widgets/FocusFrame.h"

#include <QEvent>
#include <QPainter>

FocusFrame::FocusFrame(const QString &name, QWidget *box)
    : QWidget(box->parentWidget())
    , m_box(box)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    box->installEventFilter(this);
    follow();
}

void FocusFrame::follow()
{
    setGeometry(m_box->geometry().adjusted(-Margin, -Margin, Margin, Margin));
    stackUnder(m_box);
}

bool FocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box) {
        switch (event->type()) {
        case QEvent::FocusIn:
            follow();
            show();
            break;
        case QEvent::FocusOut:
        case QEvent::Hide:
            hide();
            break;
        case QEvent::Move:
        case QEvent::Resize:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor yellow(0xff, 0xde, 0x3b);
    // Outer rings pale toward white, the inner ones the full yellow.
    for (int ring = 0; ring < Margin; ++ring) {
        const qreal t = qreal(ring + 1) / Margin;
        const QColor c(255 - int((255 - yellow.red()) * t), 255 - int((255 - yellow.green()) * t),
                       255 - int((255 - yellow.blue()) * t));
        painter.setPen(c);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(ring, ring, -ring - 1, -ring - 1));
    }
    painter.fillRect(rect().adjusted(Margin, Margin, -Margin, -Margin), yellow);
}
