#pragma once
// The yellow highlight behind an entry box, shown only while the box has the
// focus: a yellow fill whose border fades to white, just larger than the box.

#include <QWidget>

class FocusFrame : public QWidget {
    Q_OBJECT
public:
    // Lies behind box, in box's parent; the layout should leave Margin pixels
    // of room around the box.
    FocusFrame(const QString &name, QWidget *box);
    static constexpr int Margin = 5;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow();
    QWidget *m_box;
};
