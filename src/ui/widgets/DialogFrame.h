#pragma once
// The look shared by the small fixed windows (password, help, information):
// a light background and the product logo over a thin coloured strip.

#include <QSize>

class QBoxLayout;
class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace DialogFrame {
void setBackground(QWidget *window);
// Adds the logo (objectName imgLogo) and the strip; returns the logo.
QLabel *addLogo(QWidget *window, QBoxLayout *layout, QSize size = QSize(300, 52));
// A push button of the common width.
QPushButton *button(const QString &name, const QString &text, QWidget *parent);
}
