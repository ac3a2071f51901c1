#pragma once
// The program's look: its colours by name, and the one application style
// sheet (Look.qss) that uses them. Every colour is written here and nowhere
// else; the style sheet names it as @Name, code as Look::Name.

#include <QColor>
#include <QString>

namespace Look {

inline constexpr QRgb Ground = 0xeef2f6;        // behind the white cards
inline constexpr QRgb Mist = 0xf4f8fc;          // the small windows' background
inline constexpr QRgb Sky = 0xdce8f3;           // the main menu sky's foot, grid headers
inline constexpr QRgb Rule = 0xc8d3de;          // card edges and separators
inline constexpr QRgb Caption = 0x44546a;       // captions, quiet texts
inline constexpr QRgb Title = 0x1f4e79;         // headings, the title band
inline constexpr QRgb Ink = 0x1f2d3d;           // strong texts
inline constexpr QRgb Warning = 0xb03a2e;       // "please wait" and the like
inline constexpr QRgb BoxEdge = 0xaebdcc;
inline constexpr QRgb ReadOnlyFill = 0xf4f6f8;
inline constexpr QRgb ReadOnlyText = 0x6b7785;
inline constexpr QRgb ReadOnlyCard = 0xf6f8fa;
inline constexpr QRgb ContactBox = 0xf0f8ff;    // the contact card's boxes
inline constexpr QRgb ContactEdge = 0x87ceeb;
inline constexpr QRgb Typing = 0xffff00;        // a contact box being typed in
inline constexpr QRgb Settled = 0x1f7a3a;       // the ticked settled box
inline constexpr QRgb SettledEdge = 0x145228;
inline constexpr QRgb FocusEdge = 0xe08a00;
inline constexpr QRgb GridLine = 0xc8d3df;
inline constexpr QRgb GridAlternate = 0xeef4fa;
inline constexpr QRgb ScrollTrack = 0xc9d2dc;
inline constexpr QRgb ScrollEdge = 0x9aa7b5;
inline constexpr QRgb ScrollIdle = 0xdde3ea;
inline constexpr QRgb HelpText = 0x2b3a4a;
inline constexpr QRgb HelpEdge = 0xcfdde9;
inline constexpr QRgb Teal = 0x2a9d8f;          // the coloured strips
inline constexpr QRgb Sand = 0xe9c46a;
inline constexpr QRgb Coral = 0xe76f51;

// The style sheet with every @Name replaced by its colour. A name it does not
// know is left as it is, which Qt then reports as a bad sheet.
QString styleSheet();
// Sets the style sheet on the application, once for the process.
void install();

}
