// The payment status lists, the payment search and the list print.
#include "Controls.h"
#include "PaymentFixtures.h"
#include "TestServices.h"

#include "lists/ListReport.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmTrovaScadenze.h"
#include "ui/widgets/RowList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QWidget>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedLayout>
#include <QTest>

class TestListWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;

    static PaymentRecord named(const QString &contact, const QString &date,
                               const QString &settled = QStringLiteral("No"))
    {
        PaymentRecord r = makePayment(date, QStringLiteral("09"), QStringLiteral("30"), QStringLiteral("0"), settled);
        r.Contatto = contact;
        return r;
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(QDate(2025, 5, 15)); }
    void cleanup()
    {
        QVERIFY(m_env->dialogs.answers.isEmpty());
        m_env.reset();
    }

    void eachWindowSelectsItsPayments()
    {
        writePaymentArchive({named(QStringLiteral("Ieri"), QStringLiteral("14/05/2025")),
                             named(QStringLiteral("Oggi"), QStringLiteral("15/05/2025")),
                             named(QStringLiteral("Pagato"), QStringLiteral("14/05/2025"), QStringLiteral("Sì")),
                             named(QStringLiteral("Senza stato"), QStringLiteral("14/05/2025"), QString())});
        TfrmConfermati confermati;
        confermati.show();
        QCOMPARE(confermati.windowTitle(), QStringLiteral(" Riepilogo impegni da assolvere"));
        QCOMPARE(child<RowListView>(&confermati, "lstRecords")->count(), 2);
        QVERIFY(child<RowListView>(&confermati, "lstRecords")->text(0).startsWith(QStringLiteral("Ieri")));
        TfrmScaduti scaduti;
        scaduti.show();
        QCOMPARE(scaduti.windowTitle(), QStringLiteral(" Riepilogo impegni scaduti e non assolti"));
        QCOMPARE(child<RowListView>(&scaduti, "lstRecords")->count(), 1);
        TfrmAssolti assolti;
        assolti.show();
        QCOMPARE(assolti.windowTitle(), QStringLiteral(" Riepilogo impegni assolti"));
        QCOMPARE(child<RowListView>(&assolti, "lstRecords")->texts().join(QString()).left(6), QStringLiteral("Pagato"));
        QCOMPARE(child<RowListView>(&assolti, "lstRecords")->font().pointSize(), 12);
    }

    void scrollBarsFadeWithNothingToScroll()
    {
        // An empty list: both bars stay in place but fade; rows wider and more
        // than the view bring them back.
        TfrmAssolti empty;
        empty.show();
        QVERIFY(QTest::qWaitForWindowExposed(&empty));
        QVERIFY(child<RowListView>(&empty, "lstRecords")->horizontalScrollBar()->isVisible());
        QTRY_VERIFY(!child<RowListView>(&empty, "lstRecords")->verticalScrollBar()->isEnabled());
        QVector<PaymentRecord> many;
        for (int i = 0; i < 60; ++i)
            many << named(QStringLiteral("Pagato %1").arg(i), QStringLiteral("14/05/2025"), QStringLiteral("Sì"));
        writePaymentArchive(many);
        TfrmAssolti full;
        full.show();
        QVERIFY(QTest::qWaitForWindowExposed(&full));
        QTRY_VERIFY(child<RowListView>(&full, "lstRecords")->verticalScrollBar()->isEnabled());
        QTRY_VERIFY(child<RowListView>(&full, "lstRecords")->horizontalScrollBar()->isEnabled());
    }

    void doubleClickHandsTheClickedRecord()
    {
        // Records 1 and 3 give the same row text; the editor must get the one clicked.
        writePaymentArchive({named(QStringLiteral("Rossi"), QStringLiteral("10/05/2025")),
                             named(QStringLiteral("Bianchi"), QStringLiteral("10/05/2025")),
                             named(QStringLiteral("Rossi"), QStringLiteral("10/05/2025"))});
        TfrmConfermati list;
        list.show();
        QCOMPARE(child<RowListView>(&list, "lstRecords")->text(1), child<RowListView>(&list, "lstRecords")->text(2));
        QSignalSpy chosen(&list, &ListWindow::recordChosen);
        const int firstRossi = child<RowListView>(&list, "lstRecords")->rowModel()->rows()[1].record;
        const QModelIndex index = child<RowListView>(&list, "lstRecords")->rowModel()->index(1);
        child<RowListView>(&list, "lstRecords")->setCurrentIndex(index);
        emit child<RowListView>(&list, "lstRecords")->doubleClicked(index);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().toInt(), firstRossi);
        QVERIFY(!list.isVisible());
    }

    void doubleClickOnNoRowClosesAndLoadsNothing()
    {
        writePaymentArchive({named(QStringLiteral("Rossi"), QStringLiteral("10/05/2025"))});
        TfrmConfermati list;
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        child<RowListView>(&list, "lstRecords")->setCurrentRow(0);
        QSignalSpy chosen(&list, &ListWindow::recordChosen);
        // Below the only row.
        const QPoint empty(20, child<RowListView>(&list, "lstRecords")->viewport()->height() - 10);
        QTest::mouseDClick(child<RowListView>(&list, "lstRecords")->viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!list.isVisible());
    }

    void findAndEnter()
    {
        TfrmAssolti empty;
        empty.show();
        child<QPushButton>(&empty, "btnTrova")->click();
        QCOMPARE(m_env->dialogs.texts(),
                 QStringList({QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")}));
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Plain);

        writePaymentArchive({named(QStringLiteral("Anna Rossi"), QStringLiteral("10/05/2025")),
                             named(QStringLiteral("Bianchi"), QStringLiteral("10/05/2025")),
                             named(QStringLiteral("Carla Rossi"), QStringLiteral("10/05/2025"))});
        TfrmConfermati list;
        list.show();
        QApplication::setActiveWindow(&list);
        child<QLineEdit>(&list, "txtTrova")->setFocus();
        QTest::keyClicks(child<QLineEdit>(&list, "txtTrova"), "ROSSI");
        QTest::keyClick(child<QLineEdit>(&list, "txtTrova"), Qt::Key_Return);
        QCOMPARE(child<RowListView>(&list, "lstRecords")->currentRow(), -1); // Enter only moves to "Trova"
        QVERIFY(child<QPushButton>(&list, "btnTrova")->hasFocus());
        child<QPushButton>(&list, "btnTrova")->click();
        QCOMPARE(child<RowListView>(&list, "lstRecords")->currentRow(), 0);
        child<QPushButton>(&list, "btnTrova")->click();
        QCOMPARE(child<RowListView>(&list, "lstRecords")->currentRow(), 2);
        child<QPushButton>(&list, "btnTrova")->click();
        QCOMPARE(child<RowListView>(&list, "lstRecords")->currentRow(), 0);
    }

    void printsTheListToPdf()
    {
        QVector<PaymentRecord> many;
        for (int i = 0; i < 120; ++i)
            many << named(QStringLiteral("Cliente %1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("10/05/2025"));
        many[7].Causale = QStringLiteral("Caffè è ì €");
        writePaymentArchive(many);
        TfrmConfermati list;
        list.show();
        child<QAbstractButton>(&list, "btnStampa")->click();
        QCOMPARE(m_env->reports.printed.size(), 1);
        const QString pdf = m_env->reports.printed.first();
        const QString text = pdfText(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext could not read the print");
        for (int i = 0; i < 120; ++i)
            QVERIFY2(text.contains(QStringLiteral("Cliente %1").arg(i, 3, 10, QLatin1Char('0'))),
                     qPrintable(QString::number(i)));
        QVERIFY(text.contains(QStringLiteral("Caffè è ì €")));
        const int pages = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
        QVERIFY2(pages >= 3, qPrintable(QString::number(pages)));
        QCOMPARE(text.count(QStringLiteral("Riepilogo impegni da assolvere")), pages);
        QCOMPARE(text.count(QStringLiteral("Stampa eseguita in data 15/05/2025")), pages);
        const QString size = pdfInfo(pdf, QStringLiteral("Page size"));
        QVERIFY2(size == QStringLiteral("842 x 595 pts (A4)"), qPrintable(size));
    }

    void emptyListPrintsTitleAndFooter()
    {
        TfrmAssolti list;
        list.show();
        child<QAbstractButton>(&list, "btnStampa")->click();
        const QString pdf = m_env->reports.printed.value(0);
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
        const QString text = pdfText(pdf);
        QVERIFY(text.contains(QStringLiteral("Riepilogo impegni assolti")));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 15/05/2025")));
    }

    void searchWindow()
    {
        writePaymentArchive({named(QStringLiteral("Mario Rossi"), QStringLiteral("15/03/2025")),
                             named(QStringLiteral("Bianchi"), QStringLiteral("15/03/2025")),
                             named(QStringLiteral("Rossi Anna"), QStringLiteral("16/03/2025"))});
        TfrmTrovaScadenze search;
        search.show();
        QApplication::setActiveWindow(&search);
        QCOMPARE(search.windowTitle(), QStringLiteral(" Trova pagamenti in archivio"));
        QVERIFY(child<QWidget>(&search, "panAvvio")->isVisible());
        QVERIFY(child<QLineEdit>(&search, "txtData")->hasFocus());
        QVERIFY(child(&search, "effCampo01")->isVisible());
        // Enter walks the boxes and wraps from the notes to the date.
        for (int i = 0; i < 9; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(child<QLineEdit>(&search, "txtNote")->hasFocus());
        QVERIFY(!child(&search, "effCampo01")->isVisible());
        QTest::keyClick(child<QLineEdit>(&search, "txtNote"), Qt::Key_Return);
        QVERIFY(child<QLineEdit>(&search, "txtData")->hasFocus());

        child<QLineEdit>(&search, "txtContatto")->setText(QStringLiteral("rossi"));
        child<QLineEdit>(&search, "txtData")->setText(QStringLiteral("15/03"));
        child<QPushButton>(&search, "btnCerca")->click();
        QVERIFY(child<QWidget>(&search, "panContainer")->isVisible());
        QVERIFY(!child<QWidget>(&search, "panAvvio")->isVisible());
        QCOMPARE(child<RowListView>(&search, "lstRecords")->count(), 1);
        QCOMPARE(child<QLabel>(&search, "lblTrovate")->text(),
                 QStringLiteral("Il presente riepilogo contiene 1 schede."));
        QCOMPARE(child<QLabel>(&search, "lblConta")->text(), QStringLiteral("2"));
        QVERIFY(child<QLineEdit>(&search, "txtTrova")->hasFocus());

        // Only an opener that names itself gets the record.
        QSignalSpy chosen(&search, &ListWindow::recordChosen);
        child<RowListView>(&search, "lstRecords")->setCurrentRow(0);
        emit child<RowListView>(&search, "lstRecords")
            ->doubleClicked(child<RowListView>(&search, "lstRecords")->rowModel()->index(0));
        QCOMPARE(chosen.count(), 0);
        QVERIFY(!search.isVisible());
    }

    void searchHandsTheRecordToTheEditor()
    {
        writePaymentArchive({named(QStringLiteral("Bianchi"), QStringLiteral("15/03/2025")),
                             named(QStringLiteral("Verdi"), QStringLiteral("15/03/2025"))});
        TfrmTrovaScadenze search(Opener::PaymentEditor);
        search.show();
        child<QPushButton>(&search, "btnCerca")->click();
        QCOMPARE(child<QLabel>(&search, "lblTrovate")->text(),
                 QStringLiteral("Il presente riepilogo contiene 2 schede."));
        QSignalSpy chosen(&search, &ListWindow::recordChosen);
        child<RowListView>(&search, "lstRecords")->setCurrentRow(1);
        emit child<RowListView>(&search, "lstRecords")
            ->doubleClicked(child<RowListView>(&search, "lstRecords")->rowModel()->index(1));
        QCOMPARE(chosen.value(0).value(0).toInt(), 2);
        child<QAbstractButton>(&search, "btnStampa")->click();
        QVERIFY(pdfText(m_env->reports.printed.value(0)).contains(QStringLiteral("Riepilogo pagamenti in archivio")));
    }

    void searchFindingNothingAndFileError()
    {
        TfrmTrovaScadenze search;
        search.show();
        child<QLineEdit>(&search, "txtNote")->setText(QStringLiteral("niente"));
        child<QPushButton>(&search, "btnCerca")->click();
        QCOMPARE(child<QLabel>(&search, "lblTrovate")->text(),
                 QStringLiteral("Il presente riepilogo contiene 0 schede."));

        TfrmTrovaScadenze blocked;
        blocked.show();
        const QString path = m_env->file(QString::fromLatin1(PaymentRecord::FileName));
        QFile::remove(path);
        QVERIFY(QDir().mkdir(path)); // a folder where the archive should be
        child<QPushButton>(&blocked, "btnCerca")->click();
        QCOMPARE(
            m_env->dialogs.texts().value(0),
            QStringLiteral(
                "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma."));
        QVERIFY(child<QWidget>(&blocked, "panAvvio")->isVisible());
        QDir().rmdir(path);
    }
};

QTEST_MAIN(TestListWindows)
#include "tst_listwindows.moc"
