#pragma once
// An editor's boxes described once, one row per field: the record member it
// shows, its control's object name and kind, what may be typed into it, its
// place in the Enter chain, what it holds on a blank card, its leaving rule and
// its hint. The box's capacity is the field's, read from the record layout.
// From this one table come creating the boxes, showing a record, reading it
// back, blanking the card, the key and Enter rules and the hints. The card also
// keeps the number of the record it shows, which its position label displays.
//
// The window only lays the boxes out and adds what is its own (the buttons).

#include "ui/entry/InputRule.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

class FieldRules;
class InfoBar;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

enum class BoxKind {
    Text,         // an entry box
    ReadOnlyText, // an entry box the user cannot type into
    DropDown,     // an editable drop-down list
    Check,        // a check box: items {checked text, unchecked text}
    Hidden,       // a hidden label: a value the user does not see
};

struct BoxDef {
    enum Flag {
        InChain = 1, // Enter moves on from here; the chain follows the table
        Centred = 2,
        RightAligned = 4,
        OneCharacter = 8,     // every key that types moves the focus on, Backspace/Delete empty
        ListOnly = 16,        // a drop-down whose value comes only from its list
        EmptiedByDelete = 32, // Backspace or Delete empties the box
        SelectAll = 64,       // entering the box selects its text
        KeptOnBlank = 128,    // blanking the card leaves the box as it is
    };
    const char *name = nullptr;
    BoxKind kind = BoxKind::Text;
    int flags = InChain;
    QString allowed {}; // characters that may be typed or pasted; empty: any
    InputRule::Normalise normalise = InputRule::Normalise::None;
    QString blank {};                              // the text on a blank card
    QString hint {};                               // the info bar's text over the box
    QStringList items {};                          // a drop-down's list; a check box's two texts
    QString (*leaving)(const QString &) = nullptr; // what the text becomes when the focus leaves
};

// The boxes of one card, by their place in the table.
class CardBoxes {
public:
    // capacity: each box's maximum length (0 for none), in table order.
    CardBoxes(QVector<BoxDef> defs, const QVector<int> &capacities, QWidget *parent);

    int size() const { return int(m_defs.size()); }
    QWidget *widget(int i) const { return m_widgets[size_t(i)]; }
    int indexOf(const QString &name) const;

    // The text a box holds: a drop-down's edit text, a check box's text for
    // its state. Text set here runs no rule: it is the program's.
    QString text(int i) const;
    // A check box takes only its two texts; anything else leaves it as it was.
    void setText(int i, const QString &text);
    void blank();

    // The boxes of the Enter chain, in table order.
    QList<QWidget *> chain() const;
    // Key, Enter, entering and leaving rules of the boxes (what may be typed
    // into a box is its InputRule, made with it).
    void installRules(FieldRules *rules);
    void addHints(InfoBar *bar) const;

private:
    QVector<BoxDef> m_defs;
    std::vector<QWidget *> m_widgets;
};

template <typename Record>
struct CardField {
    QString Record::*member; // nullptr: a box of no field
    BoxDef box;
};

template <typename Record>
class RecordCard {
public:
    RecordCard(const QVector<CardField<Record>> &fields, QWidget *parent)
        : m_members(membersOf(fields))
        , m_boxes(defsOf(fields), capacitiesOf(fields), parent)
    {
    }

    CardBoxes &boxes() { return m_boxes; }
    const CardBoxes &boxes() const { return m_boxes; }

    QWidget *widget(QString Record::*member) const { return m_boxes.widget(indexOf(member)); }
    template <typename W>
    W *box(QString Record::*member) const
    {
        return static_cast<W *>(widget(member));
    }
    template <typename W>
    W *box(const char *name) const
    {
        return static_cast<W *>(m_boxes.widget(m_boxes.indexOf(QLatin1String(name))));
    }

    // Every field of the record into its box, as stored: no rule runs.
    void show(const Record &record)
    {
        for (int i = 0; i < m_boxes.size(); ++i)
            if (m_members[i])
                m_boxes.setText(i, record.*m_members[i]);
    }
    // The record the boxes describe; fields without a box stay empty.
    Record read() const
    {
        Record r;
        for (int i = 0; i < m_boxes.size(); ++i)
            if (m_members[i])
                r.*m_members[i] = m_boxes.text(i);
        return r;
    }
    void blank() { m_boxes.blank(); }

    // The number of the record the card shows, 0 for a card not yet saved;
    // the position label shows it (empty for 0).
    int number() const { return m_number; }
    void setNumber(int number);
    void setPositionLabel(QLabel *label) { m_position = label; }

private:
    static QVector<QString Record::*> membersOf(const QVector<CardField<Record>> &fields)
    {
        QVector<QString Record::*> out;
        for (const auto &f : fields)
            out.append(f.member);
        return out;
    }
    static QVector<BoxDef> defsOf(const QVector<CardField<Record>> &fields)
    {
        QVector<BoxDef> out;
        for (const auto &f : fields)
            out.append(f.box);
        return out;
    }
    static QVector<int> capacitiesOf(const QVector<CardField<Record>> &fields)
    {
        QVector<int> out;
        for (const auto &f : fields)
            out.append(f.member ? Record::layout().capacity(f.member) : 0);
        return out;
    }
    int indexOf(QString Record::*member) const { return int(m_members.indexOf(member)); }

    QVector<QString Record::*> m_members;
    CardBoxes m_boxes;
    int m_number = 0;
    QLabel *m_position = nullptr;
};

// Shows number in label: empty for 0.
void showRecordNumber(QLabel *label, int number);

template <typename Record>
void RecordCard<Record>::setNumber(int number)
{
    m_number = number;
    showRecordNumber(m_position, number);
}
