#pragma once
// What an editor's card shows, read box by box through the boxes' names: the
// record a save of the card would write.

#include "records/ContactRecord.h"
#include "records/PaymentRecord.h"

class QWidget;

PaymentRecord shownPayment(const QWidget *editor);
ContactRecord shownContact(const QWidget *editor);
