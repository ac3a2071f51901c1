#include "ui/entry/InputRule.h"

#include "records/TextField.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

InputRule::InputRule(QLineEdit *box)
    : QValidator(box)
    , m_box(box)
    , m_before(box->text())
{
    // Read from the box, not from the signal: a text set while the signal is
    // on its way must not be overwritten by the older one.
    connect(box, &QLineEdit::textChanged, this, [this] { m_before = m_box->text(); });
    box->setValidator(this);
    box->installEventFilter(this);
}

InputRule *InputRule::attach(QLineEdit *box)
{
    if (auto *existing = qobject_cast<InputRule *>(const_cast<QValidator *>(box->validator())))
        return existing;
    return new InputRule(box);
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

int InputRule::effectiveLimit() const { return qMin(m_limit, m_box->maxLength()); }

void InputRule::normaliseAt(QString &text, qsizetype &cursor) const
{
    if (m_normalise == Normalise::None)
        return;
    if (m_normalise == Normalise::TrimUpper) {
        cursor = text.left(cursor).toUpper().size();
        text = text.toUpper();
    }
    qsizetype leading = 0;
    while (leading < text.size() && text.at(leading).unicode() <= 32)
        ++leading;
    text = TextField::trimmed(text);
    cursor = qBound<qsizetype>(0, cursor - leading, text.size());
}

std::optional<InputRule::Edit> InputRule::enter(const QString &before, qsizetype from, qsizetype to,
                                                const QString &typed) const
{
    QString kept = typed;
    if (!m_allowed.isEmpty())
        kept.removeIf([this](QChar c) { return !allows(c); });
    // A character that may not go in is swallowed whole: it does not even
    // take away the selection it was typed over.
    if (kept.isEmpty() && !typed.isEmpty())
        return std::nullopt;

    Edit edit {before, from};
    edit.text.remove(from, to - from);
    if (kept.isEmpty())
        normaliseAt(edit.text, edit.cursor);
    for (const QChar c : kept) {
        edit.text.insert(edit.cursor++, c);
        normaliseAt(edit.text, edit.cursor);
    }

    // Past the limit, what was just put in is cut back; a text that was
    // already longer may shrink but not grow.
    const qsizetype room = qMax<qsizetype>(effectiveLimit(), before.size());
    if (edit.text.size() > room) {
        const qsizetype excess = edit.text.size() - room;
        const qsizetype fromCursor = qMin(excess, edit.cursor);
        edit.text.remove(edit.cursor - fromCursor, fromCursor);
        edit.cursor -= fromCursor;
        edit.text.chop(excess - fromCursor);
    }
    return edit;
}

QValidator::State InputRule::validate(QString &input, int &pos) const
{
    // Setting a text clears the box's undo history: a change that left none
    // is the program's own, and passes as it is. So does a paste already put
    // through the rule, and a text that did not change.
    if (m_pasting || input == m_before || !m_box->isUndoAvailable())
        return Acceptable;

    // What the user put in lies between the part both texts begin with and
    // the part they both end with; the latter never reaches before the caret,
    // which stands right after what was put in.
    const QString &before = m_before;
    const qsizetype shortest = qMin(before.size(), input.size());
    const qsizetype afterCaret = input.size() - qBound(0, pos, int(input.size()));
    qsizetype tail = 0;
    while (tail < qMin(shortest, afterCaret)
           && before.at(before.size() - 1 - tail) == input.at(input.size() - 1 - tail))
        ++tail;
    qsizetype head = 0;
    while (head < shortest - tail && before.at(head) == input.at(head))
        ++head;

    const auto edit = enter(before, head, before.size() - tail, input.mid(head, input.size() - head - tail));
    if (!edit || edit->text == before)
        return Invalid;
    input = edit->text;
    pos = int(edit->cursor);
    return Acceptable;
}

void InputRule::paste(const QString &text)
{
    const QString before = m_box->text();
    const qsizetype from = m_box->hasSelectedText() ? m_box->selectionStart() : m_box->cursorPosition();
    const qsizetype to = m_box->hasSelectedText() ? m_box->selectionEnd() : from;
    const auto edit = enter(before, from, to, text);
    if (!edit || edit->text == before)
        return;
    // One change, which the user can undo.
    m_pasting = true;
    m_box->selectAll();
    m_box->insert(edit->text);
    m_pasting = false;
    m_box->setCursorPosition(int(edit->cursor));
}

bool InputRule::eventFilter(QObject *watched, QEvent *event)
{
    // The box's maxLength would cut a paste before the rule sees it, and a
    // paste that loses its blanks may well fit: every way of pasting hands
    // the rule the whole text.
    if (watched != m_box || m_box->isReadOnly())
        return QValidator::eventFilter(watched, event);
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (event->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste)) {
            paste(clipboard->text());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        // The middle button pastes the selection where the press put the caret.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton && clipboard->supportsSelection()) {
            paste(clipboard->text(QClipboard::Selection));
            return true;
        }
        break;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (drop->source() != m_box && drop->mimeData()->hasText()) {
            m_box->deselect();
            m_box->setCursorPosition(m_box->cursorPositionAt(drop->position().toPoint()));
            paste(drop->mimeData()->text());
            drop->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::ContextMenu: {
        // The box's own menu, whose Paste (known by its shortcut, whatever the
        // language) goes through the rule.
        QMenu *menu = m_box->createStandardContextMenu();
        const QString pasteKey =
            QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction *action : menu->actions()) {
            if (action->text().endsWith(pasteKey)) {
                disconnect(action, &QAction::triggered, m_box, nullptr);
                connect(action, &QAction::triggered, this, [this, clipboard] { paste(clipboard->text()); });
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    default:
        break;
    }
    return QValidator::eventFilter(watched, event);
}
