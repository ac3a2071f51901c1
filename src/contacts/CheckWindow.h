#pragma once
// The shape shared by the four identifier check windows: a title line, one
// large entry box, "Controlla" and "Chiudi". Each window says what its box
// accepts and what its check answers.

#include <QDialog>

class EntryBox;
class QLabel;
class QPushButton;

class CheckWindow : public QDialog {
    Q_OBJECT
public:
    // The text the opener hands over to be checked.
    void setEntry(const QString &text);

protected:
    CheckWindow(QWidget *parent, const QString &caption, const QString &title, const QString &boxName, int typingLimit);

    EntryBox *box() const { return m_box; }

    // Runs the window's check when "Controlla" is pressed.
    virtual void controlla() = 0;

    // A warning that leaves the window open with the focus back in the box.
    void warnAndStay(const QString &text);
    // The verdict: a warning or an information box, then the window closes.
    void answerAndClose(bool valid, const QString &text);

    void showEvent(QShowEvent *event) override;

private:
    QLabel *lblTitolo;
    QPushButton *btnControlla;
    QPushButton *btnChiudi;
    EntryBox *m_box;
};
