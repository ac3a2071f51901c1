#include "ui/widgets/ScrollBars.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QStyle>

namespace ScrollBars {

void setContrast(QAbstractScrollArea *area)
{
    for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        // The look is the application style sheet's, for the bars so marked.
        bar->setProperty("contrast", true);
        bar->style()->unpolish(bar);
        bar->style()->polish(bar);
        bar->updateGeometry();
        // A bar with nothing to scroll (a short or empty list) fades, so that
        // a full-length dark handle does not suggest more to see.
        bar->setEnabled(bar->maximum() > bar->minimum());
        QObject::connect(bar, &QScrollBar::rangeChanged, bar, [bar](int min, int max) { bar->setEnabled(max > min); });
    }
}

}
