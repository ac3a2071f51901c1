#include "ui/ScrollBars.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace ScrollBars {

void setContrast(QAbstractScrollArea *area)
{
    const QString style = QStringLiteral(
        "QScrollBar:horizontal { background: #c9d2dc; height: 16px; margin: 0; border-top: 1px solid #9aa7b5; }"
        "QScrollBar:vertical { background: #c9d2dc; width: 16px; margin: 0; border-left: 1px solid #9aa7b5; }"
        "QScrollBar::handle:horizontal { background: #44546a; min-width: 40px; border-radius: 5px; margin: 3px 2px; }"
        "QScrollBar::handle:vertical { background: #44546a; min-height: 40px; border-radius: 5px; margin: 2px 3px; }"
        "QScrollBar::handle:hover { background: #1f4e79; }"
        "QScrollBar::handle:disabled { background: #dde3ea; }"
        "QScrollBar::add-line, QScrollBar::sub-line { width: 0; height: 0; border: 0; }"
        "QScrollBar::add-page, QScrollBar::sub-page { background: none; }");
    for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()}) {
        bar->setStyleSheet(style);
        // A bar with nothing to scroll (a short or empty list) fades, so that
        // a full-length dark handle does not suggest more to see.
        bar->setEnabled(bar->maximum() > bar->minimum());
        QObject::connect(bar, &QScrollBar::rangeChanged, bar,
                         [bar](int min, int max) { bar->setEnabled(max > min); });
    }
}

}
