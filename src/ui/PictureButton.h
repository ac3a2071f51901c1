#pragma once
// A clickable picture: the program's buttons are drawn, not styled push buttons.

#include <QLabel>

class PictureButton : public QLabel {
    Q_OBJECT
public:
    // resource: an SVG or bitmap in the resources, drawn at size.
    PictureButton(const QString &name, const QString &resource, QSize size,
                  const QString &accessibleText, QWidget *parent = nullptr);
    // A picture that only decorates: no hand cursor, no click.
    static QLabel *decoration(const QString &name, const QString &resource, QSize size,
                              QWidget *parent = nullptr);
    static QPixmap render(const QString &resource, QSize size, qreal ratio = 2.0);

    // Lets tests and keyboard users trigger the picture like a click.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool m_pressed = false;
};
