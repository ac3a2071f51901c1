#include "agenda/Imminence.h"

#include "lists/RowBuilder.h"
#include "records/DateText.h"
#include "records/TextField.h"

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
    return RowBuilder()
        .text(QStringLiteral("ID: "))
        .rest(DueDateKey(record))
        .text(QStringLiteral("  Data: "))
        .field(record.Data, 10)
        .text(QStringLiteral("  Ora: "))
        .field(record.Ora, 5)
        .text(QStringLiteral("  "))
        .field(record.Causale, 40)
        .text(QStringLiteral("  "))
        .field(record.Contatto, 28)
        .text(QStringLiteral("  Cel. "))
        .field(record.Cel, 15)
        .text(QStringLiteral("  € "))
        .rest(record.Importo)
        .row();
}
