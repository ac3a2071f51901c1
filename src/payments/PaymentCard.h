#pragma once
// What the payment card prints: its rows from top to bottom, and the texts of
// its value boxes taken from the payment as the editor shows it.

#include "records/PaymentRecord.h"

#include <QList>
#include <QPair>
#include <QStringList>

namespace PaymentCard {

// The layout's name, its title and where its footer band lies (mm).
QString layoutName();
QString title();
constexpr qreal FooterTop = 76;

// Row labels and value box names, top to bottom.
QStringList labels();
QStringList boxes();

// (value box, text) in the order the card is filled: the settled flag first,
// then the rows from the due date to the notes.
QList<QPair<QString, QString>> values(const PaymentRecord &shown);

}
