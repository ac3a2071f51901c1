#pragma once
// Windows with a fixed border and no title-bar buttons, left only through
// their own buttons, and where they appear. Window managers differ in what
// they make of the hints that ask for no buttons (some draw minimise and
// maximise all the same, and minimising a modal window then hides the whole
// program), so these windows carry no frame of the window manager: they draw
// their own title strip, which shows the caption and moves the window, and
// their own border.

class QWidget;

namespace FixedWindow {
// Own title strip without close, minimise or maximise; fixed at its laid-out
// size; a request to minimise it is undone.
void apply(QWidget *window);
// The height of the title strip, added above the window's content.
constexpr int CaptionHeight = 28;
// A minimise asked for by the window manager is undone: behind a modal window
// it would iconify the whole program. For windows that keep the window
// manager's frame, where some window managers draw a minimise button whatever
// the hints say.
void neverMinimised(QWidget *window);
void centreOnScreen(QWidget *window);
// Over the owner (the parent window), or on the screen when there is none.
void centreOnOwner(QWidget *window);
}
