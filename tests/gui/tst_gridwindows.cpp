// The summary grids opened from the agenda, edited in place and exported.
#include "Controls.h"
#include "CalcReader.h"
#include "PaymentFixtures.h"
#include "ModalDriver.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/PaymentGridWindows.h"
#include "agenda/TfrmAgenda.h"
#include "ui/windows/HelpTexts.h"
#include "app/TfrmAvvio.h"
#include "ui/windows/TfrmGuida.h"
#include "app/Windows.h"
#include "ui/widgets/InfoBar.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QFontMetrics>
#include <QTest>
#include <QTimer>

#include <functional>

class TestGridWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmAgenda *agenda() const { return Windows::resident().agenda; }

    // Clicks a picture that opens a modal grid, runs check on it, then closes it.
    void withGrid(PictureButton *opener, const std::function<void(PaymentGridWindow *)> &check)
    {
        QVERIFY(whileModal<PaymentGridWindow>([opener] { opener->click(); }, check));
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        Residents::switchTo(nullptr, Windows::resident().avvio);
    }
    void cleanup()
    {
        QVERIFY(m_env->dialogs.answers.isEmpty());
        m_env.reset();
    }

    void emptyArchiveShowsTenEmptyRowsAndExportsThem()
    {
        child<PictureButton>(Windows::resident().avvio, "btnApp02")->click();
        withGrid(child<PictureButton>(agenda(), "btnExcel"), [&](PaymentGridWindow *grid) {
            QCOMPARE(grid->windowTitle(), QStringLiteral(" Scadenze imminenti"));
            QCOMPARE(grid->model()->rowCount(), 10);
            QCOMPARE(grid->model()->columnCount(), 15);
            QCOMPARE(child<InfoBar>(grid, "panInfo")->text(),
                     QStringLiteral("Esportazione archivio in Microsoft Excel."));
            m_env->dialogs.queue({true, false});
            child<PictureButton>(grid, "cmdEsporta")->click();
        });
        const QByteArray file = m_env->readFile(QStringLiteral("Scadenze_Imminenti.xls"));
        QCOMPARE(file.count("<tr>"), 11);
        QVERIFY(m_env->shell.opened.isEmpty()); // No to the second question: written, not opened
    }

    void dayAndMonthFollowTheCalendar()
    {
        writePaymentArchive({makePayment(QStringLiteral("07/03/2025"), QStringLiteral("09"), QStringLiteral("30"),
                                         QStringLiteral("0"), QStringLiteral("Sì")),
                             makePayment(QStringLiteral("7/03/2025")), makePayment(QStringLiteral("20/03/2025"))});
        child<PictureButton>(Windows::resident().avvio, "btnApp02")->click();
        child<QCalendarWidget>(agenda(), "calAppuntamenti")->setSelectedDate(QDate(2025, 3, 7));
        withGrid(child<PictureButton>(agenda(), "btnGiorno"), [&](PaymentGridWindow *grid) {
            QCOMPARE(grid->windowTitle(), QStringLiteral(" Scadenze del giorno"));
            QCOMPARE(child<QLabel>(grid, "lblTitolo")->text(), QStringLiteral("Scadenze del giorno 07/03/2025"));
            QCOMPARE(grid->model()->rowCount(), 1);
            QCOMPARE(grid->model()->cell(0, 12), QStringLiteral("Sì"));
        });
        withGrid(child<PictureButton>(agenda(), "btnMese"), [&](PaymentGridWindow *grid) {
            QCOMPARE(grid->windowTitle(), QStringLiteral(" Scadenze del mese"));
            QCOMPARE(child<QLabel>(grid, "lblTitolo")->text(), QStringLiteral("Scadenze del mese di marzo 2025"));
            QCOMPARE(grid->model()->rowCount(), 2);
            QCOMPARE(grid->model()->cell(1, 1), QStringLiteral("20/03/2025"));
        });
    }

    void gridsAreDrawnWhole()
    {
        PaymentRecord r = makePayment(QStringLiteral("10/05/2025"));
        r.Causale = QStringLiteral("Una causale molto lunga che non deve essere tagliata con i puntini sullo schermo");
        writePaymentArchive({r});
        TfrmExpScadenzario grid;
        grid.show();
        QCOMPARE(child<GridView>(&grid, "grdRecords")->textElideMode(), Qt::ElideNone);
        const QFontMetrics metrics(child<GridView>(&grid, "grdRecords")->font());
        QVERIFY(child<GridView>(&grid, "grdRecords")->columnWidth(4) >= metrics.horizontalAdvance(r.Causale));
    }

    void editedCellsReachTheExportOnly()
    {
        writePaymentArchive({makePayment(QStringLiteral("10/05/2025"))});
        const QByteArray archive = m_env->readFile(QString::fromLatin1(PaymentRecord::FileName));
        child<PictureButton>(Windows::resident().avvio, "btnApp02")->click();
        withGrid(child<PictureButton>(agenda(), "btnExcel"), [&](PaymentGridWindow *grid) {
            QTableView *view = child<GridView>(grid, "grdRecords");
            // Persona o Ditta is editable here, the cause is not.
            QVERIFY(grid->model()->setData(grid->model()->index(0, 6), QStringLiteral("Nuovo & Co"), Qt::EditRole));
            QVERIFY(!grid->model()->setData(grid->model()->index(0, 4), QStringLiteral("no"), Qt::EditRole));
            // An edit typed into the cell and still open when exporting.
            view->setCurrentIndex(grid->model()->index(0, 5));
            view->edit(view->currentIndex());
            auto *editor = view->viewport()->findChild<QLineEdit *>();
            QVERIFY(editor);
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, "dettaglio nuovo");
            m_env->dialogs.queue({true, true});
            child<PictureButton>(grid, "cmdEsporta")->click();
        });
        const QByteArray file = m_env->readFile(QStringLiteral("Scadenze_Imminenti.xls"));
        QVERIFY(file.contains("<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">Nuovo &amp; Co</td>"));
        QVERIFY(file.contains(">dettaglio nuovo<"));
        QCOMPARE(m_env->readFile(QString::fromLatin1(PaymentRecord::FileName)), archive);
        QCOMPARE(m_env->shell.opened.size(), 1);
        QCOMPARE(m_env->shell.opened.first().toLocalFile(), m_env->file(QStringLiteral("Scadenze_Imminenti.xls")));
    }

    void noToTheFirstQuestionWritesNothing()
    {
        m_env->writeFile(QStringLiteral("Riepilogo_Pagamenti.xls"), "old content");
        writePaymentArchive({makePayment(QStringLiteral("10/05/2025"))});
        TfrmExpScadenzario grid;
        grid.show();
        m_env->dialogs.queue({false});
        child<PictureButton>(&grid, "cmdEsporta")->click();
        QCOMPARE(m_env->readFile(QStringLiteral("Riepilogo_Pagamenti.xls")), QByteArray("old content"));
        QCOMPARE(m_env->dialogs.shown.size(), 1);
    }

    void exportFailureMessage()
    {
        QVERIFY(QDir(m_env->folder()).mkdir(QStringLiteral("Riepilogo_Pagamenti.xls")));
        TfrmExpScadenzario grid;
        grid.show();
        m_env->dialogs.queue({true});
        child<PictureButton>(&grid, "cmdEsporta")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 2);
        QCOMPARE(m_env->dialogs.shown.last().kind, MessageKind::Plain);
        QCOMPARE(m_env->dialogs.shown.last().text,
                 QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                "Accertarsi che il file di Excel non sia già aperto."));
        QVERIFY(m_env->shell.opened.isEmpty());
    }

    void scadenzarioNumbersInFileOrder()
    {
        writePaymentArchive({makePayment(QStringLiteral("10/05/2026")), makePayment(QStringLiteral("01/01/2020")),
                             makePayment(QStringLiteral("05/05/2025"))});
        TfrmExpScadenzario grid;
        grid.show();
        QCOMPARE(grid.windowTitle(), QStringLiteral(" Esportazione archivio pagamenti"));
        QCOMPARE(grid.model()->columnCount(), 14);
        QCOMPARE(grid.model()->rowCount(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(grid.model()->cell(i, 0), QString::number(i + 1));
        QCOMPARE(grid.model()->cell(1, 1), QStringLiteral("01/01/2020"));
    }

    void hints()
    {
        TfrmExpImminenti grid;
        QCOMPARE(child<InfoBar>(&grid, "panInfo")->hintFor(child<PictureButton>(&grid, "cmdEsporta")),
                 QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
        QCOMPARE(child<InfoBar>(&grid, "panInfo")->hintFor(child<PictureButton>(&grid, "cmdGuida")),
                 QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
        QCOMPARE(child<InfoBar>(&grid, "panInfo")->hintFor(child<QAbstractButton>(&grid, "cmdEsci")),
                 QStringLiteral("Esci da questo ambiente di lavoro."));
    }

    void helpTopics()
    {
        const auto helpOf = [](PaymentGridWindow &grid) {
            QString title;
            whileModal<TfrmGuida>([&grid] { child<PictureButton>(&grid, "cmdGuida")->click(); },
                                  [&title](TfrmGuida *help) {
                                      title = child<QLabel>(help, "lblTitolo")->text();
                                      child<QPushButton>(help, "btnChiudi")->click();
                                  });
            return title;
        };
        TfrmExpMensili month(QDate(2025, 5, 15));
        QCOMPARE(helpOf(month), HelpTexts::forPaymentSummaries().title);
        TfrmExpScadenzario all;
        QCOMPARE(helpOf(all), HelpTexts::forPaymentExport().title);
    }

    void spreadsheetReadsItBack()
    {
        PaymentRecord r = makePayment(QStringLiteral("10/05/2025"));
        r.Causale = QStringLiteral("Caffè € a<b");
        r.Contatto = QStringLiteral("Società Àlfa");
        writePaymentArchive({r});
        TfrmExpScadenzario grid;
        grid.show();
        m_env->dialogs.queue({true, false});
        child<PictureButton>(&grid, "cmdEsporta")->click();
        // Read back as a user with Italian settings opens it.
        const QString failure =
            CalcReader::convert({m_env->file(QStringLiteral("Riepilogo_Pagamenti.xls"))}, m_env->folder(),
                                QStringLiteral("csv:Text - txt - csv (StarCalc):59,34,76"));
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        const QString csv = QString::fromUtf8(m_env->readFile(QStringLiteral("Riepilogo_Pagamenti.csv")));
        QVERIFY2(csv.contains(QStringLiteral("Caffè € a<b")), qPrintable(csv));
        QVERIFY(csv.contains(QStringLiteral("Società Àlfa")));
        QVERIFY(csv.contains(QStringLiteral("Impegno assolto")));
        QVERIFY(csv.contains(QStringLiteral("850,00")));
    }
};

QTEST_MAIN(TestGridWindows)
#include "tst_gridwindows.moc"
