#include "platform/FixedWindow.h"

#include "platform/Colours.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

const QColor kBorder(Colour::Title);

// The window's caption on a dark strip; dragging it moves the window.
class CaptionStrip : public QWidget {
public:
    explicit CaptionStrip(QWidget *window)
        : QWidget(window)
    {
        setObjectName(QStringLiteral("panCaption"));
        setCursor(Qt::SizeAllCursor);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient band(0, 0, 0, height());
        band.setColorAt(0, QColor(Colour::FrameTop));
        band.setColorAt(1, kBorder);
        p.fillRect(rect(), band);
        QFont f = font();
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(rect().adjusted(10, 0, -10, 0), Qt::AlignVCenter | Qt::AlignLeft, window()->windowTitle().trimmed());
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        // The window manager moves it when it can; without one, the strip does.
        QWindow *handle = window()->windowHandle();
        m_dragging = !(handle && handle->startSystemMove());
        m_grab = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (m_dragging && (event->buttons() & Qt::LeftButton))
            window()->move(event->globalPosition().toPoint() - m_grab);
    }
    void mouseReleaseEvent(QMouseEvent *) override { m_dragging = false; }

private:
    bool m_dragging = false;
    QPoint m_grab;
};

// The thin border around the whole window, drawn over its edge.
class BorderOverlay : public QWidget {
public:
    explicit BorderOverlay(QWidget *window)
        : QWidget(window)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(kBorder);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

// Undoes a minimise asked for by the window manager.
class MinimiseUndo : public QObject {
public:
    explicit MinimiseUndo(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::WindowStateChange
            && (m_window->windowState() & Qt::WindowMinimized))
            QTimer::singleShot(0, m_window, [w = m_window] {
                w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
                w->show();
                w->raise();
                w->activateWindow();
            });
        return false;
    }

private:
    QWidget *m_window;
};

// Keeps the strip and the border on the window's edges and repaints the
// caption when it changes.
class FrameKeeper : public QObject {
public:
    FrameKeeper(QWidget *window, CaptionStrip *strip, BorderOverlay *border)
        : QObject(window)
        , m_window(window)
        , m_strip(strip)
        , m_border(border)
    {
        window->installEventFilter(this);
        place();
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Show:
            place();
            break;
        case QEvent::WindowTitleChange:
            m_strip->update();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void place()
    {
        m_strip->setGeometry(0, 0, m_window->width(), FixedWindow::CaptionHeight);
        m_border->setGeometry(m_window->rect());
        m_strip->raise();
        m_border->raise();
    }
    QWidget *m_window;
    CaptionStrip *m_strip;
    BorderOverlay *m_border;
};

}

namespace FixedWindow {

void apply(QWidget *window)
{
    const Qt::WindowFlags kind = window->windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
    window->setWindowFlags(kind | Qt::FramelessWindowHint);
    const bool designSize = window->minimumSize() == window->maximumSize();
    const QMargins before = window->contentsMargins();
    window->setContentsMargins(before.left() + 1, before.top() + CaptionHeight, before.right() + 1,
                               before.bottom() + 1);
    new FrameKeeper(window, new CaptionStrip(window), new BorderOverlay(window));
    neverMinimised(window);
    if (designSize)
        return; // already given its design size
    if (QLayout *layout = window->layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    else
        window->setFixedSize(window->size());
}

void neverMinimised(QWidget *window)
{
    if (!window->findChild<QObject *>(QStringLiteral("minimiseUndo"), Qt::FindDirectChildrenOnly))
        (new MinimiseUndo(window))->setObjectName(QStringLiteral("minimiseUndo"));
}

void centreOnScreen(QWidget *window)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    window->adjustSize();
    QRect r(QPoint(), window->size());
    r.moveCenter(screen->availableGeometry().center());
    window->move(r.topLeft());
}

void centreOnOwner(QWidget *window)
{
    QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (!owner || !owner->isVisible()) {
        centreOnScreen(window);
        return;
    }
    window->adjustSize();
    QRect r(QPoint(), window->size());
    r.moveCenter(owner->frameGeometry().center());
    window->move(r.topLeft());
}

}
