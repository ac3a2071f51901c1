// What the windows make of an archive that cannot be read or written as
// asked: a read-only archive is shown; one that cannot be read at all is
// reported, never shown as calm, empty or exported "with success"; a save
// waits for another copy only so long, backs the file up once a day, and
// refuses an amount its field cannot hold.
#include "Controls.h"
#include "LockHolder.h"
#include "ModalDriver.h"
#include "PaymentFixtures.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/PaymentGridWindows.h"
#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "records/ArchiveMessages.h"
#include "records/DailyBackup.h"
#include "records/RecordFile.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

class TestReliability : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmAgenda *agenda() const { return Windows::resident().agenda; }
    TfrmArchivio_Scadenze *ed() const { return Windows::resident().archivio; }
    QString archivePath() const { return m_env->file(QString::fromLatin1(PaymentRecord::FileName)); }

    // Puts a folder where the archive should be: a file nobody can read.
    void makeUnreadable()
    {
        QFile::remove(archivePath());
        QVERIFY(QDir().mkdir(archivePath()));
    }
    bool errorShown() const
    {
        for (const ShownMessage &m : m_env->dialogs.shown)
            if (m.kind == MessageKind::Error && m.text == ArchiveMessages::accessError())
                return true;
        return false;
    }
    void fillCard()
    {
        child<QLineEdit>(ed(), "txtData")->setText(QStringLiteral("20/06/2025"));
        child<QComboBox>(ed(), "txtTipologia")->setEditText(QStringLiteral("In uscita"));
        child<QLineEdit>(ed(), "txtCausale")->setText(QStringLiteral("Affitto"));
        child<QLineEdit>(ed(), "txtContatto")->setText(QStringLiteral("Immobiliare Rossi"));
        child<QLineEdit>(ed(), "txtImporto")->setText(QStringLiteral("850,00"));
    }
    void openEditor()
    {
        Residents::switchTo(nullptr, ed());
        QVERIFY(QTest::qWaitForWindowActive(ed()));
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        Residents::switchTo(nullptr, Windows::resident().avvio);
    }
    void cleanup()
    {
        RecordFile::setLockTimeout(RecordFile::DefaultLockTimeout);
        Services::setFreeSpace({});
        QFile::setPermissions(archivePath(), QFile::ReadOwner | QFile::WriteOwner);
        m_env.reset();
    }

    void readOnlyArchiveIsShownEverywhere()
    {
        writePaymentArchive({makePayment(QStringLiteral("12/05/2025")),
                             makePayment(QStringLiteral("01/04/2025"), QStringLiteral("09"), QStringLiteral("30"),
                                         QStringLiteral("0"), QStringLiteral("Sì"))});
        QVERIFY(QFile::setPermissions(archivePath(), QFile::ReadOwner | QFile::ReadGroup));
        child<PictureButton>(Windows::resident().avvio, "btnApp02")->click();
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->count(), 1);
        QVERIFY(agenda()->isAlertState());
        TfrmAssolti settled;
        settled.show();
        QCOMPARE(child<RowListView>(&settled, "lstRecords")->count(), 1);
        TfrmExpScadenzario grid;
        grid.show();
        QCOMPARE(grid.model()->rowCount(), 2);
        QVERIFY(child<PictureButton>(&grid, "cmdEsporta")->isEnabled());
        QCoreApplication::processEvents();
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void unreadableArchiveIsReportedNotCalm()
    {
        writePaymentArchive({makePayment(QStringLiteral("12/05/2025"))});
        m_env->writeFile(QStringLiteral("Avviso.mp3"), QByteArray("ID3"));
        child<PictureButton>(Windows::resident().avvio, "btnApp02")->click();
        QVERIFY(agenda()->isAlertState());
        agenda()->close();
        makeUnreadable();
        child<PictureButton>(Windows::resident().avvio, "btnApp02")->click();
        QTRY_VERIFY(errorShown());
        // Not the quiet state: what was shown before stays.
        QVERIFY(agenda()->isAlertState());
        QCOMPARE(child<RowListView>(agenda(), "lstRecords")->count(), 1);
        QCOMPARE(m_env->alarm.plays(), 1);
    }

    void unreadableArchiveInListsAndGrids()
    {
        makeUnreadable();
        {
            TfrmConfermati list;
            list.show();
            QTRY_VERIFY(errorShown());
            QCOMPARE(child<RowListView>(&list, "lstRecords")->count(), 0);
        }
        m_env->dialogs.clear();
        TfrmExpScadenzario grid;
        grid.show();
        QTRY_VERIFY(errorShown());
        // The design rows are not offered for export as if they were the archive.
        QCOMPARE(grid.model()->rowCount(), 10);
        QVERIFY(!child<PictureButton>(&grid, "cmdEsporta")->isEnabled());
    }

    void anotherCopyHoldingTheArchiveFailsTheSaveInTime()
    {
        writePaymentArchive({makePayment(QStringLiteral("12/05/2025"))});
        const QByteArray before = m_env->readFile(QString::fromLatin1(PaymentRecord::FileName));
        RecordFile::setLockTimeout(300);
        LockHolder other(archivePath());
        QVERIFY(other.locked());
        openEditor();
        fillCard();
        QElapsedTimer clock;
        clock.start();
        child<PictureButton>(ed(), "cmdSalva")->click();
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(m_env->dialogs.texts().last(), ArchiveMessages::inUse());
        QCOMPARE(m_env->dialogs.shown.last().kind, MessageKind::Warning);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(m_env->readFile(QString::fromLatin1(PaymentRecord::FileName)), before);
        // Once the other copy lets go, the same save goes through.
        other.release();
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("2"));
    }

    void firstSaveOfTheDayBacksUpTheArchive()
    {
        writePaymentArchive({makePayment(QStringLiteral("12/05/2025"))});
        const QByteArray before = m_env->readFile(QString::fromLatin1(PaymentRecord::FileName));
        openEditor();
        fillCard();
        child<PictureButton>(ed(), "cmdSalva")->click();
        child<PictureButton>(ed(), "cmdSalva")->click();
        const QString copy = DailyBackup::folder()
                             + DailyBackup::copyName(QString::fromLatin1(PaymentRecord::FileName), QDate(2025, 5, 15));
        QFile f(copy);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before); // the file as it was before the day's first save
        QCOMPARE(QDir(DailyBackup::folder()).entryList(QDir::Files).size(), 1);
        QVERIFY(!m_env->dialogs.texts().contains(DailyBackup::failureWarning()));
    }

    void aBackupThatCannotBeMadeWarnsOnceAndLetsTheSaveThrough()
    {
        writePaymentArchive({makePayment(QStringLiteral("12/05/2025"))});
        // A file where the backup folder should go: no copy can be made.
        m_env->writeFile(QStringLiteral("Backup"), QByteArray("non una cartella"));
        openEditor();
        fillCard();
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("2"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.texts().count(DailyBackup::failureWarning()), 1);
        QCOMPARE(m_env->dialogs.texts().count(EditorMessagesChanged()), 1);
    }

    // Ten copies dated 2099 (a clock once set wrong) never push out today's,
    // and the user hears of them once.
    void futureDatedCopiesKeepTodaysAndAreToldOnce()
    {
        writePaymentArchive({makePayment(QStringLiteral("12/05/2025"))});
        const QByteArray before = m_env->readFile(QString::fromLatin1(PaymentRecord::FileName));
        const QString file = QString::fromLatin1(PaymentRecord::FileName);
        QVERIFY(QDir().mkpath(DailyBackup::folder()));
        QStringList future;
        for (int day = 1; day <= 10; ++day) {
            future << DailyBackup::copyName(file, QDate(2099, 3, day));
            m_env->writeFile(QStringLiteral("Backup/") + future.last(), QByteArray("from 2099"));
        }
        openEditor();
        fillCard();
        child<PictureButton>(ed(), "cmdSalva")->click();
        child<PictureButton>(ed(), "cmdSalva")->click();
        const QString today = DailyBackup::copyName(file, QDate(2025, 5, 15));
        QCOMPARE(m_env->readFile(QStringLiteral("Backup/") + today), before);
        for (const QString &name : future)
            QCOMPARE(m_env->readFile(QStringLiteral("Backup/") + name), QByteArray("from 2099"));
        const QString warning = DailyBackup::futureCopiesWarning(file, future);
        QCOMPARE(m_env->dialogs.texts().count(warning), 1);
        QCOMPARE(m_env->dialogs.shown[m_env->dialogs.texts().indexOf(warning)].kind, MessageKind::Warning);
        QVERIFY(!m_env->dialogs.texts().contains(DailyBackup::failureWarning()));
    }

    // A sparse archive that claims more than the backup's disk has free is
    // not copied: the warning, and the save goes through.
    void aSparseArchiveBeyondTheFreeSpaceIsNotCopied()
    {
        writePaymentArchive({makePayment(QStringLiteral("12/05/2025"))});
        const QString path = archivePath();
        const qint64 size = qint64(PaymentRecord::Size) * 50000; // about 63 MB, nearly all hole
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(size));
        }
        Services::setFreeSpace([](const QString &) { return qint64(40) << 20; });
        openEditor();
        fillCard();
        child<PictureButton>(ed(), "cmdSalva")->click();
        Services::setFreeSpace({});
        QCOMPARE(m_env->dialogs.texts().count(DailyBackup::failureWarning()), 1);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("50001"));
        QCOMPARE(QFileInfo(path).size(), size + PaymentRecord::Size);
        QVERIFY(QDir(DailyBackup::folder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void amountTooLongForItsField_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("fits");
        QTest::addColumn<QString>("left");
        QTest::newRow("twelve digits") << "123456789012,5" << true << "123456789012,50";
        QTest::newRow("thirteen digits") << "1234567890123" << false << "1234567890123";
        QTest::newRow("fifteen digits") << "999999999999999" << false << "999999999999999";
        QTest::newRow("twelve nines and cents") << "999999999999,99" << true << "999999999999,99";
        QTest::newRow("one decimal past thirteen") << "1234567890123,5" << false << "1234567890123,5";
    }
    void amountTooLongForItsField()
    {
        QFETCH(QString, typed);
        QFETCH(bool, fits);
        QFETCH(QString, left);
        openEditor();
        fillCard();
        child<QLineEdit>(ed(), "txtImporto")->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(child<QLineEdit>(ed(), "txtImporto")->hasFocus());
        child<QLineEdit>(ed(), "txtImporto")->clear();
        QTest::keyClicks(child<QLineEdit>(ed(), "txtImporto"), typed);
        child<QLineEdit>(ed(), "txtCausale")->setFocus(Qt::MouseFocusReason);
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), left);
        const QString warning = QStringLiteral("Attenzione: l'importo indicato è troppo grande: sono ammesse al "
                                               "massimo 12 cifre prima della virgola.");
        QCOMPARE(m_env->dialogs.texts().contains(warning), !fits);
        if (!fits) {
            QTRY_VERIFY(child<QLineEdit>(ed(), "txtImporto")->hasFocus());
            // Save refuses it too, once, and writes nothing.
            m_env->dialogs.clear();
            child<PictureButton>(ed(), "cmdSalva")->click();
            QCOMPARE(m_env->dialogs.texts(), QStringList {warning});
            QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
            QCOMPARE(m_env->readFile(QString::fromLatin1(PaymentRecord::FileName)), QByteArray());
        }
    }

private:
    static QString EditorMessagesChanged()
    {
        return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
    }
};

QTEST_MAIN(TestReliability)
#include "tst_reliability.moc"
