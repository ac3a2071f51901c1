#include "ui/entry/EntryBox.h"

#include "ui/entry/FieldRules.h"

EntryBox::EntryBox(const QString &name, QWidget *parent)
    : QLineEdit(parent)
    , m_rule(InputRule::attach(this))
{
    setObjectName(name);
}

void EntryBox::setEnterTarget(QWidget *target)
{
    if (!m_keys)
        m_keys = new FieldRules(this);
    m_keys->setEnterTarget(this, target);
}
