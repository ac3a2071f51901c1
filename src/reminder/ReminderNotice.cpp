#include "reminder/ReminderNotice.h"

#include "agenda/Imminence.h"
#include "records/DateText.h"
#include "records/RecordArchive.h"
#include "records/TextField.h"

#include <QFileInfo>

using TextField::trimmed;

namespace {
// As wide as the cause in the agenda's list.
constexpr int CauseWidth = 40;

QString direction(const PaymentRecord &payment)
{
    const QString type = trimmed(payment.Tipologia);
    if (type == PaymentRecord::Incoming)
        return QStringLiteral("da ricevere");
    if (type == PaymentRecord::Outgoing)
        return QStringLiteral("da pagare");
    return {};
}

bool isOverdue(const PaymentRecord &payment, QDate today)
{
    const auto due = DateText::parse(payment.Data);
    return due && *due < today;
}

QString row(const PaymentRecord &payment, QDate today)
{
    QString cause = trimmed(payment.Causale);
    if (cause.size() > CauseWidth)
        cause = cause.left(CauseWidth) + u'…';
    QStringList pieces {trimmed(payment.Data), cause, QStringLiteral("€ ") + trimmed(payment.Importo)};
    const QString way = direction(payment);
    if (!way.isEmpty())
        pieces.last() += u' ' + way;
    if (isOverdue(payment, today))
        pieces.append(QStringLiteral("scaduta"));
    pieces.removeAll(QString());
    return pieces.join(QStringLiteral(" · "));
}

QString howMany(int count)
{
    return count == 1 ? QStringLiteral("1 scadenza imminente") : QStringLiteral("%1 scadenze imminenti").arg(count);
}
}

namespace ReminderNotices {

ReminderNotice imminent(const QVector<PaymentRecord> &payments, QDate today)
{
    ReminderNotice notice;
    int overdue = 0;
    for (const PaymentRecord &payment : payments)
        overdue += isOverdue(payment, today) ? 1 : 0;
    notice.critical = overdue > 0;
    notice.summary = QStringLiteral("Tarvenio: ") + howMany(int(payments.size()));
    if (overdue > 0)
        notice.summary += overdue == 1 ? QStringLiteral(" (1 scaduta)") : QStringLiteral(" (%1 scadute)").arg(overdue);

    QStringList lines;
    for (int i = 0; i < payments.size() && i < ListedRows; ++i)
        lines.append(row(payments[i], today));
    const int more = int(payments.size()) - ListedRows;
    if (more == 1)
        lines.append(QStringLiteral("e un'altra scadenza"));
    else if (more > 1)
        lines.append(QStringLiteral("e altre %1 scadenze").arg(more));
    notice.body = lines.join(u'\n');
    return notice;
}

ReminderNotice unreadable(const QString &path)
{
    ReminderNotice notice;
    notice.summary = QStringLiteral("Tarvenio: scadenze non controllate");
    notice.body = QStringLiteral("Impossibile leggere l'archivio dei pagamenti %1.\n"
                                 "Apri Tarvenio per controllare le scadenze.")
                      .arg(path);
    return notice;
}

std::optional<ReminderNotice> forToday(QDate today)
{
    const QString path = PaymentArchive::path();
    // Opening creates an absent file; a user who never saved a payment has
    // nothing due, and the reminder leaves the folder as it found it. A link
    // to nowhere would be created through, so it is only reported.
    const QFileInfo file(path);
    if (!file.exists())
        return file.isSymLink() ? std::optional(unreadable(path)) : std::nullopt;
    try {
        const auto scan = scanImminent(today);
        if (!scan.complete())
            return unreadable(path);
        if (scan.rows.isEmpty())
            return std::nullopt;
        // The few payments listed are read again whole, in the list's order.
        QVector<PaymentRecord> payments;
        payments.reserve(scan.rows.size());
        for (const ListRow &row : scan.rows)
            payments.append(PaymentArchive::read(row.record));
        return imminent(payments, today);
    } catch (const ArchiveError &) {
        return unreadable(path);
    }
}

}
