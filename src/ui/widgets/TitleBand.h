#pragma once
// The dark band across the top of the program's windows: a picture, a title,
// an optional subtitle; callers add their own pictures to its right.

#include <QString>

class QHBoxLayout;
class QLabel;
class QWidget;

struct TitleBand {
    QWidget *band;
    QHBoxLayout *row;
    QLabel *title;
};

TitleBand makeTitleBand(QWidget *parent, const QString &logoName, const QString &title, const QString &subtitle = {},
                        int titlePoints = 16);
