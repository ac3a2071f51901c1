#pragma once
// The info bar at the foot of a window: a fixed hint for the control under the
// mouse pointer, and the window's own text over the background.

#include <QHash>
#include <QLabel>

class InfoBar : public QLabel {
    Q_OBJECT
public:
    explicit InfoBar(QWidget *parent = nullptr);
    // The text shown when the pointer is over no hinted control.
    void setBackgroundText(const QString &text);
    void addHint(QWidget *control, const QString &hint);
    QString hintFor(QWidget *control) const { return m_hints.value(control); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_background;
    QHash<QWidget *, QString> m_hints;
};
