#pragma once
// The heading band shared by the app windows: title, subtitle and the exit picture.

#include <QString>

class QWidget;
class QBoxLayout;
class PictureButton;

namespace AppFrame {
// Adds the band to layout and returns the exit picture (objectName imgEsci).
PictureButton *addHeader(QWidget *window, QBoxLayout *layout, const QString &title, const QString &subtitle);
}
