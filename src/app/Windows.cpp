#include "app/Windows.h"

#include "app/ResidentWindow.h"
#include "app/TfrmAnagrafica.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmMenuBilancio.h"
#include "agenda/TfrmAgenda.h"
#include "payments/TfrmArchivio_Scadenze.h"

#include <QApplication>

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
    g_windows.avvio = new TfrmAvvio;
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
    delete g_windows.avvio;
    g_windows = ResidentWindows {};
}

QWidget *first() { return g_windows.avvio; }

void switchTo(QWidget *from, QWidget *to)
{
    if (!to)
        return;
    if (opensMaximised(to))
        to->showMaximized();
    else
        to->show();
    to->activateWindow();
    if (from && from != to)
        from->hide();
}

void endProgram() { QCoreApplication::quit(); }

}
