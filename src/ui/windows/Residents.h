#pragma once
// The resident windows by identity: created once at start-up, shown and
// hidden, never destroyed while the program runs. Start-up fills this
// registry, so that a window can bring up another one without including it;
// at every moment exactly one of them is visible.

class QWidget;

enum class Resident { Password, Avvio, CambiaPassword, Anagrafica, Agenda, Archivio, MenuBilancio };

namespace Residents {
void set(Resident id, QWidget *window);
QWidget *get(Resident id);
// Forgets every window (end of the program, end of a test).
void clear();
// Shows the target first, then hides the window being left. The app windows
// and the main menu open maximised.
void switchTo(QWidget *from, QWidget *to);
void switchTo(QWidget *from, Resident to);
// Ends the event loop; nothing is asked and nothing needs saving.
void endProgram();
}
