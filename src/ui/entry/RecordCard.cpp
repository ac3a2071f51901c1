#include "ui/entry/RecordCard.h"

#include "ui/entry/FieldRules.h"
#include "ui/widgets/InfoBar.h"
#include "ui/widgets/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace {

using Keys = FieldRules;

Qt::Alignment alignmentOf(const BoxDef &def)
{
    if (def.flags & BoxDef::Centred)
        return Qt::AlignHCenter | Qt::AlignVCenter;
    if (def.flags & BoxDef::RightAligned)
        return Qt::AlignRight | Qt::AlignVCenter;
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QWidget *makeBox(const BoxDef &def, int capacity, QWidget *parent)
{
    QWidget *w = nullptr;
    switch (def.kind) {
    case BoxKind::Text:
    case BoxKind::ReadOnlyText: {
        auto *e = new QLineEdit(parent);
        if (capacity > 0)
            e->setMaxLength(capacity);
        e->setAlignment(alignmentOf(def));
        e->setReadOnly(def.kind == BoxKind::ReadOnlyText);
        if (!def.allowed.isEmpty() || def.normalise != InputRule::Normalise::None)
            InputRule::attach(e)->allow(def.allowed)->normalise(def.normalise);
        w = e;
        break;
    }
    case BoxKind::DropDown:
        w = Widgets::dropDown(parent, QLatin1String(def.name), def.items, capacity);
        break;
    case BoxKind::Check:
        w = new QCheckBox(parent);
        break;
    case BoxKind::Hidden: {
        auto *l = new QLabel(parent);
        l->hide();
        w = l;
        break;
    }
    }
    w->setObjectName(QLatin1String(def.name));
    return w;
}

}

CardBoxes::CardBoxes(QVector<BoxDef> defs, const QVector<int> &capacities, QWidget *parent)
    : m_defs(std::move(defs))
{
    for (int i = 0; i < m_defs.size(); ++i)
        m_widgets.push_back(makeBox(m_defs[i], capacities.value(i), parent));
}

int CardBoxes::indexOf(const QString &name) const
{
    for (int i = 0; i < size(); ++i)
        if (QLatin1String(m_defs[i].name) == name)
            return i;
    return -1;
}

QString CardBoxes::text(int i) const
{
    QWidget *w = widget(i);
    switch (m_defs[i].kind) {
    case BoxKind::Text:
    case BoxKind::ReadOnlyText:
        return static_cast<QLineEdit *>(w)->text();
    case BoxKind::DropDown:
        return static_cast<QComboBox *>(w)->currentText();
    case BoxKind::Check:
        return m_defs[i].items.value(static_cast<QCheckBox *>(w)->isChecked() ? 0 : 1);
    case BoxKind::Hidden:
        return static_cast<QLabel *>(w)->text();
    }
    return {};
}

void CardBoxes::setText(int i, const QString &text)
{
    QWidget *w = widget(i);
    switch (m_defs[i].kind) {
    case BoxKind::Text:
    case BoxKind::ReadOnlyText:
        static_cast<QLineEdit *>(w)->setText(text);
        break;
    case BoxKind::DropDown: {
        // No list item stays selected: the text is what counts.
        auto *c = static_cast<QComboBox *>(w);
        c->setCurrentIndex(-1);
        c->setEditText(text);
        break;
    }
    case BoxKind::Check: {
        const QStringList &states = m_defs[i].items;
        if (text == states.value(0))
            static_cast<QCheckBox *>(w)->setChecked(true);
        else if (text == states.value(1))
            static_cast<QCheckBox *>(w)->setChecked(false);
        break;
    }
    case BoxKind::Hidden:
        static_cast<QLabel *>(w)->setText(text);
        break;
    }
}

void CardBoxes::blank()
{
    for (int i = 0; i < size(); ++i)
        if (!(m_defs[i].flags & BoxDef::KeptOnBlank))
            setText(i, m_defs[i].kind == BoxKind::Check && m_defs[i].blank.isEmpty() ? m_defs[i].items.value(1)
                                                                                     : m_defs[i].blank);
}

QList<QWidget *> CardBoxes::chain() const
{
    QList<QWidget *> out;
    for (int i = 0; i < size(); ++i)
        if (m_defs[i].flags & BoxDef::InChain)
            out.append(widget(i));
    return out;
}

void CardBoxes::installRules(FieldRules *rules)
{
    const QList<QWidget *> order = chain();
    rules->setEnterChain(order);
    for (int i = 0; i < size(); ++i) {
        const BoxDef &def = m_defs[i];
        QWidget *w = widget(i);
        const bool empties = def.flags & BoxDef::EmptiedByDelete;
        if (def.kind == BoxKind::DropDown && (def.flags & BoxDef::ListOnly)) {
            rules->setListOnly(static_cast<QComboBox *>(w), empties ? FieldRules::DeleteEmpties : 0);
        } else if (def.flags & BoxDef::OneCharacter) {
            rules->setKeyRule(w, [this, i](QKeyEvent *key) {
                if (Keys::isDelete(key)) {
                    setText(i, QString());
                    return true;
                }
                // A full box keeps its character: entering it by Enter or Tab
                // selects the text, and a typed character must not replace it.
                const QString typed = key->text();
                if (auto *edit = qobject_cast<QLineEdit *>(widget(i));
                    edit && !typed.isEmpty() && typed.at(0).isPrint())
                    edit->deselect();
                return false;
            });
            // Every other key that types has its normal effect and then moves on.
            const qsizetype at = order.indexOf(w);
            QWidget *next = at >= 0 ? order.at((at + 1) % order.size()) : nullptr;
            rules->setAfterKey(w, [next](QKeyEvent *key) {
                if (!next || FieldRules::isEnter(key) || Keys::isFocusMove(key) || Keys::isModifierOnly(key)
                    || key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)
                    return;
                next->setFocus(Qt::TabFocusReason);
            });
        } else if (empties) {
            rules->setKeyRule(w, [this, i](QKeyEvent *key) {
                if (!Keys::isDelete(key))
                    return false;
                setText(i, QString());
                return true;
            });
        }
        if (def.kind == BoxKind::DropDown && !(def.flags & BoxDef::ListOnly)) {
            // Entering a drop-down forgets its list selection; the text stays.
            auto *box = static_cast<QComboBox *>(w);
            rules->setEntering(w, [box] {
                const QString text = box->currentText();
                box->setCurrentIndex(-1);
                box->setEditText(text);
            });
        }
        if (auto *edit = qobject_cast<QLineEdit *>(w); edit && (def.flags & BoxDef::SelectAll))
            rules->setSelectAllOnEntry(edit);
        if (def.leaving)
            rules->setLeaving(w, [this, i, leaving = def.leaving] { setText(i, leaving(text(i))); });
    }
}

void CardBoxes::addHints(InfoBar *bar) const
{
    for (int i = 0; i < size(); ++i)
        if (!m_defs[i].hint.isEmpty())
            bar->addHint(widget(i), m_defs[i].hint);
}

void showRecordNumber(QLabel *label, int number)
{
    if (label)
        label->setText(number > 0 ? QString::number(number) : QString());
}
