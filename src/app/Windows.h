#pragma once
// Start-up: creates the resident windows in their order and enters each in the
// registry of ui/Residents, through which the windows reach one another.

class QWidget;
class TfrmPassword;
class TfrmAvvio;
class TfrmCambiaPassword;
class TfrmAnagrafica;
class TfrmAgenda;
class TfrmArchivio_Scadenze;
class TfrmMenuBilancio;

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
ResidentWindows &resident();
// Creates every resident window in start-up order.
void create();
// Destroys them (end of the program, end of a test).
void destroy();
// The window the program opens with.
QWidget *first();
// Shows the target first, then hides the window being left.
void switchTo(QWidget *from, QWidget *to);
// Ends the event loop; nothing is asked and nothing needs saving.
void endProgram();
}
