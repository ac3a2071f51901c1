#include "platform/WindowHints.h"

#include "platform/FixedWindow.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
// Puts the app window back to maximised once a window manager (or its menu)
// has restored it to a size that does not fit the screen.
class MaximisedKeeper : public QObject {
public:
    explicit MaximisedKeeper(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::WindowStateChange) {
            const Qt::WindowStates state = m_window->windowState();
            if (!(state & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
                QTimer::singleShot(0, m_window, [w = m_window] {
                    if (w->isVisible() && !(w->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
                        w->showMaximized();
                });
        }
        return false;
    }

private:
    QWidget *m_window;
};
}

namespace WindowHints {

void dialog(QWidget *window, bool maximisable)
{
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (maximisable)
        flags |= Qt::WindowMaximizeButtonHint;
    window->setWindowFlags(flags);
    FixedWindow::neverMinimised(window);
}

void appWindow(QWidget *window)
{
    if (window->property("tarvenioAppWindow").toBool())
        return;
    window->setProperty("tarvenioAppWindow", true);
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    new MaximisedKeeper(window);
}

}
