#include "payments/PaymentEntryRules.h"

#include "records/PaymentRecord.h"
#include "records/TextField.h"

namespace {
QStringList twoDigitItems(int count)
{
    QStringList items;
    for (int i = 0; i < count; ++i)
        items << QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    return items;
}

QString keepIfItem(const QString &text, const QStringList &items)
{
    return items.contains(TextField::trimmed(text)) ? text : QString();
}
}

namespace PaymentEntry {

const QStringList &hourItems()
{
    static const QStringList items = twoDigitItems(24);
    return items;
}

const QStringList &minuteItems()
{
    static const QStringList items = twoDigitItems(60);
    return items;
}

const QStringList &paymentTypes()
{
    static const QStringList items = {PaymentRecord::Incoming.toString(), PaymentRecord::Outgoing.toString()};
    return items;
}

QString leaveHour(const QString &text) { return keepIfItem(text, hourItems()); }
QString leaveMinute(const QString &text) { return keepIfItem(text, minuteItems()); }
QString leaveType(const QString &text) { return keepIfItem(text, paymentTypes()); }

QString leaveNotice(const QString &text) { return TextField::trimmed(text).isEmpty() ? QStringLiteral("0") : text; }

}

namespace PaymentEntry {

bool amountFits(const QString &amount)
{
    return TextField::trimmed(amount).size() <= PaymentLayout.capacity(&PaymentRecord::Importo);
}

QString amountTooLarge()
{
    return QStringLiteral("Attenzione: l'importo indicato è troppo grande: sono ammesse al massimo 12 cifre prima "
                          "della virgola.");
}

}
