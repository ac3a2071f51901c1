#pragma once
// Scroll bars that can be seen: a dark handle on a mid-grey groove, for the
// long lists and grids that users scroll sideways.

class QAbstractScrollArea;

namespace ScrollBars {
void setContrast(QAbstractScrollArea *area);
}
