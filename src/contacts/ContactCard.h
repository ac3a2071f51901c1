#pragma once
// What the contact card prints: its 26 rows from top to bottom, and the texts
// of its value boxes taken from the contact as the editor shows it.

#include "records/ContactRecord.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace ContactCard {

// The layout's name, its title and where its footer band lies (mm).
QString layoutName();
QString title();
constexpr qreal FooterTop = 138;

// Row labels and value box names, top to bottom.
QStringList labels();
QStringList boxes();

// (value box, text) for the 26 rows, top to bottom, which is also the order
// they are filled in. Attachments are not printed.
QList<QPair<QString, QString>> values(const ContactRecord &shown);

}
