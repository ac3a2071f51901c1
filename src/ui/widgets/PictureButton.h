#pragma once
// A clickable picture: the program's buttons are drawn pictures, but they are
// tool buttons all the same, with the role, focus and keys users expect (Space
// or Enter clicks once per press; a disabled one looks faded and does nothing).
// The picture is also the button's icon, at its size.

#include <QToolButton>
#include <QPixmap>

class QLabel;

class PictureButton : public QToolButton {
    Q_OBJECT
public:
    // resource: an SVG or bitmap in the resources, drawn at size.
    PictureButton(const QString &name, const QString &resource, QSize size, const QString &accessibleText,
                  QWidget *parent = nullptr);
    // A picture that only decorates: no hand cursor, no click.
    static QLabel *decoration(const QString &name, const QString &resource, QSize size, QWidget *parent = nullptr);
    static QPixmap render(const QString &resource, QSize size, qreal ratio = 2.0);

    QSize sizeHint() const override { return m_size; }
    QSize minimumSizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    QPixmap m_picture;
    QSize m_size;
    bool m_keyboardFocus = false;
};
