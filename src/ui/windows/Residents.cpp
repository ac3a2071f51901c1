#include "ui/windows/Residents.h"

#include "platform/WindowHints.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <array>

namespace {
constexpr int kCount = int(Resident::MenuBilancio) + 1;
std::array<QWidget *, kCount> g_windows {};

bool opensMaximised(const QWidget *w)
{
    // The password windows are small fixed windows; every other resident
    // window fills the screen.
    return w && w != g_windows[int(Resident::Password)] && w != g_windows[int(Resident::CambiaPassword)];
}
}

namespace Residents {

void set(Resident id, QWidget *window) { g_windows[int(id)] = window; }

QWidget *get(Resident id) { return g_windows[int(id)]; }

void clear() { g_windows.fill(nullptr); }

void switchTo(QWidget *from, QWidget *to)
{
    if (!to)
        return;
    if (opensMaximised(to)) {
        WindowHints::appWindow(to);
        // Without a window manager "maximised" means nothing: fill the screen by hand.
        if (QScreen *screen = QGuiApplication::primaryScreen(); screen && !to->isVisible())
            to->setGeometry(screen->availableGeometry());
        to->showMaximized();
    } else {
        to->show();
    }
    to->activateWindow();
    if (from && from != to)
        from->hide();
}

void switchTo(QWidget *from, Resident to) { switchTo(from, get(to)); }

void endProgram() { QCoreApplication::quit(); }

}
