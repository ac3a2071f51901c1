#include "ui/entry/FieldRules.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

void FieldRules::watch(QWidget *field)
{
    field->removeEventFilter(this);
    field->installEventFilter(this);
}

void FieldRules::setKeyRule(QWidget *field, KeyRule rule)
{
    m_keys.insert(field, std::move(rule));
    watch(field);
}

void FieldRules::setEntering(QWidget *field, std::function<void()> action)
{
    m_entering.insert(field, std::move(action));
    watch(field);
}

void FieldRules::setLeaving(QWidget *field, std::function<void()> action)
{
    m_leaving.insert(field, std::move(action));
    watch(field);
}

void FieldRules::setEnterChain(const QList<QWidget *> &chain)
{
    m_chain = chain;
    for (QWidget *w : chain)
        watch(w);
}

void FieldRules::setEnterTarget(QWidget *field, QWidget *target)
{
    m_targets.insert(field, target);
    watch(field);
}

void FieldRules::setClickOnEnter(QAbstractButton *button)
{
    m_clickOnEnter.append(button);
    watch(button);
}

void FieldRules::setListOnly(QComboBox *box, int keys)
{
    setKeyRule(box, [box, keys](QKeyEvent *key) {
        if ((keys & DeleteEmpties) && isDelete(key)) {
            box->setCurrentIndex(-1);
            box->setEditText(QString());
            return true;
        }
        const bool caret = (keys & CaretMoves) && (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right);
        return !(isEnter(key) || isListKey(key) || isFocusMove(key) || isModifierOnly(key) || caret);
    });
    setEntering(box, [box] {
        const QString text = box->currentText();
        box->setCurrentIndex(-1);
        box->setEditText(text);
    });
}

void FieldRules::setSelectAllOnEntry(QLineEdit *box)
{
    m_selectAll.append(box);
    watch(box);
}

void FieldRules::setAfterKey(QWidget *field, std::function<void(QKeyEvent *)> action)
{
    m_after.insert(field, std::move(action));
    watch(field);
}

void FieldRules::leave(QWidget *field)
{
    const auto action = m_leaving.constFind(field);
    if (action != m_leaving.constEnd())
        (*action)();
}

bool FieldRules::isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

bool FieldRules::isListKey(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

bool FieldRules::isFocusMove(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

bool FieldRules::isModifierOnly(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

bool FieldRules::isDelete(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete;
}

bool FieldRules::eventFilter(QObject *watched, QEvent *event)
{
    if (m_forwarding)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        const auto rule = m_keys.constFind(watched);
        if (rule != m_keys.constEnd() && (*rule)(key))
            return true;
        if (isEnter(key) && m_clickOnEnter.contains(watched)) {
            if (!key->isAutoRepeat())
                static_cast<QAbstractButton *>(watched)->click();
            return true;
        }
        if (const auto after = m_after.constFind(watched); after != m_after.constEnd() && !isEnter(key)) {
            // The box takes the key first; then the action sees the result.
            m_forwarding = true;
            QCoreApplication::sendEvent(watched, event);
            m_forwarding = false;
            (*after)(key);
            return true;
        }
        if (!isEnter(key))
            break;
        if (const auto target = m_targets.constFind(watched); target != m_targets.constEnd()) {
            if (*target)
                (*target)->setFocus(Qt::TabFocusReason);
            return true;
        }
        const qsizetype at = m_chain.indexOf(static_cast<QWidget *>(watched));
        if (at >= 0) {
            m_chain.at((at + 1) % m_chain.size())->setFocus(Qt::TabFocusReason);
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const auto &actions = event->type() == QEvent::FocusIn ? m_entering : m_leaving;
        const auto action = actions.constFind(watched);
        if (action != actions.constEnd())
            (*action)();
        if (event->type() == QEvent::FocusIn && m_selectAll.contains(watched)) {
            // After the mouse press that gave the focus has placed the caret.
            auto *box = static_cast<QLineEdit *>(watched);
            QTimer::singleShot(0, box, [box] {
                if (box->hasFocus())
                    box->selectAll();
            });
        }
        break;
    }
    case QEvent::MouseButtonPress:
        // A click that enters the box. Without a window manager the click
        // into a window that is not active (just after a message or the date
        // picker closed) gives the focus only as the window's activation,
        // which is no entry of its own: the click is what counts.
        if (m_selectAll.contains(watched)) {
            auto *box = static_cast<QLineEdit *>(watched);
            const bool entering = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !box->hasFocus();
            m_clickEntering = entering ? box : nullptr;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_clickEntering) {
            m_clickEntering = nullptr;
            auto *box = static_cast<QLineEdit *>(watched);
            QTimer::singleShot(0, box, [box] {
                if (box->window()->focusWidget() == box)
                    box->selectAll();
            });
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
