#pragma once
// The program's look: the one application style sheet (Look.qss), which names
// the colours of platform/Colours.h after an at sign.

#include "platform/Colours.h"

#include <QString>

namespace Look {

// The style sheet with every @Name replaced by its colour. A name it does not
// know is left as it is, which Qt then reports as a bad sheet.
QString styleSheet();
// Sets the style sheet on the application, once for the process.
void install();

}
