#include "PaymentFixtures.h"

#include "records/RecordArchive.h"

#include <QFile>

PaymentRecord makePayment(const QString &date, const QString &hour, const QString &minute, const QString &notice,
                          const QString &settled)
{
    PaymentRecord r;
    r.Data = date;
    r.OreApp = hour;
    r.MinutiApp = minute;
    r.Ora = hour + QLatin1Char(':') + minute;
    r.Avviso = notice;
    r.Tipologia = QStringLiteral("In uscita");
    r.Causale = QStringLiteral("Affitto ufficio");
    r.Dettagli = QStringLiteral("Canone mensile");
    r.Contatto = QStringLiteral("Immobiliare Rossi");
    r.Tel = QStringLiteral("051 123456");
    r.Cel = QStringLiteral("333 1234567");
    r.Email = QStringLiteral("info@rossi.it");
    r.Luogo = QStringLiteral("Bologna");
    r.Importo = QStringLiteral("850,00");
    r.Note = QString();
    r.Ottemperata = settled;
    return r;
}

QByteArray paymentFile(const QVector<PaymentRecord> &records)
{
    QByteArray out;
    for (const auto &r : records)
        out += r.encode();
    return out;
}

void writePaymentArchive(const QVector<PaymentRecord> &records)
{
    QFile f(PaymentArchive::path());
    const QByteArray bytes = paymentFile(records);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write the test archive %s", qPrintable(f.fileName()));
}
