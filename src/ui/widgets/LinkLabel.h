#pragma once
// A link text: dark blue, orange while the mouse button is held on it or on
// its picture, dark blue again on release and when its action runs.

#include "platform/Colours.h"

#include <QColor>
#include <QLabel>

class PictureButton;

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &name, const QString &text, QWidget *parent = nullptr);
    // A picture beside the link with the same action.
    void addPicture(PictureButton *picture);

    static QColor normalColour() { return QColor(Colour::Link); }
    static QColor pressedColour() { return QColor(Colour::LinkPressed); }
    QColor textColour() const;

    void click();

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setPressedLook(bool pressed);
    bool m_pressed = false;
};
