#pragma once
// What the window manager may do to a window. Behind a modal window a
// minimise iconifies the whole program and leaves the user before an empty
// screen, and an app window taken out of its maximised state puts its own
// title bar above the screen: neither is offered.

class QWidget;

namespace WindowHints {
// A modal dialog that can be moved and closed (its close is its Cancel), not
// minimised; maximised only when asked for. Call before it is shown.
void dialog(QWidget *window, bool maximisable = false);
// A maximised app window: title, close and minimise, no maximise button, and
// put back to maximised when something takes it out of that state.
void appWindow(QWidget *window);
}
