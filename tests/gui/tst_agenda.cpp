// The agenda: the imminent list, the alert pictures and the alarm.
#include "Controls.h"
#include "PaymentFixtures.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "app/Windows.h"
#include "payments/TfrmCalendario.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"

#include <QCalendarWidget>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QTextCharFormat>
#include <QLabel>
#include <QTest>
#include <QToolButton>

class TestAgenda : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmAgenda *agenda() const { return Windows::resident().agenda; }

    void writeSound() { m_env->writeFile(QStringLiteral("Avviso.mp3"), QByteArray("ID3 not really")); }
    void openAgenda() { child<PictureButton>(Windows::resident().avvio, "btnApp02")->click(); }
    bool quietState() const
    {
        return !child<QLabel>(agenda(), "imgPresenti")->isVisible()
               && !child<QLabel>(agenda(), "imgAppuntamentiSI")->isVisible()
               && child<QLabel>(agenda(), "imgAssenti")->isVisible()
               && child<QLabel>(agenda(), "imgAppuntamentiNO")->isVisible();
    }
    bool alertState() const
    {
        return child<QLabel>(agenda(), "imgPresenti")->isVisible()
               && child<QLabel>(agenda(), "imgAppuntamentiSI")->isVisible()
               && !child<QLabel>(agenda(), "imgAssenti")->isVisible()
               && !child<QLabel>(agenda(), "imgAppuntamentiNO")->isVisible();
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        Residents::switchTo(nullptr, Windows::resident().avvio);
    }
    void cleanup() { m_env.reset(); }

    void absentArchiveIsCreatedAndQuiet()
    {
        writeSound();
        openAgenda();
        QVERIFY(agenda()->isVisible());
        QVERIFY(QFile::exists(m_env->file(QStringLiteral("Archivio_Appuntamenti.pro"))));
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->count(), 0);
        QVERIFY(quietState());
        QCOMPARE(m_env->alarm.plays(), 0);
    }

    void imminentPaymentsAlertAndSoundOnce()
    {
        writeSound();
        PaymentRecord notYet =
            makePayment(QStringLiteral("20/05/2025"), QStringLiteral("10"), QStringLiteral("00"), QStringLiteral("4"));
        notYet.Causale = QStringLiteral("Non ancora");
        PaymentRecord dueSoon =
            makePayment(QStringLiteral("20/05/2025"), QStringLiteral("10"), QStringLiteral("00"), QStringLiteral("5"));
        dueSoon.Causale = QStringLiteral("Entro cinque giorni");
        PaymentRecord overdue =
            makePayment(QStringLiteral("14/05/2025"), QStringLiteral("08"), QStringLiteral("00"), QStringLiteral("0"));
        overdue.Causale = QStringLiteral("Scaduto ieri");
        PaymentRecord settled = overdue;
        settled.Ottemperata = QStringLiteral("Sì");
        settled.Causale = QStringLiteral("Pagato");
        PaymentRecord blank = overdue;
        blank.Ottemperata = QString();
        blank.Causale = QStringLiteral("Senza stato");
        writePaymentArchive({notYet, dueSoon, overdue, settled, blank});

        openAgenda();
        const QStringList rows = child<RowListView>(agenda(), "lstRecords")->texts();
        QCOMPARE(rows.size(), 2);
        QVERIFY(rows[0].contains(QStringLiteral("Scaduto ieri")));
        QVERIFY(rows[1].contains(QStringLiteral("Entro cinque giorni")));
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->rowModel()->rows()[0].record, 3);
        QVERIFY(alertState());
        QCOMPARE(m_env->alarm.events, QStringList({QStringLiteral("load:Avviso.mp3"), QStringLiteral("play")}));
    }

    void rowsInDateAndTimeOrder()
    {
        writePaymentArchive({makePayment(QStringLiteral("07/03/2025"), QStringLiteral("09"), QStringLiteral("30")),
                             makePayment(QStringLiteral("06/03/2026"), QStringLiteral("07"), QStringLiteral("00"),
                                         QStringLiteral("365")),
                             makePayment(QStringLiteral("07/03/2025"), QStringLiteral("08"), QStringLiteral("15"))});
        openAgenda();
        const QStringList rows = child<RowListView>(agenda(), "lstRecords")->texts();
        QCOMPARE(rows.size(), 3);
        QVERIFY(rows[0].startsWith(QStringLiteral("ID: 202503070815")));
        QVERIFY(rows[1].startsWith(QStringLiteral("ID: 202503070930")));
        QVERIFY(rows[2].startsWith(QStringLiteral("ID: 202603060700")));
    }

    void damagedRecordDoesNotHideTheRest()
    {
        writeSound();
        PaymentRecord damaged = makePayment(QString());
        PaymentRecord badNotice = makePayment(QStringLiteral("10/05/2025"));
        badNotice.Avviso = QString();
        writePaymentArchive(
            {makePayment(QStringLiteral("10/05/2025")), damaged, badNotice, makePayment(QStringLiteral("12/05/2025"))});
        openAgenda();
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->count(), 2);
        QVERIFY(alertState());
        QCOMPARE(m_env->alarm.plays(), 1);
    }

    void alertWithoutSoundFile()
    {
        writePaymentArchive({makePayment(QStringLiteral("10/05/2025"))});
        openAgenda();
        QVERIFY(alertState());
        QCOMPARE(m_env->alarm.plays(), 0);
        agenda()->close();
        QVERIFY(!m_env->alarm.events.contains(QStringLiteral("stop")));
    }

    void closeStopsTheSoundAndEveryShowReloads()
    {
        writeSound();
        writePaymentArchive({makePayment(QStringLiteral("10/05/2025"))});
        openAgenda();
        QVERIFY(m_env->alarm.playing);
        child<PictureButton>(agenda(), "imgEsci")->click();
        QVERIFY(!m_env->alarm.playing);
        QVERIFY(Windows::resident().avvio->isVisible());

        // Settled meanwhile (by another copy of the program): the next show is quiet.
        PaymentRecord settled = makePayment(QStringLiteral("10/05/2025"));
        settled.Ottemperata = QStringLiteral("Sì");
        writePaymentArchive({settled});
        openAgenda();
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->count(), 0);
        QVERIFY(quietState());
        QCOMPARE(m_env->alarm.plays(), 1);
    }

    void unreadableArchiveKeepsTheLastState()
    {
        writePaymentArchive({makePayment(QStringLiteral("10/05/2025"))});
        openAgenda();
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->count(), 1);
        agenda()->close();
        const QString path = m_env->file(QStringLiteral("Archivio_Appuntamenti.pro"));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
        openAgenda();
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->count(), 1);
        QVERIFY(alertState());
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }

    void rowIsReadWholeAmountIncluded()
    {
        PaymentRecord r = makePayment(QStringLiteral("12/05/2025"));
        r.Contatto = QString(28, QLatin1Char('C'));
        r.Causale = QString(40, QLatin1Char('K'));
        r.Cel = QString(15, QLatin1Char('3'));
        r.Importo = QStringLiteral("123456,78");
        writePaymentArchive({r});
        openAgenda();
        // As on a 1600 x 900 screen.
        agenda()->showNormal();
        agenda()->setGeometry(0, 0, 1600, 900);
        QTRY_COMPARE(agenda()->width(), 1600);
        RowListView *list = child<RowListView>(agenda(), "lstRecords");
        QCOMPARE(list->textElideMode(), Qt::ElideNone);
        const QString row = list->text(0);
        QVERIFY(row.endsWith(QStringLiteral("€ 123456,78")));
        // Drawn at the list's own font, the whole row fits the visible width.
        const QFontMetrics metrics(list->rowModel()->data(list->rowModel()->index(0), Qt::FontRole).value<QFont>());
        QVERIFY2(metrics.horizontalAdvance(row) <= list->viewport()->width(),
                 qPrintable(QStringLiteral("row %1 px, list %2 px")
                                .arg(metrics.horizontalAdvance(row))
                                .arg(list->viewport()->width())));
    }

    void todayStaysMarkedAndFailedReadClearsTheCount()
    {
        openAgenda();
        QCOMPARE(child<QLabel>(agenda(), QStringLiteral("lblConteggio"))->text(),
                 QStringLiteral("Nessun pagamento in archivio."));
        child<QCalendarWidget>(agenda(), "calAppuntamenti")->setSelectedDate(QDate(2025, 5, 20));
        const QTextCharFormat today =
            child<QCalendarWidget>(agenda(), "calAppuntamenti")->dateTextFormat(QDate(2025, 5, 15));
        QCOMPARE(today.fontWeight(), int(QFont::Bold));
        QVERIFY(today.background().style() != Qt::NoBrush);
        QVERIFY(
            child<QCalendarWidget>(agenda(), "calAppuntamenti")->dateTextFormat(QDate(2025, 5, 20)).background().style()
            == Qt::NoBrush);
        agenda()->close();
        // A folder in the archive's place cannot be read at all.
        const QString path = m_env->file(QStringLiteral("Archivio_Appuntamenti.pro"));
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkdir(path));
        openAgenda();
        QCOMPARE(child<QLabel>(agenda(), QStringLiteral("lblConteggio"))->text(), QString());
    }

    // The month arrows take the selected day along, in the agenda (whose day
    // and month grids read it) and in the date picker: to the same day of the
    // new month, or its last day when that month is shorter.
    void monthArrowsMoveTheSelectedDay_data()
    {
        QTest::addColumn<bool>("picker");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QDate>("to");
        const QString next = QStringLiteral("qt_calendar_nextmonth"), prev = QStringLiteral("qt_calendar_prevmonth");
        for (const bool picker : {false, true}) {
            const char *w = picker ? "picker" : "agenda";
            QTest::addRow("%s: same day next month", w) << picker << QDate(2026, 12, 11) << next << QDate(2027, 1, 11);
            QTest::addRow("%s: 31/01 to 28/02", w) << picker << QDate(2027, 1, 31) << next << QDate(2027, 2, 28);
            QTest::addRow("%s: 31/03 back to 29/02", w) << picker << QDate(2028, 3, 31) << prev << QDate(2028, 2, 29);
        }
    }
    void monthArrowsMoveTheSelectedDay()
    {
        QFETCH(bool, picker);
        QFETCH(QDate, from);
        QFETCH(QString, arrow);
        QFETCH(QDate, to);
        std::unique_ptr<TfrmCalendario> pickerWindow;
        QWidget *window = agenda();
        if (picker) {
            pickerWindow = std::make_unique<TfrmCalendario>();
            window = pickerWindow.get();
            window->show();
        } else {
            openAgenda();
        }
        auto *calendar = child<QCalendarWidget>(window, "calAppuntamenti");
        calendar->setSelectedDate(from);
        QCOMPARE(calendar->monthShown(), from.month());
        QTest::mouseClick(child<QToolButton>(calendar, arrow), Qt::LeftButton);
        QCOMPARE(calendar->monthShown(), to.month());
        QCOMPARE(calendar->selectedDate(), to);
    }

    void listLooksRight()
    {
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->font().pointSize(), 14);
        QVERIFY(child<RowListView>(agenda(), "lstRecords")->uniformItemSizes());
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
};

QTEST_MAIN(TestAgenda)
#include "tst_agenda.moc"
