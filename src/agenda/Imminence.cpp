#include "agenda/Imminence.h"

#include "lists/ListOrder.h"
#include "lists/RowBuilder.h"
#include "records/DateText.h"
#include "records/RecordArchive.h"
#include "records/TextField.h"

#include <QHash>

#include <algorithm>
#include <optional>

using TextField::trimmed;

bool IsImminent(const PaymentRecord &record, QDate today)
{
    return IsImminent(record.Data, record.Avviso, record.Ottemperata, today);
}

bool IsImminent(const QString &data, const QString &avviso, const QString &ottemperata, QDate today)
{
    const auto due = DateText::parse(data);
    if (!due)
        return false;
    bool ok = false;
    const int notice = trimmed(avviso).toInt(&ok);
    if (!ok)
        return false;
    if (due->addDays(-notice) > today)
        return false;
    return trimmed(ottemperata) == QStringLiteral("No");
}

namespace {
// What QString::toInt accepts once the text is trimmed: an optional sign and
// decimal digits within the range of an int.
std::optional<int> wholeNumber(std::string_view t)
{
    size_t i = 0;
    bool negative = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negative = t[0] == '-';
        i = 1;
    }
    if (i == t.size())
        return std::nullopt;
    long long value = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return std::nullopt;
        value = value * 10 + (t[i] - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL)
        return std::nullopt;
    return int(value);
}
}

bool IsImminent(std::string_view data, std::string_view avviso, std::string_view ottemperata, QDate today)
{
    // The settled flag first: it costs nothing and leaves out half the archive.
    // The order of the tests changes no answer.
    if (ottemperata != std::string_view("No"))
        return false;
    const auto due = DateText::parse(data);
    if (!due)
        return false;
    const auto notice = wholeNumber(avviso);
    return notice && due->addDays(-*notice) <= today;
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

ImminentScan scanImminent(QDate today, bool keepPayments)
{
    static const FieldRef data = PaymentLayout.field(&PaymentRecord::Data);
    static const FieldRef avviso = PaymentLayout.field(&PaymentRecord::Avviso);
    static const FieldRef settled = PaymentLayout.field(&PaymentRecord::Ottemperata);
    ImminentScan scan;
    QHash<int, PaymentRecord> kept;
    bool opened = false;
    try {
        scan.records = PaymentArchive::forEach(
            [&](const char *bytes, int number) {
                // Three fields decide; only the rows listed are decoded whole.
                if (!IsImminent(data.bytes(bytes), avviso.bytes(bytes), settled.bytes(bytes), today))
                    return;
                const PaymentRecord record = PaymentRecord::decode(bytes);
                scan.rows.append({ImminentListRow(record), number});
                if (keepPayments)
                    kept.insert(number, record);
            },
            &opened);
    } catch (const ArchiveError &) {
        if (!opened)
            throw;
        scan.complete = false;
    }
    ListOrder::sort(scan.rows);
    if (keepPayments) {
        scan.payments.reserve(scan.rows.size());
        for (const ListRow &row : scan.rows)
            scan.payments.append(kept.take(row.record));
    }
    return scan;
}
