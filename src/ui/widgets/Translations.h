#pragma once
// Qt's own dialogs (print, preview, file choice) and context menus in Italian,
// like the rest of the program.

namespace Translations {
// Loads Qt's Italian translations into the application; false when they are
// not installed (the dialogs then stay in English).
bool installItalian();
}
