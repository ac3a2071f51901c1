#pragma once
// Steps shared by the tests of the identifier check windows.

#include "TestServices.h"

class CheckWindow;

// What one press of "Controlla" did.
struct CheckOutcome {
    int messages = 0;
    MessageKind kind = MessageKind::Plain;
    QString text;
    bool stillOpen = true;
    bool focusInBox = false;
};

// Shows the window as its opener would and waits until it is on screen.
bool showCheckWindow(CheckWindow *window);

// Clears the recorded messages, clicks "Controlla" and reports what followed.
CheckOutcome pressControlla(CheckWindow *window, QWidget *box, FakeDialogs &dialogs);

// Readable names for failure output.
const char *kindName(MessageKind kind);
