#include "ui/FixedWindow.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace FixedWindow {

void apply(QWidget *window)
{
    const Qt::WindowFlags kind = window->windowType() == Qt::Dialog ? Qt::Dialog : Qt::Window;
    window->setWindowFlags(kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    if (window->minimumSize() == window->maximumSize())
        return; // already given its design size
    if (QLayout *layout = window->layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
    else
        window->setFixedSize(window->size());
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
