// The journal register: which payments it lists and how, its totals and
// balance, damaged records, the find that carries over from one register to
// the next, the print and the help.
#include "Controls.h"
#include "PaymentFixtures.h"
#include "TestServices.h"

#include "ui/windows/HelpTexts.h"
#include "ui/windows/TfrmGuida.h"
#include "journal/JournalRow.h"
#include "journal/TfrmBilancio.h"
#include "lists/ListReport.h"
#include "records/RecordArchive.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QString kMarch1 = QStringLiteral("01/03/2025");
const QString kMarch31 = QStringLiteral("31/03/2025");

PaymentRecord movement(const QString &date, const QString &type, const QString &amount,
                       const QString &cause = QStringLiteral("Affitto ufficio"),
                       const QString &contact = QStringLiteral("Immobiliare Rossi"))
{
    PaymentRecord r = makePayment(date);
    r.Tipologia = type;
    r.Importo = amount;
    r.Causale = cause;
    r.Contatto = contact;
    return r;
}
const QString In = QStringLiteral("In entrata");
const QString Out = QStringLiteral("In uscita");

QStringList causes(const TfrmBilancio &w)
{
    QStringList out;
    for (const QString &row : child<RowListView>(&w, "lstRecords")->texts())
        out << row.mid(39, 40).trimmed();
    return out;
}

// Runs of blanks made one, for texts read back from a PDF.
QString simplified(const QString &text) { return text.simplified(); }
}

