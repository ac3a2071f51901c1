#include "app/Windows.h"

#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "journal/TfrmMenuBilancio.h"
#include "app/TfrmPassword.h"
#include "contacts/TfrmAnagrafica.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "ui/Residents.h"

namespace {
ResidentWindows g_windows;
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
    Residents::set(Resident::Password, g_windows.password);
    Residents::set(Resident::Avvio, g_windows.avvio);
    Residents::set(Resident::CambiaPassword, g_windows.cambiaPassword);
    Residents::set(Resident::Anagrafica, g_windows.anagrafica);
    Residents::set(Resident::Agenda, g_windows.agenda);
    Residents::set(Resident::Archivio, g_windows.archivio);
    Residents::set(Resident::MenuBilancio, g_windows.menuBilancio);
}

void destroy()
{
    Residents::clear();
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

void switchTo(QWidget *from, QWidget *to) { Residents::switchTo(from, to); }

void endProgram() { Residents::endProgram(); }

}
