#pragma once
// Start-up: creates the resident windows in their order and enters each in the
// registry of ui/windows/Residents, the one that holds them, through which the windows
// reach one another.

#include "ui/windows/Residents.h"

class QWidget;
class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmAnagrafica;
class TfrmAgenda;
class TfrmArchivio_Scadenze;
class TfrmMenuBilancio;

// The resident windows with their types, as the registry holds them.
struct ResidentWindows {
    TfrmPassword *password = nullptr;
    TfrmAvvio *avvio = nullptr;
    TfrmCambiaPassword *cambiaPassword = nullptr;
    TfrmAnagrafica *anagrafica = nullptr;
    TfrmAgenda *agenda = nullptr;
    TfrmArchivio_Scadenze *archivio = nullptr;
    TfrmMenuBilancio *menuBilancio = nullptr;
};

namespace Windows {
// Read from the registry: null pointers before create() and after destroy().
ResidentWindows resident();
// Creates every resident window in start-up order.
void create();
// Destroys them (end of the program, end of a test).
void destroy();
// The window the program opens with.
QWidget *first();
}
