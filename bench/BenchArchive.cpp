#include "BenchArchive.h"

#include "records/DateText.h"
#include "records/PaymentRecord.h"

#include <QFile>
#include <QRandomGenerator>

namespace {
void writeArchive(const QString &path, int n, QDate today, int year);
}

void writeBenchArchive(const QString &path, int n, QDate today) { writeArchive(path, n, today, 0); }

void writeBenchYear(const QString &path, int n, int year) { writeArchive(path, n, QDate(year, 6, 30), year); }

namespace {
void writeArchive(const QString &path, int n, QDate today, int year)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    QRandomGenerator rng(20250515);
    const QStringList causes = {QStringLiteral("Affitto ufficio"),
                                QStringLiteral("Fattura fornitore"),
                                QStringLiteral("Bolletta energia elettrica"),
                                QStringLiteral("Rata leasing auto"),
                                QStringLiteral("Compenso consulenza"),
                                QStringLiteral("Canone assistenza software")};
    const QStringList contacts = {QStringLiteral("Immobiliare Rossi"),   QStringLiteral("Bianchi S.r.l."),
                                  QStringLiteral("Energia Nord S.p.A."), QStringLiteral("Studio Verdi"),
                                  QStringLiteral("Zanetti & Figli"),     QStringLiteral("Cooperativa Èlite")};
    QByteArray block;
    for (int i = 0; i < n; ++i) {
        PaymentRecord r;
        const bool settled = rng.bounded(2) == 0;
        const bool imminent = !settled && rng.bounded(10) == 0; // half of the unsettled tenth: ~5%
        const int days = imminent ? int(rng.bounded(10)) - 5 : 30 + int(rng.bounded(700));
        const QDate due = year ? QDate(year, 1, 1).addDays(int(rng.bounded(365)))
                               : today.addDays(imminent ? days : (rng.bounded(2) ? days : -days));
        const int hour = int(rng.bounded(24)), minute = int(rng.bounded(60));
        r.Data = DateText::format(due);
        r.OreApp = QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'));
        r.MinutiApp = QStringLiteral("%1").arg(minute, 2, 10, QLatin1Char('0'));
        r.Ora = r.OreApp + QLatin1Char(':') + r.MinutiApp;
        // Past unsettled payments would all be imminent; keep them settled.
        const bool past = due < today && !imminent;
        r.Avviso = imminent ? QStringLiteral("10") : QStringLiteral("5");
        r.Tipologia = rng.bounded(2) ? QStringLiteral("In entrata") : QStringLiteral("In uscita");
        r.Causale = causes.at(int(rng.bounded(causes.size())));
        r.Dettagli = QStringLiteral("Riferimento pratica n. %1").arg(i + 1);
        r.Contatto = contacts.at(int(rng.bounded(contacts.size())));
        r.Tel = QStringLiteral("051 %1").arg(100000 + i % 900000);
        r.Cel = QStringLiteral("333 %1").arg(1000000 + i % 9000000);
        r.Email = QStringLiteral("amministrazione@example.it");
        r.Luogo = QStringLiteral("Bologna");
        r.Importo = QStringLiteral("%1,%2").arg(rng.bounded(5000) + 1).arg(rng.bounded(100), 2, 10, QLatin1Char('0'));
        r.Note = QString();
        r.Ottemperata = (settled || past) ? QStringLiteral("Sì") : QStringLiteral("No");
        block += r.encode();
        if (block.size() > (1 << 22)) {
            file.write(block);
            block.clear();
        }
    }
    file.write(block);
}
}
