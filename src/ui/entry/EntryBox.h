#pragma once
// A one-line entry box with the program's typing rules (InputRule) and an
// Enter key that moves the focus instead of confirming the window (FieldRules):
// the shorthand of the identifier check windows.

#include "ui/entry/InputRule.h"

#include <QLineEdit>

class FieldRules;

class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    using Normalise = InputRule::Normalise;

    explicit EntryBox(const QString &name, QWidget *parent = nullptr);

    InputRule *rule() const { return m_rule; }

    // The most characters the user can type or paste; a longer text put in by
    // the program stays whole, so that a check can still say it is too long.
    void setTypingLimit(int limit) { m_rule->limit(limit); }
    int typingLimit() const { return m_rule->typingLimit(); }
    // Only the digits 0 to 9 can be typed or pasted.
    void setDigitsOnly(bool on) { m_rule->allow(on ? QStringLiteral("0123456789") : QString()); }
    bool digitsOnly() const { return !m_rule->allowed().isEmpty(); }
    // What becomes of the text after each change made by the user.
    void setNormalise(Normalise rule) { m_rule->normalise(rule); }
    Normalise normalise() const { return m_rule->normalisation(); }
    // Enter moves the focus to target and does nothing else.
    void setEnterTarget(QWidget *target);

private:
    InputRule *m_rule;
    FieldRules *m_keys = nullptr;
};
