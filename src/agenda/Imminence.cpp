#include "agenda/Imminence.h"

#include "lists/ListOrder.h"
#include "lists/RowBuilder.h"
#include "records/DateText.h"
#include "records/TextField.h"

#include <algorithm>
#include <optional>
#include <string_view>

using TextField::trimmed;

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

bool IsImminent(const char *record, QDate today)
{
    static constexpr FieldRef data = PaymentLayout.field(&PaymentRecord::Data);
    static constexpr FieldRef avviso = PaymentLayout.field(&PaymentRecord::Avviso);
    // The settled flag first: it costs nothing and leaves out half the archive.
    // The order of the tests changes no answer.
    if (settlementOf(record) != Settlement::Unsettled)
        return false;
    const auto due = DateText::parse(data.bytes(record));
    if (!due)
        return false;
    const auto notice = wholeNumber(avviso.bytes(record));
    return notice && due->addDays(-*notice) <= today;
}

QString DueDateKey(const PaymentRecord &record)
{
    const QString date = trimmed(record.Data);
    return date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2) + trimmed(record.OreApp) + trimmed(record.MinutiApp);
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

ArchiveRead<QVector<ListRow>> scanImminent(QDate today)
{
    auto scan =
        PaymentArchive::read(QVector<ListRow>(), [today](QVector<ListRow> &rows, const char *bytes, int number) {
            // Three fields decide; only the rows listed are decoded whole.
            if (IsImminent(bytes, today))
                rows.append({ImminentListRow(PaymentRecord::decode(bytes)), number});
        });
    ListOrder::sort(scan.rows);
    return scan;
}
