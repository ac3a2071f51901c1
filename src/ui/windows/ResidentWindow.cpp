#include "ui/windows/ResidentWindow.h"

#include "ui/windows/Residents.h"

#include <QCloseEvent>

ResidentWindow::ResidentWindow(const QString &name, const QString &caption, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ResidentWindow::handleClose() { backToMenu(); }

void ResidentWindow::closeEvent(QCloseEvent *event)
{
    // Resident windows live until the program ends: the close is turned into
    // the window's own close handling, which hides it.
    event->ignore();
    handleClose();
}

void ResidentWindow::backToMenu() { Residents::switchTo(this, Resident::Avvio); }
