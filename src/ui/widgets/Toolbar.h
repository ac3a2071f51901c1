#pragma once
// The editors' toolbar: a white strip of picture buttons, each with its
// caption below, in groups parted by thin lines, and the record number among
// them.

#include <QSize>
#include <QString>

class PictureButton;
class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QWidget;

class Toolbar {
public:
    // A strip in window, added to layout (objectName panComandi).
    Toolbar(QWidget *window, QBoxLayout *layout, QSize pictureSize = QSize(40, 40));

    // A picture button from the resources' pictures, captioned below.
    PictureButton *tool(const char *name, const char *picture, const QString &caption);
    void separator();
    // The record number, bold and centred, captioned "Scheda n.".
    QLabel *positionLabel();
    void stretch();

private:
    QWidget *m_bar;
    QHBoxLayout *m_row;
    QSize m_pictureSize;
};
