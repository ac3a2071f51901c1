#pragma once
// The program's colours by name, each written here once, as 0xRRGGBB (what
// QColor takes). The application style sheet (ui/widgets/Look.qss) names them
// after an at sign; code uses Colour::Name.

namespace Colour {

inline constexpr unsigned Ground = 0xeef2f6;  // behind the white cards
inline constexpr unsigned Mist = 0xf4f8fc;    // the small windows' background
inline constexpr unsigned Sky = 0xdce8f3;     // the main menu sky's foot, grid headers
inline constexpr unsigned Rule = 0xc8d3de;    // card edges and separators
inline constexpr unsigned Caption = 0x44546a; // captions, quiet texts
inline constexpr unsigned Title = 0x1f4e79;   // headings, the title band
inline constexpr unsigned Ink = 0x1f2d3d;     // strong texts
inline constexpr unsigned Warning = 0xb03a2e; // "please wait" and the like
inline constexpr unsigned BoxEdge = 0xaebdcc;
inline constexpr unsigned ReadOnlyFill = 0xf4f6f8;
inline constexpr unsigned ReadOnlyText = 0x6b7785;
inline constexpr unsigned ReadOnlyCard = 0xf6f8fa;
inline constexpr unsigned ContactBox = 0xf0f8ff; // the contact card's boxes
inline constexpr unsigned ContactEdge = 0x87ceeb;
inline constexpr unsigned Typing = 0xffff00;  // a contact box being typed in
inline constexpr unsigned Settled = 0x1f7a3a; // the ticked settled box
inline constexpr unsigned SettledEdge = 0x145228;
inline constexpr unsigned FocusEdge = 0xe08a00;
inline constexpr unsigned GridLine = 0xc8d3df;
inline constexpr unsigned GridAlternate = 0xeef4fa;
inline constexpr unsigned ScrollTrack = 0xc9d2dc;
inline constexpr unsigned ScrollEdge = 0x9aa7b5;
inline constexpr unsigned ScrollIdle = 0xdde3ea;
inline constexpr unsigned HelpText = 0x2b3a4a;
inline constexpr unsigned HelpEdge = 0xcfdde9;
inline constexpr unsigned Teal = 0x2a9d8f; // the coloured strips
inline constexpr unsigned Sand = 0xe9c46a;
inline constexpr unsigned Coral = 0xe76f51;
inline constexpr unsigned Link = 0x000080;        // a link at rest
inline constexpr unsigned LinkPressed = 0xff8c00; // a link being clicked
inline constexpr unsigned TodayFill = 0xffe08a;   // today in the agenda's calendar
inline constexpr unsigned TodayText = 0x7a2e00;
inline constexpr unsigned FrameTop = 0x2b6396; // the fixed windows' own frame band, over Title

}