class TestJournalRegister : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;

    // Lets the register's queued notices run before the test looks at them.
    static void flushTimers()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>(QDate(2025, 5, 15));
        TfrmBilancio::forgetLastSearch();
    }
    void cleanup()
    {
        QVERIFY(m_env->dialogs.answers.isEmpty());
        m_env.reset();
    }

    void listsTheIntervalInFileOrder()
    {
        const QVector<PaymentRecord> records = {
            movement(QStringLiteral("28/02/2025"), In, QStringLiteral("1,00")),
            movement(kMarch31, Out, QStringLiteral("2000,00"), QStringLiteral("Fornitura")),
            movement(kMarch1, In, QStringLiteral("1250,00"), QStringLiteral("Fattura 1"),
                     QStringLiteral("Mario Rossi")),
            movement(QStringLiteral("01/04/2025"), Out, QStringLiteral("4,00")),
            movement(QStringLiteral("15/03/2025"), In, QStringLiteral("300,50"), QStringLiteral("Fattura 2")),
        };
        writePaymentArchive(records);
        TfrmBilancio w(QString(), kMarch1, kMarch31);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral(" Tarvenio 3.0 - Primanota e Bilancio"));
        QVERIFY(w.windowState() & Qt::WindowMaximized);
        QVERIFY(w.windowFlags() & Qt::WindowCloseButtonHint);
        QCOMPARE(child<QLabel>(&w, "titCausale")->text(), QStringLiteral("- - -"));
        QCOMPARE(child<QLabel>(&w, "lblTipologia")->text(), QStringLiteral("PRIMANOTA E BILANCIO - Causale :"));
        QCOMPARE(child<QLabel>(&w, "lblConta")->text(), QStringLiteral("0"));
        QCOMPARE(child<QLabel>(&w, "lblIntervallo")->text(), QStringLiteral("Dal   01/03/2025   al   31/03/2025"));
        QCOMPARE(child<RowListView>(&w, "lstRecords")->texts(),
                 QStringList({JournalRow(records[1]), JournalRow(records[2]), JournalRow(records[4])}));
        QCOMPARE(child<RowListView>(&w, "lstRecords")->rowModel()->rows().at(1).record, 3);
        QCOMPARE(child<QLabel>(&w, "lblTotEntrate")->text(), QStringLiteral("1550,50 €"));
        QCOMPARE(child<QLabel>(&w, "lblTotUscite")->text(), QStringLiteral("2000,00 €"));
        QCOMPARE(child<QLabel>(&w, "lblBilancio")->text(), QStringLiteral("-449,50 €"));
        for (QLabel *amount :
             {child<QLabel>(&w, "lblTotEntrate"), child<QLabel>(&w, "lblTotUscite"), child<QLabel>(&w, "lblBilancio")})
            QVERIFY(amount->alignment() & Qt::AlignRight);
        QCOMPARE(child<QLabel>(&w, "titTotEntrate")->text(), QStringLiteral("TOTALE ENTRATE :"));
        QCOMPARE(child<QLabel>(&w, "titTotUscite")->text(), QStringLiteral("TOTALE USCITE :"));
        QCOMPARE(child<QLabel>(&w, "infTotKmPercorsi")->text(), QStringLiteral("BILANCIO ENTRATE E USCITE :"));
        QCOMPARE(child<QLabel>(&w, "infIntervallo")->text(), QStringLiteral("Intervallo selezionato :"));
        QCOMPARE(child<QAbstractButton>(&w, "btnStampa")->text(), QStringLiteral("Stampa primanota"));
        QTRY_VERIFY(child<QLineEdit>(&w, "txtTrova")->hasFocus());

        // Rows are drawn whole, in a fixed-pitch font, and scroll sideways.
        const QModelIndex first = child<RowListView>(&w, "lstRecords")->rowModel()->index(0);
        const QFont font = first.data(Qt::FontRole).value<QFont>();
        QCOMPARE(font.family(), QStringLiteral("Courier New"));
        QCOMPARE(font.pointSize(), 12);
        QCOMPARE(child<RowListView>(&w, "lstRecords")->textElideMode(), Qt::ElideNone);
        QVERIFY(child<RowListView>(&w, "lstRecords")->uniformItemSizes());
        QCOMPARE(child<RowListView>(&w, "lstRecords")->sizeHintForIndex(first).width(), 1600);
        QCOMPARE(child<RowListView>(&w, "lstRecords")->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(child<RowListView>(&w, "lstRecords")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void selectsByCause_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("no cause") << ""
                                  << "- - -"
                                  << QStringList({"Affitto gennaio", "AFFITTO box", "Afitto", "Rata affitto", "Luce"});
        QTest::newRow("blanks only") << "   "
                                     << "- - -"
                                     << QStringList(
                                            {"Affitto gennaio", "AFFITTO box", "Afitto", "Rata affitto", "Luce"});
        QTest::newRow("affitto") << "affitto"
                                 << "affitto" << QStringList({"Affitto gennaio", "AFFITTO box", "Rata affitto"});
        QTest::newRow("leading blank") << " affitto"
                                       << "affitto" << QStringList({"Rata affitto"});
        QTest::newRow("nothing matches") << "gas"
                                         << "gas" << QStringList();
    }

    void selectsByCause()
    {
        QFETCH(QString, cause);
        QFETCH(QString, title);
        QFETCH(QStringList, listed);
        QVector<PaymentRecord> records;
        for (const char *c : {"Affitto gennaio", "AFFITTO box", "Afitto", "Rata affitto", "Luce"})
            records << movement(QStringLiteral("10/03/2025"), Out, QStringLiteral("10,00"), QLatin1String(c));
        // Settled or not, both are listed.
        records[1].Ottemperata = QStringLiteral("Sì");
        writePaymentArchive(records);
        TfrmBilancio w(cause, kMarch1, kMarch31);
        w.show();
        QCOMPARE(causes(w), listed);
        QCOMPARE(child<QLabel>(&w, "titCausale")->text(), title);
        QCOMPARE(child<QLabel>(&w, "lblConta")->text(),
                 title == QStringLiteral("- - -") ? QStringLiteral("0") : QStringLiteral("1"));
        QCOMPARE(child<QLabel>(&w, "lblTotUscite")->text(), QStringLiteral("%1,00 €").arg(listed.size() * 10));
    }

    void totals_data()
    {
        QTest::addColumn<QStringList>("movements"); // "type:amount"
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("nothing") << QStringList() << QStringList({"0,00 €", "0,00 €", "0,00 €"});
        QTest::newRow("only outgoing") << QStringList({"In uscita:50,00", "In uscita:30,00"})
                                       << QStringList({"0,00 €", "80,00 €", "-80,00 €"});
        QTest::newRow("0,10 and 0,20") << QStringList({"In entrata:0,10", "In entrata:0,20"})
                                       << QStringList({"0,30 €", "0,00 €", "0,30 €"});
        QTest::newRow("close incomes and expenses")
            << QStringList({"In entrata:100,00", "In uscita:99,99"}) << QStringList({"100,00 €", "99,99 €", "0,01 €"});
        QTest::newRow("the same, larger") << QStringList({"In entrata:9483,31", "In uscita:9483,21"})
                                          << QStringList({"9483,31 €", "9483,21 €", "0,10 €"});
        QTest::newRow("three decimals") << QStringList({"In entrata:12,345"})
                                        << QStringList({"12,345 €", "0,00 €", "12,345 €"});
        QTest::newRow("a type of neither kind")
            << QStringList({"Rimborso:5,00", "In entrata:1,00"}) << QStringList({"1,00 €", "0,00 €", "1,00 €"});
    }

    void totals()
    {
        QFETCH(QStringList, movements);
        QFETCH(QStringList, labels);
        QVector<PaymentRecord> records;
        for (const QString &m : movements)
            records << movement(QStringLiteral("10/03/2025"), m.section(u':', 0, 0), m.section(u':', 1));
        writePaymentArchive(records);
        TfrmBilancio w(QString(), kMarch1, kMarch31);
        w.show();
        QCOMPARE(QStringList({child<QLabel>(&w, "lblTotEntrate")->text(), child<QLabel>(&w, "lblTotUscite")->text(),
                              child<QLabel>(&w, "lblBilancio")->text()}),
                 labels);
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), movements.size());
        flushTimers();
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void damagedRecordsAreSkippedAndTold()
    {
        writePaymentArchive({
            movement(QStringLiteral("05/03/2025"), In, QStringLiteral("100,00")),
            movement(QStringLiteral("06/03/2025"), In, QStringLiteral("abc")),
            movement(QStringLiteral("31/02/2025"), Out, QStringLiteral("5,00")),
            movement(QStringLiteral("no date"), Out, QStringLiteral("5,00"), QStringLiteral("Luce")), // another cause
            movement(QStringLiteral("07/03/2025"), Out, QStringLiteral("99,99")),
        });
        TfrmBilancio w(QStringLiteral("affitto"), kMarch1, kMarch31);
        w.show();
        // The reading goes on past them, and the totals hold every readable record.
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 2);
        QCOMPARE(child<RowListView>(&w, "lstRecords")->rowModel()->rows().at(1).record, 5);
        QCOMPARE(child<QLabel>(&w, "lblTotEntrate")->text(), QStringLiteral("100,00 €"));
        QCOMPARE(child<QLabel>(&w, "lblTotUscite")->text(), QStringLiteral("99,99 €"));
        QCOMPARE(child<QLabel>(&w, "lblBilancio")->text(), QStringLiteral("0,01 €"));
        QCOMPARE(child<QLabel>(&w, "lblIntervallo")->text(), QStringLiteral("Dal   01/03/2025   al   31/03/2025"));
        // Told once the register is shown, not before.
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QTRY_COMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown.first().kind, MessageKind::Warning);
        QCOMPARE(m_env->dialogs.shown.first().text,
                 QStringLiteral("Attenzione: 2 schede dell'archivio non sono leggibili (data o importo non validi) e "
                                "non sono comprese nella primanota."));
    }

    void archiveThatCannotBeRead()
    {
        QVERIFY(QDir().mkdir(PaymentArchive::path())); // a folder where the archive should be
        TfrmBilancio w(QStringLiteral("affitto"), kMarch1, kMarch31);
        w.show();
        flushTimers();
        QDir().rmdir(PaymentArchive::path());
        QCOMPARE(child<QLabel>(&w, "titCausale")->text(), QStringLiteral("affitto"));
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 0);
        for (QLabel *amount :
             {child<QLabel>(&w, "lblTotEntrate"), child<QLabel>(&w, "lblTotUscite"), child<QLabel>(&w, "lblBilancio")})
            QCOMPARE(amount->text(), QStringLiteral("0,00"));
        QCOMPARE(child<QLabel>(&w, "lblIntervallo")->text(), QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void missingArchiveIsCreatedEmpty()
    {
        TfrmBilancio w(QString(), kMarch1, kMarch31);
        w.show();
        QVERIFY(QFile::exists(PaymentArchive::path()));
        QCOMPARE(child<QLabel>(&w, "lblBilancio")->text(), QStringLiteral("0,00 €"));
        child<QPushButton>(&w, "btnTrova")->click();
        child<QAbstractButton>(&w, "btnStampa")->click();
        QCOMPARE(m_env->dialogs.texts(),
                 QStringList({QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."),
                              QStringLiteral("Operazione di stampa non applicabile: la primanota non contiene nessun "
                                             "movimento in entrata o in uscita.")}));
        QCOMPARE(m_env->dialogs.shown.at(0).kind, MessageKind::Plain);
        QCOMPARE(m_env->dialogs.shown.at(1).kind, MessageKind::Warning);
        QVERIFY(m_env->reports.printed.isEmpty());
    }

    void findCarriesOverToTheNextRegister()
    {
        writePaymentArchive({
            movement(QStringLiteral("02/03/2025"), Out, QStringLiteral("1,00"), QStringLiteral("Affitto"),
                     QStringLiteral("Rossi Mario")),
            movement(QStringLiteral("03/03/2025"), Out, QStringLiteral("1,00"), QStringLiteral("Affitto"),
                     QStringLiteral("Bianchi")),
            movement(QStringLiteral("04/03/2025"), Out, QStringLiteral("1,00"), QStringLiteral("Affitto"),
                     QStringLiteral("ROSSI Anna")),
            movement(QStringLiteral("05/03/2025"), Out, QStringLiteral("1,00"), QStringLiteral("Affitto"),
                     QStringLiteral("Verdi")),
        });
        {
            TfrmBilancio first(QString(), kMarch1, kMarch31);
            first.show();
            QVERIFY(QTest::qWaitForWindowActive(&first));
            child<QLineEdit>(&first, "txtTrova")->setFocus();
            QTest::keyClicks(child<QLineEdit>(&first, "txtTrova"), "rossi");
            QTest::keyClick(child<QLineEdit>(&first, "txtTrova"), Qt::Key_Return);
            QCOMPARE(child<RowListView>(&first, "lstRecords")->currentRow(), -1); // Enter only moves to "Trova"
            QVERIFY(child<QPushButton>(&first, "btnTrova")->hasFocus());
            QTest::keyClick(child<QPushButton>(&first, "btnTrova"), Qt::Key_Return); // on "Trova" it searches
            QCOMPARE(child<RowListView>(&first, "lstRecords")->currentRow(), 0);
            first.close();
        }
        QCOMPARE(TfrmBilancio::lastSearch(), QStringLiteral("rossi"));

        // The next register remembers the text: the search goes on from the
        // selected row instead of starting again at the top.
        TfrmBilancio second(QString(), kMarch1, kMarch31);
        second.show();
        QCOMPARE(child<QLineEdit>(&second, "txtTrova")->text(), QString());
        child<QLineEdit>(&second, "txtTrova")->setText(QStringLiteral("ROSSI"));
        child<QPushButton>(&second, "btnTrova")->click();
        QCOMPARE(child<RowListView>(&second, "lstRecords")->currentRow(), 2);
        child<QPushButton>(&second, "btnTrova")->click();
        QCOMPARE(child<RowListView>(&second, "lstRecords")->currentRow(), 0); // wrapped
        child<QLineEdit>(&second, "txtTrova")->setText(QStringLiteral("verdi"));
        child<QPushButton>(&second, "btnTrova")->click();
        QCOMPARE(child<RowListView>(&second, "lstRecords")->currentRow(), 3);
        child<QLineEdit>(&second, "txtTrova")->setText(QString());
        child<QPushButton>(&second, "btnTrova")->click();
        QCOMPARE(child<RowListView>(&second, "lstRecords")->currentRow(), 3); // an empty text never moves
    }

    void printsEveryRowAndTheSummary()
    {
        QVector<PaymentRecord> records;
        for (int i = 0; i < 70; ++i)
            records << movement(QStringLiteral("%1/03/2025").arg(i % 28 + 1, 2, 10, QLatin1Char('0')), i % 3 ? Out : In,
                                QStringLiteral("%1,25").arg(i + 1),
                                QStringLiteral("Affitto rata %1").arg(i, 3, 10, QLatin1Char('0')));
        records[5].Contatto = QStringLiteral("Caffè Verdi & C.");
        writePaymentArchive(records);
        TfrmBilancio w(QStringLiteral("rata "), kMarch1, kMarch31);
        w.show();
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 70);

        m_env->dialogs.queue({false});
        child<QAbstractButton>(&w, "btnStampa")->click();
        QVERIFY(m_env->reports.printed.isEmpty()); // No prints nothing

        m_env->dialogs.queue({true});
        child<QAbstractButton>(&w, "btnStampa")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 2);
        QVERIFY(m_env->dialogs.shown.at(1).question);
        QCOMPARE(m_env->dialogs.shown.at(1).text, QStringLiteral("Si vuole stampare la presente primanota?"));
        QCOMPARE(m_env->reports.printed.size(), 1);
        QCOMPARE(m_env->reports.titles.value(0), QStringLiteral("Primanota"));
        const QString pdf = m_env->reports.printed.first();
        const QString text = pdfText(pdf);
        QVERIFY2(!text.isEmpty(), "pdftotext could not read the print");
        const QString flat = simplified(text);
        const int pages = pdfInfo(pdf, QStringLiteral("Pages")).toInt();
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Page size")), QStringLiteral("842 x 595 pts (A4)"));
        QCOMPARE(flat.count(QStringLiteral("PRIMANOTA E BILANCIO - Causale : rata")), pages);
        for (const QString &row : child<RowListView>(&w, "lstRecords")->texts())
            QVERIFY2(flat.contains(simplified(row)), qPrintable(row));
        QVERIFY(flat.contains(QStringLiteral("Caffè Verdi & C.")));

        // The five closing lines, their values lined up after 30 characters.
        const QStringList summary = {
            QStringLiteral("INTERVALLO SELEZIONATO : Dal 01/03/2025 al 31/03/2025"),
            QStringLiteral("TOTALE ENTRATE : ") + child<QLabel>(&w, "lblTotEntrate")->text(),
            QStringLiteral("TOTALE USCITE : ") + child<QLabel>(&w, "lblTotUscite")->text(),
            QStringLiteral("BILANCIO ENTRATE E USCITE : ") + child<QLabel>(&w, "lblBilancio")->text(),
        };
        QVERIFY(flat.contains(QStringLiteral("- - - - - - - - - - - - - - - - ") + summary.join(QLatin1Char(' '))));
        QCOMPARE(child<QLabel>(&w, "lblTotEntrate")->text(), QStringLiteral("858,00 €"));
        QCOMPARE(child<QLabel>(&w, "lblTotUscite")->text(), QStringLiteral("1644,50 €"));
        QCOMPARE(child<QLabel>(&w, "lblBilancio")->text(), QStringLiteral("-786,50 €"));
        QList<qsizetype> valueColumns;
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            for (const char *head :
                 {"INTERVALLO SELEZIONATO :", "TOTALE ENTRATE :", "TOTALE USCITE :", "BILANCIO ENTRATE E USCITE :"}) {
                const qsizetype at = line.indexOf(QLatin1String(head));
                if (at >= 0) {
                    qsizetype value = at + qstrlen(head);
                    while (value < line.size() && line.at(value) == u' ')
                        ++value;
                    valueColumns << value - at;
                }
            }
        }
        QCOMPARE(valueColumns, QList<qsizetype>({30, 30, 30, 30}));
    }

    void printLayoutSizesTheMemo()
    {
        const QStringList rows = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        const QStringList closing = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                                     QStringLiteral("5")};
        ReportLayout r = ListReport::filled(QStringLiteral("Primanota"), QStringLiteral("Titolo"), rows, closing);
        QCOMPARE(r.name, QStringLiteral("Primanota"));
        const ReportText *memo = r.text(QStringLiteral("txtRiepilogo"));
        QVERIFY(memo);
        QCOMPARE(memo->text, QStringLiteral("a\nb\nc\n1\n2\n3\n4\n5"));
        QVERIFY(qFuzzyCompare(memo->rect.height(), pixelsToMm(8 * 12.822)));
        QVERIFY(qFuzzyCompare(r.band(QStringLiteral("MasterData"))->height, pixelsToMm(8 * 12.822 + 10)));
        QCOMPARE(r.text(QStringLiteral("txtTitolo"))->text, QStringLiteral("Titolo"));
    }

    void helpAndClosing()
    {
        writePaymentArchive({movement(QStringLiteral("10/03/2025"), In, QStringLiteral("1,00"))});
        TfrmBilancio w(QString(), kMarch1, kMarch31);
        w.show();
        QString title;
        int paragraphs = 0;
        QTimer::singleShot(0, this, [&] {
            if (auto *help = qobject_cast<TfrmGuida *>(QApplication::activeModalWidget())) {
                title = child<QLabel>(help, "lblTitolo")->text();
                paragraphs = int(HelpTexts::forJournal().text.split(QStringLiteral("\r\n\r\n")).size());
            }
            while (QWidget *still = QApplication::activeModalWidget())
                still->close();
        });
        child<PictureButton>(&w, "imgGuida")->click();
        QCOMPARE(title, QStringLiteral("App Primanota e Bilancio"));
        QCOMPARE(paragraphs, 4);

        QSignalSpy closed(&w, &TfrmBilancio::closed);
        child<QPushButton>(&w, "btnEsci")->click();
        QCOMPARE(closed.count(), 1);
        QVERIFY(!w.isVisible());
        QCOMPARE(child<RowListView>(&w, "lstRecords")->count(), 0);

        // The title-bar button closes the same way.
        TfrmBilancio other(QString(), kMarch1, kMarch31);
        other.show();
        QSignalSpy otherClosed(&other, &TfrmBilancio::closed);
        QVERIFY(other.close());
        QCOMPARE(otherClosed.count(), 1);
    }
};

QTEST_MAIN(TestJournalRegister)
#include "tst_journalregister.moc"
