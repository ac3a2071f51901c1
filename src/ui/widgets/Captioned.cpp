#include "ui/widgets/Captioned.h"

#include "ui/widgets/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace Captioned {

QWidget *above(QWidget *parent, const QString &caption, QLayout *content, int spacing)
{
    auto *cell = new QWidget(parent);
    auto *v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(spacing);
    v->addWidget(Widgets::caption(cell, caption));
    v->addLayout(content);
    return cell;
}

QWidget *above(QWidget *parent, const QString &caption, QWidget *box, QWidget *beside, int spacing)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(2 * spacing);
    row->addWidget(box, 1);
    if (beside)
        row->addWidget(beside);
    return above(parent, caption, row, spacing);
}

}
