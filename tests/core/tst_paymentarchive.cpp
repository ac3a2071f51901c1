// The editor's file work: which record browsing shows, saving over a record or
// at the end, and two copies of the program appending at the same moment.
#include "records/RecordArchive.h"
#include "payments/PaymentEntryRules.h"
#include "platform/Services.h"
#include "records/RecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <sched.h>
#include <iostream>
#include <stdexcept>
#include <string>

using Step = PaymentArchive::Step;

namespace {

PaymentRecord payment(const QString &cause)
{
    PaymentRecord r;
    r.Data = QStringLiteral("07/03/2025");
    r.OreApp = QStringLiteral("09");
    r.MinutiApp = QStringLiteral("30");
    r.Ora = QStringLiteral("09:30");
    r.Avviso = QStringLiteral("5");
    r.Tipologia = QStringLiteral("In uscita");
    r.Causale = cause;
    r.Contatto = QStringLiteral("Immobiliare Rossi");
    r.Importo = QStringLiteral("850,00");
    r.Ottemperata = QStringLiteral("No");
    return r;
}

QString cause(const QString &writer, int i)
{
    return QStringLiteral("%1-%2").arg(writer).arg(i, 3, 10, QLatin1Char('0'));
}

int recordsInFile(const QString &path) { return int(QFileInfo(path).size() / PaymentRecord::Size); }

// The child side of the concurrency test: wait for the start signal on stdin,
// then save `count` new payments, each as the editor saves a new card. Before
// each one it waits until both writers have finished the previous round, so
// that every round is two copies saving at the same moment. A round lost to a
// collision stops the waiting after a while, and the parent sees the loss.
int appendChild(const QString &folder, const QString &writer, int count)
{
    Services::setProgramFolder(folder);
    std::string go;
    std::getline(std::cin, go);
    bool lockstep = true;
    try {
        for (int i = 0; i < count; ++i) {
            QElapsedTimer waited;
            waited.start();
            while (lockstep && recordsInFile(PaymentArchive::path()) < 2 * i)
                if (waited.elapsed() > 2000)
                    lockstep = false; // a payment was lost: finish, and let the parent count
                else
                    sched_yield();
            PaymentArchive::save(payment(cause(writer, i)), 0);
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

}

class TestPaymentArchive : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

    QByteArray fileBytes() const
    {
        QFile f(PaymentArchive::path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        Services::setProgramFolder(m_dir->path());
    }
    void cleanup()
    {
        Services::setProgramFolder({});
        m_dir.reset();
    }

    void browseTarget_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("target");
        QTest::newRow("first") << int(Step::First) << 3 << 5 << 1;
        QTest::newRow("last") << int(Step::Last) << 1 << 5 << 5;
        QTest::newRow("next from a new card") << int(Step::Next) << 0 << 5 << 1;
        QTest::newRow("next") << int(Step::Next) << 2 << 5 << 3;
        QTest::newRow("next from the last") << int(Step::Next) << 5 << 5 << 0;
        QTest::newRow("next past the end") << int(Step::Next) << 9 << 5 << 0;
        QTest::newRow("previous from a new card") << int(Step::Previous) << 0 << 5 << 1;
        QTest::newRow("previous") << int(Step::Previous) << 4 << 5 << 3;
        QTest::newRow("previous from the first") << int(Step::Previous) << 1 << 5 << 0;
        QTest::newRow("empty archive") << int(Step::First) << 0 << 0 << 0;
    }
    void browseTarget()
    {
        QFETCH(int, step);
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(int, target);
        QCOMPARE(PaymentArchive::browseTarget(Step(step), current, count), target);
    }

    void saveAppendsAndOverwrites()
    {
        QCOMPARE(PaymentArchive::save(payment(QStringLiteral("uno")), 0), 1);
        QCOMPARE(PaymentArchive::save(payment(QStringLiteral("due")), 0), 2);
        QCOMPARE(PaymentArchive::save(payment(QStringLiteral("DUE")), 2), 2);
        const QByteArray bytes = fileBytes();
        QCOMPARE(bytes.size(), 2 * PaymentRecord::Size);
        QCOMPARE(PaymentRecord::decode(bytes.constData()).Causale, QStringLiteral("uno"));
        QCOMPARE(PaymentRecord::decode(bytes.constData() + PaymentRecord::Size).Causale, QStringLiteral("DUE"));
        QCOMPARE(PaymentArchive::read(1), payment(QStringLiteral("uno")));
    }

    void saveBeyondTheEndFails()
    {
        PaymentArchive::save(payment(QStringLiteral("uno")), 0);
        QVERIFY_THROWS_EXCEPTION(ArchiveError, PaymentArchive::save(payment(QStringLiteral("tre")), 3));
        QCOMPARE(fileBytes().size(), PaymentRecord::Size);
    }

    // A whole read says how far it got, and keeps what it made until then.
    void wholeReadSaysHowFarItGot()
    {
        const auto causes = [](QStringList &rows, const char *bytes, int number) {
            rows << QStringLiteral("%1 %2").arg(number).arg(PaymentRecord::decode(bytes).Causale);
        };
        PaymentArchive::save(payment(QStringLiteral("uno")), 0);
        PaymentArchive::save(payment(QStringLiteral("due")), 0);
        auto read = PaymentArchive::read(QStringList(), causes);
        QCOMPARE(read.outcome, ReadOutcome::Complete);
        QVERIFY(read.complete());
        QCOMPARE(read.records, 2);
        QCOMPARE(read.rows, QStringList({QStringLiteral("1 uno"), QStringLiteral("2 due")}));

        // The file shrinks while the first block is being read: the next
        // block cannot be read, and the records of the first one are kept.
        QFile file(PaymentArchive::path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int i = 0; i < 2000; ++i)
            file.write(payment(QString::number(i + 1)).encode());
        file.close();
        read = PaymentArchive::read(QStringList(), [&](QStringList &rows, const char *bytes, int number) {
            if (number == 1)
                QFile::resize(PaymentArchive::path(), 10 * PaymentRecord::Size);
            causes(rows, bytes, number);
        });
        QCOMPARE(read.outcome, ReadOutcome::Partial);
        QVERIFY(!read.complete());
        QVERIFY(read.records > 10 && read.records < 2000);
        QCOMPARE(read.rows.size(), read.records);
        QCOMPARE(read.rows.last(), QStringLiteral("%1 %1").arg(read.records));

        // A folder where the file should be: nothing is read.
        QVERIFY(QFile::remove(PaymentArchive::path()));
        QVERIFY(QDir().mkdir(PaymentArchive::path()));
        read = PaymentArchive::read(QStringList(), causes);
        QCOMPARE(read.outcome, ReadOutcome::NotOpened);
        QCOMPARE(read.records, 0);
        QVERIFY(read.rows.isEmpty());
        QVERIFY(QDir().rmdir(PaymentArchive::path()));
    }

    void twoCopiesAppendingAtOnceKeepEveryPayment()
    {
        const int each = 200;
        QProcess a, b;
        for (auto [process, writer] : {std::pair {&a, "A"}, std::pair {&b, "B"}}) {
            process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            process->start(QCoreApplication::applicationFilePath(),
                           {QStringLiteral("--append"), m_dir->path(), QLatin1String(writer), QString::number(each)});
            QVERIFY(process->waitForStarted());
        }
        // Both start writing on the same signal, so their appends interleave.
        for (QProcess *p : {&a, &b}) {
            p->write("go\n");
            QVERIFY(p->waitForBytesWritten());
        }
        for (QProcess *p : {&a, &b}) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitStatus(), QProcess::NormalExit);
            QCOMPARE(p->exitCode(), 0);
        }

        const QByteArray bytes = fileBytes();
        QCOMPARE(bytes.size(), 2 * each * PaymentRecord::Size);
        QSet<QString> seen;
        int lastOf[2] = {-1, -1};
        for (int i = 0; i < 2 * each; ++i) {
            const QByteArray record = bytes.mid(qsizetype(i) * PaymentRecord::Size, PaymentRecord::Size);
            const PaymentRecord r = PaymentRecord::decode(record);
            // Intact: exactly the bytes its writer encoded.
            QCOMPARE(record, payment(r.Causale).encode());
            QVERIFY2(!seen.contains(r.Causale), qPrintable(r.Causale));
            seen.insert(r.Causale);
            // Each writer's payments keep their order.
            const int writer = r.Causale.startsWith(QLatin1Char('A')) ? 0 : 1;
            const int n = r.Causale.mid(2).toInt();
            QCOMPARE(n, lastOf[writer] + 1);
            lastOf[writer] = n;
        }
        QCOMPARE(seen.size(), 2 * each);
    }

