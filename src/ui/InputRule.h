#pragma once
// What the user can type or paste into one box: which characters, whether the
// text is trimmed or upper-cased at once, and how long it may grow. The rule
// acts on the user's own changes only (typing, pasting, dropping), never on a
// text the program puts in, which stays exactly as it was set. Keys that type
// nothing (Enter, the arrows, Home, End, selections) are left to FieldRules.

#include <QObject>
#include <QString>

class QLineEdit;

class InputRule : public QObject {
    Q_OBJECT
public:
    enum class Normalise { None, Trim, TrimUpper };

    // Attaches a rule to box (it becomes the box's child).
    static InputRule *attach(QLineEdit *box);
    // The rule attached to box, or nullptr.
    static InputRule *of(const QLineEdit *box);

    // Only these characters can be typed or pasted; an empty set allows any.
    InputRule *allow(const QString &characters);
    InputRule *normalise(Normalise rule);
    // The most characters the user can type or paste. Unlike maxLength, a
    // longer text put in by the program stays whole (a check can then still
    // say it is too long); the user may shorten it but not lengthen it.
    InputRule *limit(int characters);
    // Every entry into the box selects its whole text, by mouse or keyboard,
    // so that typing replaces the value instead of adding to it.
    InputRule *selectAllOnEntry();

    QString allowed() const { return m_allowed; }
    Normalise normalisation() const { return m_normalise; }
    int typingLimit() const { return m_limit; }

    bool allows(QChar c) const { return m_allowed.isEmpty() || m_allowed.contains(c); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit InputRule(QLineEdit *box);
    void apply();

    QLineEdit *m_box;
    QString m_allowed;
    Normalise m_normalise = Normalise::None;
    int m_limit = 32767;
    bool m_selectAll = false;
    // The mouse button went down on the box while it did not have the focus.
    bool m_clickEnters = false;
    // The text before the user's latest change, to tell what the change put in.
    QString m_before;
};
