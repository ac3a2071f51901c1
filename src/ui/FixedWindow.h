#pragma once
// Windows with a fixed border and no title-bar buttons, left only through
// their own buttons, and where they appear.

class QWidget;

namespace FixedWindow {
// Title bar without close, minimise or maximise; fixed at its laid-out size.
void apply(QWidget *window);
void centreOnScreen(QWidget *window);
// Over the owner (the parent window), or on the screen when there is none.
void centreOnOwner(QWidget *window);
}
