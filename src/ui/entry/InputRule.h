#pragma once
// What the user can type or paste into one box: which characters, whether the
// text is trimmed or upper-cased at once, and how long it may grow. The rule is
// the box's validator and acts on the user's own changes only (typing,
// pasting, dropping), never on a text the program puts in, which stays exactly
// as it was set. What is pasted goes in as if its characters were typed one by
// one, so a blank that typing would drop is dropped, and only then is it cut
// to the length. Keys that type nothing (Enter, the arrows, Home, End,
// selections) are left to FieldRules.

#include <QString>
#include <QValidator>

#include <optional>

class QLineEdit;

class InputRule : public QValidator {
    Q_OBJECT
public:
    enum class Normalise { None, Trim, TrimUpper };

    // The box's rule, set as its validator the first time it is asked for.
    static InputRule *attach(QLineEdit *box);

    // Only these characters can be typed or pasted; an empty set allows any.
    InputRule *allow(const QString &characters);
    InputRule *normalise(Normalise rule);
    // The most characters the user can type or paste (never more than the
    // box's maxLength). A longer text put in by the program stays whole (a
    // check can then still say it is too long); the user may shorten it but
    // not lengthen it.
    InputRule *limit(int characters);

    QString allowed() const { return m_allowed; }
    Normalise normalisation() const { return m_normalise; }
    int typingLimit() const { return m_limit; }

    bool allows(QChar c) const { return m_allowed.isEmpty() || m_allowed.contains(c); }

    struct Edit {
        QString text;
        qsizetype cursor = 0;
    };
    // The text `typed` makes of `before` when it replaces the characters from
    // `from` up to `to`, as if typed one character at a time. Nothing when the
    // change is refused: none of the typed characters may go in, and a
    // selection is never replaced by nothing.
    std::optional<Edit> enter(const QString &before, qsizetype from, qsizetype to, const QString &typed) const;

    State validate(QString &input, int &pos) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit InputRule(QLineEdit *box);
    int effectiveLimit() const;
    void normaliseAt(QString &text, qsizetype &cursor) const;
    // Puts text in where the user pastes or drops it, through the rule.
    void paste(const QString &text);

    QLineEdit *m_box;
    QString m_allowed;
    Normalise m_normalise = Normalise::None;
    int m_limit = 32767;
    // The text before the user's change, to tell what the change put in.
    QString m_before;
    // A paste already put through the rule is being put in.
    bool m_pasting = false;
};
