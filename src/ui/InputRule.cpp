#include "ui/InputRule.h"

#include "records/TextField.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>

InputRule::InputRule(QLineEdit *box)
    : QObject(box)
    , m_box(box)
    , m_before(box->text())
{
    setObjectName(QStringLiteral("inputRule"));
    // textEdited comes only from the user and before textChanged, so
    // m_before still holds the text as it was when the rule runs.
    connect(box, &QLineEdit::textEdited, this, [this] { apply(); });
    connect(box, &QLineEdit::textChanged, this, [this] { m_before = m_box->text(); });
    box->installEventFilter(this);
}

InputRule *InputRule::attach(QLineEdit *box)
{
    if (InputRule *existing = of(box))
        return existing;
    return new InputRule(box);
}

InputRule *InputRule::of(const QLineEdit *box)
{
    return box ? box->findChild<InputRule *>(QStringLiteral("inputRule"), Qt::FindDirectChildrenOnly) : nullptr;
}

InputRule *InputRule::allow(const QString &characters)
{
    m_allowed = characters;
    return this;
}

InputRule *InputRule::normalise(Normalise rule)
{
    m_normalise = rule;
    return this;
}

InputRule *InputRule::limit(int characters)
{
    m_limit = characters;
    return this;
}

InputRule *InputRule::selectAllOnEntry()
{
    m_selectAll = true;
    return this;
}

bool InputRule::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && !m_allowed.isEmpty()) {
        auto *key = static_cast<QKeyEvent *>(event);
        // A character that may not enter the box is swallowed before it can
        // replace a selection. Keys that type no printable character (the
        // arrows, Home, End, Backspace and Delete, which carry control codes
        // on some platforms) and shortcuts keep their normal effect.
        const QString typed = key->text();
        if (!typed.isEmpty() && typed.at(0).isPrint()
            && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            for (const QChar c : typed)
                if (!allows(c))
                    return true;
        }
    } else if (event->type() == QEvent::MouseButtonPress && m_selectAll) {
        // A click that enters the box. Without a window manager the click
        // into a window that is not active (just after a message or the date
        // picker closed) gives the focus only as the window's activation, which
        // is no entry of its own: the click is what counts.
        m_clickEnters = static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton && !m_box->hasFocus();
    } else if (event->type() == QEvent::MouseButtonRelease && m_clickEnters) {
        m_clickEnters = false;
        QTimer::singleShot(0, m_box, [box = m_box] {
            if (box->window()->focusWidget() == box)
                box->selectAll();
        });
    } else if (event->type() == QEvent::FocusIn && m_selectAll) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            // After the mouse press that gave the focus has placed the caret.
            QTimer::singleShot(0, m_box, [box = m_box] {
                if (box->hasFocus())
                    box->selectAll();
            });
        }
    }
    return QObject::eventFilter(watched, event);
}

void InputRule::apply()
{
    const QString before = m_before;
    const QString after = m_box->text();

    // What the user put in lies between the part both texts begin with and
    // the part they both end with.
    const qsizetype shortest = qMin(before.size(), after.size());
    qsizetype head = 0;
    while (head < shortest && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shortest - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    QString inserted = after.mid(head, after.size() - head - tail);
    if (!m_allowed.isEmpty())
        inserted.removeIf([this](QChar c) { return !allows(c); });

    QString result = after.left(head) + inserted + after.right(tail);
    qsizetype cursor = head + inserted.size();

    if (m_normalise == Normalise::TrimUpper) {
        cursor = result.left(cursor).toUpper().size();
        result = result.toUpper();
    }
    if (m_normalise != Normalise::None) {
        qsizetype leading = 0;
        while (leading < result.size() && result.at(leading).unicode() <= 32)
            ++leading;
        result = TextField::trimmed(result);
        cursor = qBound<qsizetype>(0, cursor - leading, result.size());
    }

    // Past the limit, what was just put in is cut back; a text that was
    // already longer may shrink but not grow.
    const qsizetype allowedLength = qMax<qsizetype>(m_limit, before.size());
    if (result.size() > allowedLength) {
        const qsizetype excess = result.size() - allowedLength;
        const qsizetype fromCursor = qMin(excess, cursor);
        result.remove(cursor - fromCursor, fromCursor);
        cursor -= fromCursor;
        result.chop(excess - fromCursor);
    }

    if (result != after) {
        m_box->setText(result);
        m_box->setCursorPosition(int(cursor));
    }
}
