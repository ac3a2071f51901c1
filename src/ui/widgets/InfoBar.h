#pragma once
// The info bar at the foot of a window: the hint of the control under the
// mouse pointer (its status tip), and the window's own text over the
// background.

#include <QLabel>
#include <QSet>

class InfoBar : public QLabel {
    Q_OBJECT
public:
    explicit InfoBar(QWidget *parent = nullptr);
    // The text shown when the pointer is over no hinted control.
    void setBackgroundText(const QString &text);
    // The control's hint becomes its status tip, which the bar shows. An
    // empty hint marks a place (the window, a panel) that brings the
    // background text back when the pointer enters it.
    void addHint(QWidget *control, const QString &hint);
    QString hintFor(QWidget *control) const { return control->statusTip(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_background;
    QSet<QObject *> m_blanks;
    QSet<QObject *> m_windows;
};
