// The reminder at login, on a private session bus (ctest starts it under
// dbus-run-session) with a stand-in notification service that records the
// calls: what it says, when it says nothing, and that it always ends.
#include "PaymentFixtures.h"
#include "platform/Services.h"
#include "records/RecordArchive.h"
#include "reminder/LoginReminder.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QDate kToday(2025, 5, 15);

PaymentRecord payment(const QString &date, const QString &notice, const QString &cause, const QString &amount,
                      const QString &type = QStringLiteral("In uscita"), const QString &settled = QStringLiteral("No"))
{
    PaymentRecord r = makePayment(date, QStringLiteral("09"), QStringLiteral("30"), notice, settled);
    r.Causale = cause;
    r.Importo = amount;
    r.Tipologia = type;
    return r;
}

// Payments that are never due on kToday.
QVector<PaymentRecord> nothingDue()
{
    return {payment(QStringLiteral("10/05/2025"), QStringLiteral("0"), QStringLiteral("Già pagata"),
                    QStringLiteral("10,00"), QStringLiteral("In uscita"), QStringLiteral("Sì")),
            payment(QStringLiteral("20/05/2025"), QStringLiteral("4"), QStringLiteral("Non ancora"),
                    QStringLiteral("20,00")),
            payment(QStringLiteral("31/02/2025"), QStringLiteral("0"), QStringLiteral("Data sbagliata"),
                    QStringLiteral("30,00"))};
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList folderListing(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}
}

class TestLoginReminder : public QObject {
    Q_OBJECT
    QTemporaryDir m_folder;
    QTemporaryDir m_logs;
    QString m_log;
    QProcess m_server;
    FixedClock m_clock {kToday};

    QDBusConnection bus() const { return QDBusConnection::sessionBus(); }

    bool serviceThere() const { return bus().interface()->isServiceRegistered(kService); }

    // The stand-in service, answering capabilities, clicking action when given.
    void startServer(const QString &capabilities, const QString &action = {})
    {
        m_server.start(QStringLiteral(FAKE_NOTIFICATION_SERVER), {m_log, capabilities, action});
        QVERIFY(m_server.waitForStarted());
        QTRY_VERIFY(serviceThere());
    }

    QVector<QJsonObject> calls(const QString &which) const
    {
        QVector<QJsonObject> found;
        for (const QByteArray &line : bytesOf(m_log).split('\n')) {
            const QJsonObject call = QJsonDocument::fromJson(line).object();
            if (call.value(QStringLiteral("call")).toString() == which)
                found.append(call);
        }
        return found;
    }

    // A minute: in a passing test only a click or the service's leaving ends
    // the wait, long before; a fault that puts a notice out where none is due
    // then fails the test instead of holding it for the program's quarter hour.
    int remind(int wait = 60 * 1000)
    {
        LoginReminder reminder(bus(), wait);
        return reminder.run();
    }

    void writePayments(const QVector<PaymentRecord> &records) { writePaymentArchive(records); }

private slots:
    void initTestCase()
    {
        QVERIFY(bus().isConnected());
        // Only ever on a bus of the test's own: on a desktop's session bus the
        // notices would reach the real screen.
        const QDBusReply<QStringList> activatable = bus().interface()->call(QStringLiteral("ListActivatableNames"));
        QVERIFY2(!serviceThere() && !activatable.value().contains(kService),
                 "run through ctest, on the private session bus");
        QVERIFY(m_folder.isValid() && m_logs.isValid());
        m_log = m_logs.filePath(QStringLiteral("calls.jsonl"));
        Services::setClock(&m_clock);
        Services::setProgramFolder(m_folder.path());
    }

    void cleanupTestCase()
    {
        Services::setClock(nullptr);
        Services::setProgramFolder(QString());
    }

    void init()
    {
        for (const QTemporaryDir *dir : {&m_folder, &m_logs}) {
            QDir(dir->path()).removeRecursively();
            QVERIFY(QDir().mkpath(dir->path()));
        }
    }

