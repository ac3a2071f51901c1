#pragma once
// The frame the app windows share: a column without margins, the title band
// on top (with the exit picture, unless the window's toolbar has its own),
// the window's card centred below it, and the info bar at the foot.

#include <QMargins>
#include <QString>

class InfoBar;
class PictureButton;
class QBoxLayout;
class QVBoxLayout;
class QWidget;

namespace AppFrame {
// The window's column, without margins or spacing.
QVBoxLayout *column(QWidget *window);
// Adds the band to layout and returns the exit picture (objectName imgEsci).
PictureButton *addHeader(QWidget *window, QBoxLayout *layout, const QString &title, const QString &subtitle);
// The band alone, for a window whose toolbar holds the exit.
void addTitle(QWidget *window, QBoxLayout *layout, const QString &title, const QString &subtitle);
// card across the window with room around it, weight against the side
// margins; the free height goes above and below it as 1 : below.
void addCentredCard(QBoxLayout *layout, QWidget *card, QMargins room, int weight, int below);
InfoBar *addInfoBar(QWidget *window, QBoxLayout *layout);
}
