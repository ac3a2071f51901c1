#include "agenda/Imminence.h"

#include "records/DateText.h"
#include "records/TextField.h"

using TextField::fixedWidth;
using TextField::trimmed;

bool IsImminent(const PaymentRecord &record, QDate today)
{
    const auto due = DateText::parse(record.Data);
    if (!due)
        return false;
    bool ok = false;
    const int notice = trimmed(record.Avviso).toInt(&ok);
    if (!ok)
        return false;
    if (due->addDays(-notice) > today)
        return false;
    return trimmed(record.Ottemperata) == QStringLiteral("No");
}

QString DueDateKey(const PaymentRecord &record)
{
    const QString date = trimmed(record.Data);
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2) + trimmed(record.OreApp)
        + trimmed(record.MinutiApp);
}

QString ImminentListRow(const PaymentRecord &record)
{
    QString row;
    row.reserve(160);
    row += QStringLiteral("ID: ");
    row += trimmed(DueDateKey(record));
    row += QStringLiteral("  Data: ");
    row += fixedWidth(record.Data, 10);
    row += QStringLiteral("  Ora: ");
    row += fixedWidth(record.Ora, 5);
    row += QStringLiteral("  ");
    row += fixedWidth(record.Causale, 40);
    row += QStringLiteral("  ");
    row += fixedWidth(record.Contatto, 28);
    row += QStringLiteral("  Cel. ");
    row += fixedWidth(record.Cel, 15);
    row += QStringLiteral("  € ");
    row += trimmed(record.Importo);
    return row;
}
