#pragma once
// A one-line entry box with the program's typing rules: a limit on what the
// user can type, digits only, trimming and upper-casing while typing, and an
// Enter key that moves the focus instead of confirming the window.

#include <QLineEdit>
#include <QPointer>

class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    enum class Normalise { None, Trim, TrimUpper };

    explicit EntryBox(const QString &name, QWidget *parent = nullptr);

    // The most characters the user can type or paste. Unlike maxLength, a
    // longer text put in by the program stays whole, so that a check can
    // still tell the user that it is too long.
    void setTypingLimit(int limit) { m_limit = limit; }
    int typingLimit() const { return m_limit; }

    // Only the digits 0 to 9 can be typed or pasted; a text put in by the
    // program keeps whatever it holds.
    void setDigitsOnly(bool on) { m_digitsOnly = on; }
    bool digitsOnly() const { return m_digitsOnly; }

    // What becomes of the text after each change made by the user.
    void setNormalise(Normalise rule) { m_normalise = rule; }
    Normalise normalise() const { return m_normalise; }

    // Enter moves the focus to target and does nothing else.
    void setEnterTarget(QWidget *target) { m_enterTarget = target; }
    QWidget *enterTarget() const { return m_enterTarget; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void applyRules();

    int m_limit = 32767;
    bool m_digitsOnly = false;
    Normalise m_normalise = Normalise::None;
    QPointer<QWidget> m_enterTarget;
    // The text before the user's latest change, to tell what the change put in.
    QString m_before;
};
