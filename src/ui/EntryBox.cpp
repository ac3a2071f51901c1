#include "ui/EntryBox.h"

#include "records/TextField.h"

#include <QKeyEvent>

namespace {
bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
}

EntryBox::EntryBox(const QString &name, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(name);
    // textEdited comes before textChanged, so m_before still holds the text
    // as it was when the rules run.
    connect(this, &QLineEdit::textEdited, this, [this] { applyRules(); });
    connect(this, &QLineEdit::textChanged, this, [this] { m_before = text(); });
}

void EntryBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_enterTarget) {
            m_enterTarget->setFocus(Qt::OtherFocusReason);
            event->accept();
            return;
        }
    } else if (m_digitsOnly && !event->text().isEmpty() && event->text().at(0).isPrint()
               && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        // A character that is not a digit is swallowed before it can replace
        // a selection. Keys that type no printable character (Backspace and
        // Delete carry control codes on some platforms) keep their effect.
        for (const QChar c : event->text()) {
            if (!isDigit(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EntryBox::applyRules()
{
    const QString before = m_before;
    const QString after = text();

    // What the user put in lies between the part both texts begin with and
    // the part they both end with.
    const qsizetype shortest = qMin(before.size(), after.size());
    qsizetype head = 0;
    while (head < shortest && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shortest - head
           && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    QString inserted = after.mid(head, after.size() - head - tail);
    if (m_digitsOnly)
        inserted.removeIf([](QChar c) { return !isDigit(c); });

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
    const qsizetype allowed = qMax<qsizetype>(m_limit, before.size());
    if (result.size() > allowed) {
        const qsizetype excess = result.size() - allowed;
        const qsizetype fromCursor = qMin(excess, cursor);
        result.remove(cursor - fromCursor, fromCursor);
        cursor -= fromCursor;
        result.chop(excess - fromCursor);
    }

    if (result != after) {
        setText(result);
        setCursorPosition(int(cursor));
    }
}