    void leavingRules_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("left");
        QTest::newRow("hour") << "hour"
                              << "07"
                              << "07";
        QTest::newRow("hour, last") << "hour"
                                    << "23"
                                    << "23";
        QTest::newRow("hour, one digit") << "hour"
                                         << "7"
                                         << "";
        QTest::newRow("hour, out of range") << "hour"
                                            << "24"
                                            << "";
        QTest::newRow("minute") << "minute"
                                << "59"
                                << "59";
        QTest::newRow("minute, out of range") << "minute"
                                              << "60"
                                              << "";
        QTest::newRow("type in") << "type"
                                 << "In entrata"
                                 << "In entrata";
        QTest::newRow("type out") << "type"
                                  << "In uscita"
                                  << "In uscita";
        QTest::newRow("type, other case") << "type"
                                          << "in uscita"
                                          << "";
        QTest::newRow("type, other") << "type"
                                     << "Bonifico"
                                     << "";
        QTest::newRow("notice") << "notice"
                                << "15"
                                << "15";
        QTest::newRow("notice, empty") << "notice"
                                       << ""
                                       << "0";
        QTest::newRow("notice, blanks") << "notice"
                                        << "  "
                                        << "0";
    }
    void leavingRules()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, left);
        const QString result = box == QLatin1String("hour")     ? PaymentEntry::leaveHour(text)
                               : box == QLatin1String("minute") ? PaymentEntry::leaveMinute(text)
                               : box == QLatin1String("type")   ? PaymentEntry::leaveType(text)
                                                                : PaymentEntry::leaveNotice(text);
        QCOMPARE(result, left);
    }
};

int main(int argc, char *argv[])
{
    if (argc == 5 && QByteArray(argv[1]) == "--append")
        return appendChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), std::atoi(argv[4]));
    QCoreApplication app(argc, argv);
    TestPaymentArchive test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_paymentarchive.moc"
