#include "app/Windows.h"

#include "app/ResidentWindow.h"
#include "app/TfrmAnagrafica.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "journal/TfrmMenuBilancio.h"
#include "app/TfrmPassword.h"
#include "agenda/TfrmAgenda.h"
#include "payments/TfrmArchivio_Scadenze.h"

#include <QApplication>
#include <QScreen>

namespace {
ResidentWindows g_windows;

bool opensMaximised(QWidget *w)
{
    return qobject_cast<ResidentWindow *>(w) || qobject_cast<TfrmAvvio *>(w);
}
}

namespace Windows {

ResidentWindows &resident() { return g_windows; }

void create()
{
    // Start-up order; modal windows are made by their openers when needed.
    g_windows.password = new TfrmPassword;
    g_windows.avvio = new TfrmAvvio;
    g_windows.cambiaPassword = new TfrmCambiaPassword;
    g_windows.anagrafica = new TfrmAnagrafica;
    g_windows.agenda = new TfrmAgenda;
    g_windows.archivio = new TfrmArchivio_Scadenze;
    g_windows.menuBilancio = new TfrmMenuBilancio;
}

void destroy()
{
    delete g_windows.menuBilancio;
    delete g_windows.archivio;
    delete g_windows.agenda;
    delete g_windows.anagrafica;
    delete g_windows.cambiaPassword;
    delete g_windows.avvio;
    delete g_windows.password;
    g_windows = ResidentWindows {};
}

QWidget *first() { return g_windows.password; }

void switchTo(QWidget *from, QWidget *to)
{
    if (!to)
        return;
    if (opensMaximised(to)) {
        // Without a window manager "maximised" means nothing: fill the screen by hand.
        if (QScreen *screen = QGuiApplication::primaryScreen(); screen && !to->isVisible())
            to->setGeometry(screen->availableGeometry());
        to->showMaximized();
    }
    else
        to->show();
    to->activateWindow();
    if (from && from != to)
        from->hide();
}

void endProgram() { QCoreApplication::quit(); }

}