    void cleanup()
    {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.kill();
            m_server.waitForFinished();
        }
        QTRY_VERIFY(!serviceThere());
    }

    void saysNothingWhenNothingIsDue_data()
    {
        QTest::addColumn<bool>("withFile");
        QTest::newRow("no payment is due") << true;
        QTest::newRow("no payment file") << false;
    }
    void saysNothingWhenNothingIsDue()
    {
        QFETCH(bool, withFile);
        if (withFile)
            writePayments(nothingDue());
        startServer(QStringLiteral("actions,body"));
        const QStringList before = folderListing(m_folder.path());

        QCOMPARE(remind(), 0);

        QVERIFY(calls(QStringLiteral("Notify")).isEmpty());
        // Nothing written: an absent payment file stays absent.
        QCOMPARE(folderListing(m_folder.path()), before);
    }

    void listsTheDuePaymentsOnce()
    {
        QVector<PaymentRecord> records = nothingDue();
        records << payment(QStringLiteral("20/05/2025"), QStringLiteral("5"), QStringLiteral("Fattura Bianchi"),
                           QStringLiteral("1.250,00"), QStringLiteral("In entrata"))
                << payment(QStringLiteral("10/05/2025"), QStringLiteral("0"), QStringLiteral("Bolletta luce"),
                           QStringLiteral("120,50"))
                << payment(QStringLiteral("15/05/2025"), QStringLiteral("0"),
                           QStringLiteral("Rata del mutuo della casa al mare di Rimini, maggio"),
                           QStringLiteral("600,00"));
        writePayments(records);
        const QByteArray archive = bytesOf(PaymentArchive::path());
        startServer(QStringLiteral("actions,body"));

        QCOMPARE(remind(300), 0);

        const QVector<QJsonObject> notices = calls(QStringLiteral("Notify"));
        QCOMPARE(notices.size(), 1);
        const QJsonObject notice = notices.first();
        QCOMPARE(notice.value(QStringLiteral("app_name")).toString(), QStringLiteral("Tarvenio 3.0"));
        QCOMPARE(notice.value(QStringLiteral("summary")).toString(),
                 QStringLiteral("Tarvenio: 3 scadenze imminenti (1 scaduta)"));
        // In the agenda's order, a long cause cut as wide as in its list.
        QCOMPARE(notice.value(QStringLiteral("body")).toString(),
                 QStringLiteral("10/05/2025 · Bolletta luce · € 120,50 da pagare · scaduta\n"
                                "15/05/2025 · Rata del mutuo della casa al mare di Rim… · € 600,00 da pagare\n"
                                "20/05/2025 · Fattura Bianchi · € 1.250,00 da ricevere"));
        // The urgency must be a byte, or the desktop ignores it.
        QCOMPARE(notice.value(QStringLiteral("hints")).toObject().value(QStringLiteral("urgency")).toInt(), 2);
        QCOMPARE(notice.value(QStringLiteral("hint_types")).toObject().value(QStringLiteral("urgency")).toString(),
                 QStringLiteral("uchar"));
        const QJsonArray actions = notice.value(QStringLiteral("actions")).toArray();
        const qsizetype open = actions.toVariantList().indexOf(LoginReminder::openAction());
        QVERIFY(open >= 0 && open % 2 == 0);
        QCOMPARE(actions.at(open + 1).toString(), QStringLiteral("Apri Tarvenio"));
        QCOMPARE(bytesOf(PaymentArchive::path()), archive);
    }

    void listsFiveAndCountsTheRest_data()
    {
        QTest::addColumn<int>("due");
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("last");
        QTest::newRow("one") << 1 << "Tarvenio: 1 scadenza imminente"
                             << "16/05/2025 · Pagamento 1 · € 1,00 da pagare";
        QTest::newRow("five") << 5 << "Tarvenio: 5 scadenze imminenti"
                              << "20/05/2025 · Pagamento 5 · € 5,00 da pagare";
        QTest::newRow("six") << 6 << "Tarvenio: 6 scadenze imminenti"
                             << "e un'altra scadenza";
        QTest::newRow("nine") << 9 << "Tarvenio: 9 scadenze imminenti"
                              << "e altre 4 scadenze";
    }
    void listsFiveAndCountsTheRest()
    {
        QFETCH(int, due);
        QFETCH(QString, summary);
        QFETCH(QString, last);
        QVector<PaymentRecord> records;
        for (int i = due; i >= 1; --i)
            records << payment(kToday.addDays(i).toString(QStringLiteral("dd/MM/yyyy")), QStringLiteral("30"),
                               QStringLiteral("Pagamento %1").arg(i), QStringLiteral("%1,00").arg(i));
        writePayments(records);
        startServer(QStringLiteral("actions,body"));

        QCOMPARE(remind(300), 0);

        const QVector<QJsonObject> notices = calls(QStringLiteral("Notify"));
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.first().value(QStringLiteral("summary")).toString(), summary);
        const QStringList lines = notices.first().value(QStringLiteral("body")).toString().split(u'\n');
        QCOMPARE(lines.size(), qMin(due, 5) + (due > 5 ? 1 : 0));
        QCOMPARE(lines.first(), QStringLiteral("16/05/2025 · Pagamento 1 · € 1,00 da pagare"));
        QCOMPARE(lines.last(), last);
        // Nothing overdue: an ordinary notice.
        QCOMPARE(notices.first().value(QStringLiteral("hints")).toObject().value(QStringLiteral("urgency")).toInt(), 1);
    }

    void saysInItalianWhenTheFileCannotBeRead()
    {
        // A folder in place of the file: unreadable for every user, root too.
        QVERIFY(QDir().mkpath(PaymentArchive::path()));
        startServer(QStringLiteral("actions,body"));

        QCOMPARE(remind(300), 0);

        const QVector<QJsonObject> notices = calls(QStringLiteral("Notify"));
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.first().value(QStringLiteral("summary")).toString(),
                 QStringLiteral("Tarvenio: scadenze non controllate"));
        QCOMPARE(notices.first().value(QStringLiteral("body")).toString(),
                 QStringLiteral("Impossibile leggere l'archivio dei pagamenti %1.\nApri Tarvenio per controllare "
                                "le scadenze.")
                     .arg(PaymentArchive::path()));
    }

    void escapesTheTextsWhereTheBodyIsMarkup_data()
    {
        QTest::addColumn<QString>("capabilities");
        QTest::addColumn<QString>("body");
        QTest::newRow("plain text") << "actions,body"
                                    << "14/05/2025 · Rossi & <figli> · € 5,00 da pagare · scaduta";
        QTest::newRow("markup") << "actions,body,body-markup"
                                << "14/05/2025 · Rossi &amp; &lt;figli&gt; · € 5,00 da pagare · scaduta";
    }
    void escapesTheTextsWhereTheBodyIsMarkup()
    {
        QFETCH(QString, capabilities);
        QFETCH(QString, body);
        writePayments({payment(QStringLiteral("14/05/2025"), QStringLiteral("0"), QStringLiteral("Rossi & <figli>"),
                               QStringLiteral("5,00"))});
        startServer(capabilities);

        QCOMPARE(remind(300), 0);

        const QVector<QJsonObject> notices = calls(QStringLiteral("Notify"));
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices.first().value(QStringLiteral("body")).toString(), body);
    }

    void theActionStartsTheProgram_data()
    {
        QTest::addColumn<QString>("action");
        QTest::newRow("the button") << LoginReminder::openAction();
        QTest::newRow("a click on the notice") << "default";
    }
    void theActionStartsTheProgram()
    {
        QFETCH(QString, action);
        writePayments({payment(QStringLiteral("14/05/2025"), QStringLiteral("0"), QStringLiteral("Luce"),
                               QStringLiteral("5,00"))});
        // The program beside the reminder; this one only says it was started, and where.
        const QString started = m_logs.filePath(QStringLiteral("started"));
        QFile program(m_folder.filePath(QStringLiteral("tarvenio")));
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write(QStringLiteral("#!/bin/sh\npwd > '%1'\n").arg(started).toUtf8());
        program.close();
        program.setPermissions(program.permissions() | QFile::ExeOwner);
        startServer(QStringLiteral("actions,body"), action);

        // However long the wait may be, the click ends it.
        QCOMPARE(remind(), 0);

        QTRY_COMPARE(bytesOf(started).trimmed(), QDir(m_folder.path()).canonicalPath().toUtf8());
        QVERIFY(calls(QStringLiteral("CloseNotification")).isEmpty());
    }

    void waitsForTheClickOnlySoLong()
    {
        writePayments({payment(QStringLiteral("14/05/2025"), QStringLiteral("0"), QStringLiteral("Luce"),
                               QStringLiteral("5,00"))});
        startServer(QStringLiteral("actions,body"));

        QCOMPARE(remind(200), 0);

        // The notice goes with the reminder: its button would do nothing any more.
        const QVector<QJsonObject> notices = calls(QStringLiteral("Notify"));
        const QVector<QJsonObject> closed = calls(QStringLiteral("CloseNotification"));
        QCOMPARE(notices.size(), 1);
        QCOMPARE(closed.size(), 1);
        QCOMPARE(closed.first().value(QStringLiteral("id")), notices.first().value(QStringLiteral("id")));
    }

    void endsWhenTheServiceGoes()
    {
        writePayments({payment(QStringLiteral("14/05/2025"), QStringLiteral("0"), QStringLiteral("Luce"),
                               QStringLiteral("5,00"))});
        startServer(QStringLiteral("actions,body"));
        // The service goes away once the notice is out.
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [this] {
            if (!calls(QStringLiteral("Notify")).isEmpty())
                m_server.kill();
        });
        watch.start(10);

        // Without a word from the service, only the ctest time limit would end it.
        QCOMPARE(remind(), 0);

        QCOMPARE(calls(QStringLiteral("Notify")).size(), 1);
        QVERIFY(calls(QStringLiteral("CloseNotification")).isEmpty());
    }

    void doesNotWaitWhereNothingCanBeClicked()
    {
        writePayments({payment(QStringLiteral("14/05/2025"), QStringLiteral("0"), QStringLiteral("Luce"),
                               QStringLiteral("5,00"))});
        startServer(QStringLiteral("body"));

        QCOMPARE(remind(), 0);

        QCOMPARE(calls(QStringLiteral("Notify")).size(), 1);
        QVERIFY(calls(QStringLiteral("CloseNotification")).isEmpty());
    }

    void endsQuietlyWithoutANotificationService()
    {
        writePayments({payment(QStringLiteral("14/05/2025"), QStringLiteral("0"), QStringLiteral("Luce"),
                               QStringLiteral("5,00"))});
        QCOMPARE(remind(), 0);
    }

    // The executable itself, from a program folder of its own: its folder is
    // the one it reads. An overdue payment is due whatever the day of the run.
    void theProgramReadsTheFolderItLivesIn_data()
    {
        QTest::addColumn<bool>("withServer");
        QTest::newRow("a notification service") << true;
        QTest::newRow("no notification service") << false;
    }
    void theProgramReadsTheFolderItLivesIn()
    {
        QFETCH(bool, withServer);
        const QString reminder = m_folder.filePath(QStringLiteral("tarvenio-promemoria"));
        QVERIFY(
            QFile::copy(qEnvironmentVariable("TARVENIO_PROGRAM") + QStringLiteral("/tarvenio-promemoria"), reminder));
        writePayments({payment(QStringLiteral("02/01/2020"), QStringLiteral("0"), QStringLiteral("Tassa rifiuti"),
                               QStringLiteral("80,00")),
                       payment(QStringLiteral("02/01/2999"), QStringLiteral("0"), QStringLiteral("Lontana"),
                               QStringLiteral("1,00"))});
        if (withServer)
            startServer(QStringLiteral("body"));

        QProcess p;
        p.start(reminder, {});
        QVERIFY(p.waitForFinished(60000));

        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(p.readAllStandardError(), QByteArray());
        const QVector<QJsonObject> notices = calls(QStringLiteral("Notify"));
        QCOMPARE(notices.size(), withServer ? 1 : 0);
        if (withServer) {
            QCOMPARE(notices.first().value(QStringLiteral("summary")).toString(),
                     QStringLiteral("Tarvenio: 1 scadenza imminente (1 scaduta)"));
            QCOMPARE(notices.first().value(QStringLiteral("app_icon")).toString(), QStringLiteral("tarvenio"));
        }
    }
};

QTEST_GUILESS_MAIN(TestLoginReminder)
#include "tst_loginreminder.moc"
