#pragma once
// A caption above its box, the way an editor's card is read top to bottom.

class QLayout;
class QString;
class QWidget;

namespace Captioned {
// The caption (objectName lblCaption) over content, spacing pixels apart.
QWidget *above(QWidget *parent, const QString &caption, QLayout *content, int spacing = 3);
// Over a box, with a picture button beside it when given.
QWidget *above(QWidget *parent, const QString &caption, QWidget *box, QWidget *beside = nullptr, int spacing = 3);
}
