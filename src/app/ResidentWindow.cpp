#include "app/ResidentWindow.h"

#include "app/TfrmAvvio.h"
#include "app/Windows.h"
#include "app/ProcessSettings.h"

#include <QCloseEvent>

ResidentWindow::ResidentWindow(const QString &name, const QString &caption, QWidget *parent)
    : QWidget(parent)
{
    ProcessSettings::apply();
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

void ResidentWindow::backToMenu() { Windows::switchTo(this, Windows::resident().avvio); }
