#pragma once
// Per-field keyboard and focus rules of a window: which keys a box takes, what
// happens when the focus enters or leaves it, and where the Enter key moves the
// focus (a chain through the boxes, or one target, a button that Enter then
// clicks). One event filter serves the whole window. What characters may be
// typed or pasted is InputRule's.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QAbstractButton;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QWidget;

class FieldRules : public QObject {
    Q_OBJECT
public:
    // Returns true to discard the key: neither it nor its character reaches the box.
    using KeyRule = std::function<bool(QKeyEvent *)>;

    explicit FieldRules(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    void setKeyRule(QWidget *field, KeyRule rule);
    // Run when the focus moves into or out of the field. A window losing or
    // regaining activation, or a drop-down list opening, is not a move.
    void setEntering(QWidget *field, std::function<void()> action);
    void setLeaving(QWidget *field, std::function<void()> action);
    // Enter in a field of the chain focuses the next one; the last wraps to the
    // first. A key rule that discards Enter takes precedence.
    void setEnterChain(const QList<QWidget *> &chain);
    // Enter in field focuses target and does nothing else.
    void setEnterTarget(QWidget *field, QWidget *target);
    // Enter on the button clicks it, once per press.
    void setClickOnEnter(QAbstractButton *button);

    // A drop-down whose value comes only from its list: typing is discarded,
    // while Enter, the focus keys and the keys that open or walk the list keep
    // their effect. Entering it forgets the list selection; the text stays.
    enum ListOnlyKeys {
        DeleteEmpties = 1, // Backspace or Delete empties the box at once
        CaretMoves = 2,    // Left and Right move the caret
    };
    void setListOnly(QComboBox *box, int keys = 0);
    // Every entry into the box selects its whole text, by mouse or keyboard,
    // so that typing replaces the value instead of adding to it.
    void setSelectAllOnEntry(QLineEdit *box);
    // Runs after the field itself has handled a key that no rule discarded
    // (a one-character box moving on once its character is in).
    void setAfterKey(QWidget *field, std::function<void(QKeyEvent *)> action);

    // Runs the field's leaving action now, for when the focus cannot move
    // (a window that is not active gets no focus events).
    void leave(QWidget *field);

    // What kind of key an event is, for the key rules.
    static bool isEnter(const QKeyEvent *event);
    // Keys that open or walk a drop-down list without typing into its box.
    static bool isListKey(const QKeyEvent *event);
    // Tab and Shift+Tab.
    static bool isFocusMove(const QKeyEvent *event);
    // Shift, Control, Alt and the like, pressed alone.
    static bool isModifierOnly(const QKeyEvent *event);
    // Backspace or Delete.
    static bool isDelete(const QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watch(QWidget *field);

    QHash<QObject *, KeyRule> m_keys;
    QHash<QObject *, std::function<void()>> m_entering;
    QHash<QObject *, std::function<void()>> m_leaving;
    QList<QWidget *> m_chain;
    QHash<QObject *, QPointer<QWidget>> m_targets;
    QHash<QObject *, std::function<void(QKeyEvent *)>> m_after;
    QList<QObject *> m_clickOnEnter;
    QList<QObject *> m_selectAll;
    // The box a left button went down on while it did not have the focus.
    QPointer<QWidget> m_clickEntering;
    bool m_forwarding = false;
};
