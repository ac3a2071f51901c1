// The five exports as the spreadsheet program of this platform reads them,
// with Italian and with English settings: every text cell exactly as
// exported, every amount a number to the cent, every due date a date and
// every time a time, the headers bold and the document named.
#include "Controls.h"
#include "CalcReader.h"
#include "ContactFixtures.h"
#include "PaymentFixtures.h"
#include "TestServices.h"

#include "agenda/PaymentGridWindows.h"
#include "agenda/PaymentGrids.h"
#include "contacts/ContactGrid.h"
#include "contacts/TfrmExpAnagrafica.h"
#include "ui/windows/GridWindow.h"
#include "ui/widgets/PictureButton.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QTest>

#include <memory>

namespace {

// What the sheet must make of a column's cells, by the column's header: the
// payments' due date, time and amount, the contact document's due date.
enum class Expect { Text, Amount, Date, Time };
Expect expectedKind(const QString &exportFile, const QString &header)
{
    const bool contacts = exportFile == QLatin1String("Anagrafica.xls");
    if (header == QLatin1String("Data scadenza"))
        return Expect::Date;
    if (!contacts && header == QLatin1String("Ora"))
        return Expect::Time;
    if (!contacts && header == QLatin1String("Importo"))
        return Expect::Amount;
    return Expect::Text;
}

// The fixture's cells of those columns that are no value: they go out as text.
const QSet<QString> kNotValues = {QStringLiteral("12,3x"),      QStringLiteral("9.30"),   QStringLiteral("32/03/2024"),
                                  QStringLiteral("31/02/2026"), QStringLiteral("non so"), QString()};

// Texts that a spreadsheet is tempted to read as something else. Each must
// come back as the same text from some export.
const QStringList kHardTexts = {QStringLiteral("00186"),
                                QStringLiteral("01987650585"),
                                QStringLiteral("0612345678"),
                                QStringLiteral("4111111111111111"),
                                QStringLiteral("=1+1"),
                                QStringLiteral("1E5"),
                                QStringLiteral("15/03/2024"),
                                QStringLiteral("1250,50"),
                                QStringLiteral("0,50"),
                                QStringLiteral("202403150930"),
                                QStringLiteral("000123"),
                                QStringLiteral("RSSMRA80A01H501U"),
                                QStringLiteral("Caffè e più: 5 €"),
                                QStringLiteral("Società Àlfa & Figli <srl>"),
                                QStringLiteral("12,3x"),
                                QStringLiteral("32/03/2024"),
                                QStringLiteral("non so")};
const QStringList kAmounts = {QStringLiteral("0,01"), QStringLiteral("1250,50"), QStringLiteral("1234567,89")};

QString trimmedCell(QString t)
{
    while (!t.isEmpty() && t.front().unicode() <= 32)
        t.remove(0, 1);
    while (!t.isEmpty() && t.back().unicode() <= 32)
        t.chop(1);
    return t;
}

// An exported file, and the grid it was exported from as it stood.
struct Export {
    QString file;
    QString sheetName;
    QStringList headers;
    QVector<QStringList> grid;
};

// The users' readings: their settings and, where given, what they pick in
// the dialog the spreadsheet shows on opening such a file.
struct Reading {
    const char *name;
    const char *locale;
    const char *importFilter;
    char16_t decimalSeparator;
};
const Reading kReadings[] = {
    {"Italian settings", "it_IT.UTF-8", "", u','},
    {"English settings", "en_US.UTF-8", "", u'.'},
    // The language English (USA) and "detect special numbers" picked on opening.
    {"Italian settings, English picked on opening", "it_IT.UTF-8", "calc_HTML_WebQuery:1033 1", u','},
};

PaymentRecord payment(const QString &date, const QString &time, const QString &notice, const QString &amount)
{
    PaymentRecord r = makePayment(date, time.left(2), time.right(2), notice);
    r.Ora = time;
    r.Importo = amount;
    return r;
}

}

class TestSpreadsheets : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    QVector<Export> m_exports;
    // Each reading's folder of converted files, and what went wrong converting.
    QStringList m_folders, m_failures;

    // Exports what the window shows, after the edits, and keeps the grid.
    void exportFrom(GridWindow &window, const ExportLayout &layout,
                    const QVector<std::tuple<int, int, QString>> &edits = {})
    {
        window.show();
        GridModel *model = window.model();
        for (const auto &[row, column, text] : edits)
            QVERIFY(model->setData(model->index(row, column), text, Qt::EditRole));
        Export e {layout.fileName, layout.sheetName, {}, {}};
        for (const ExportColumn &c : layout.columns)
            e.headers << c.header;
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->cell(r, c);
            e.grid << cells;
        }
        m_env->dialogs.queue({true, false});
        child<PictureButton>(&window, "cmdEsporta")->click();
        QVERIFY(QFile::exists(m_env->file(e.file)));
        m_exports << e;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(!CalcReader::soffice().isEmpty(), "soffice is not installed: ./dev installs libreoffice-calc-nogui");
        for (const char *locale : {"it_IT.UTF-8", "en_US.UTF-8"})
            QVERIFY2(CalcReader::localeInstalled(QLatin1String(locale)),
                     qPrintable(QStringLiteral("%1 is not installed: ./dev generates it").arg(QLatin1String(locale))));

        // Today is 10/03/2024; the agenda's calendar stands on 15/03/2024.
        m_env = std::make_unique<TestEnvironment>(QDate(2024, 3, 10));
        PaymentRecord p1 = payment(QStringLiteral("15/03/2024"), QStringLiteral("09:30"), QStringLiteral("10"),
                                   QStringLiteral("0,01"));
        p1.Causale = QStringLiteral("Caffè e più: 5 €");
        p1.Dettagli = QStringLiteral("=1+1");
        p1.Contatto = QStringLiteral("01987650585");
        p1.Tel = QStringLiteral("0612345678");
        p1.Luogo = QStringLiteral("00186");
        p1.Note = QStringLiteral("1E5");
        PaymentRecord p2 = payment(QStringLiteral("15/03/2024"), QStringLiteral("14:05"), QStringLiteral("10"),
                                   QStringLiteral("1250,50"));
        p2.Tipologia = QStringLiteral("In entrata");
        p2.Dettagli = QStringLiteral("15/03/2024");
        p2.Contatto = QStringLiteral("Società Àlfa & Figli <srl>");
        p2.Note = QStringLiteral("4111111111111111");
        PaymentRecord p3 = payment(QStringLiteral("01/03/2024"), QStringLiteral("08:00"), QStringLiteral("30"),
                                   QStringLiteral("1234567,89"));
        p3.Note = QStringLiteral("0,50");
        PaymentRecord p4 = payment(QStringLiteral("20/03/2024"), QStringLiteral("9.30"), QStringLiteral("10"),
                                   QStringLiteral("12,3x"));
        PaymentRecord p5 =
            payment(QStringLiteral("32/03/2024"), QStringLiteral("10:00"), QStringLiteral("0"), QStringLiteral("5,00"));
        writePaymentArchive({p1, p2, p3, p4, p5});

        ContactRecord c1 = fullContact(1);
        c1.Nome = QStringLiteral("Società Àlfa & Figli <srl>");
        c1.Cap01 = QStringLiteral("0");
        c1.Cap02 = QStringLiteral("0");
        c1.Cap03 = QStringLiteral("1");
        c1.Cap04 = QStringLiteral("8");
        c1.Cap05 = QStringLiteral("6");
        c1.Tel = QStringLiteral("0612345678");
        c1.PartitaIva = QStringLiteral("01987650585");
        c1.CodFisc = QStringLiteral("RSSMRA80A01H501U");
        c1.Carta = QStringLiteral("4111111111111111");
        c1.Occupazione = QStringLiteral("15/03/2024");
        c1.Prodotti = QStringLiteral("1250,50");
        c1.Questioni = QStringLiteral("1E5");
        c1.Note = QStringLiteral("=1+1");
        c1.DataSca = QStringLiteral("31/12/2026");
        ContactRecord c2 = fullContact(2);
        c2.DataSca = QStringLiteral("31/02/2026");
        ContactRecord c3 = fullContact(3);
        c3.DataSca = QStringLiteral("15/06/2027");
        writeContactArchive({c1, c2, c3});

        const QDate calendar(2024, 3, 15);
        {
            TfrmExpImminenti w;
            // The key column is editable here: a code typed with leading zeros.
            exportFrom(w, ExportLayouts::imminenti(), {{0, 14, QStringLiteral("000123")}});
        }
        {
            TfrmExpGiornaliere w(calendar);
            exportFrom(w, ExportLayouts::giornaliere());
        }
        {
            TfrmExpMensili w(calendar);
            exportFrom(w, ExportLayouts::mensili());
        }
        {
            TfrmExpScadenzario w;
            exportFrom(w, ExportLayouts::scadenzario());
        }
        {
            TfrmExpAnagrafica w;
            // A due date the user edited into words.
            exportFrom(w, ExportLayouts::anagrafica(), {{2, 22, QStringLiteral("non so")}});
        }
        QCOMPARE(m_exports.size(), 5);
        QCOMPARE(m_exports[0].grid.size(), 4); // the record with no such date is never imminent
        QCOMPARE(m_exports[1].grid.size(), 2);
        QCOMPARE(m_exports[2].grid.size(), 5);
        QCOMPARE(m_exports[3].grid.size(), 5);
        QCOMPARE(m_exports[4].grid.size(), 3);

        // Every reading at once: each has a profile of its own.
        QStringList files;
        for (const Export &e : std::as_const(m_exports))
            files << m_env->file(e.file);
        std::vector<std::unique_ptr<CalcReader::Conversion>> conversions;
        for (const Reading &r : kReadings) {
            m_folders << QDir(m_env->folder()).filePath(QString::number(m_folders.size()));
            QVERIFY(QDir().mkpath(m_folders.last()));
            conversions.push_back(
                std::make_unique<CalcReader::Conversion>(files, m_folders.last(), QStringLiteral("fods"),
                                                         QLatin1String(r.locale), QLatin1String(r.importFilter)));
        }
        for (const auto &conversion : conversions)
            m_failures << conversion->finish();
    }

    void cleanupTestCase() { m_env.reset(); }

    void readBack_data()
    {
        QTest::addColumn<int>("reading");
        for (int i = 0; i < int(std::size(kReadings)); ++i)
            QTest::newRow(kReadings[i].name) << i;
    }
    void readBack()
    {
        QFETCH(int, reading);
        const QChar decimalSeparator(kReadings[reading].decimalSeparator);
        const QString out = m_folders.value(reading);
        QVERIFY2(m_failures.value(reading).isEmpty(), qPrintable(m_failures.value(reading)));

        QStringList wrong;
        QSet<QString> textsSeen, amountsSeen;
        int dates = 0, times = 0;
        for (const Export &e : std::as_const(m_exports)) {
            const CalcReader::Sheet sheet = CalcReader::readFods(
                QDir(out).filePath(QFileInfo(e.file).completeBaseName() + QStringLiteral(".fods")));
            QVERIFY2(sheet.read, qPrintable(e.file));
            // The spreadsheet takes the document's title from the file; the
            // sheet itself it names as it always does.
            QCOMPARE(sheet.title, e.sheetName);
            for (int c = 0; c < e.headers.size(); ++c) {
                const CalcReader::Cell h = sheet.at(0, c);
                if (h.text != e.headers[c] || !h.bold || h.type != QLatin1String("string"))
                    wrong << QStringLiteral("%1 header %2: %3 %4 bold %5")
                                 .arg(e.file)
                                 .arg(c)
                                 .arg(h.type, h.text)
                                 .arg(h.bold);
            }
            QCOMPARE(sheet.rows.size(), e.grid.size() + 1);
            for (int r = 0; r < e.grid.size(); ++r) {
                for (int c = 1; c <= e.headers.size(); ++c) {
                    const QString text = trimmedCell(e.grid[r][c]);
                    const CalcReader::Cell got = sheet.at(r + 1, c - 1);
                    const QString where = QStringLiteral("%1 row %2 %3 \"%4\": got %5 \"%6\" (%7)")
                                              .arg(e.file)
                                              .arg(r + 1)
                                              .arg(e.headers[c - 1], text, got.type, got.text, got.value);
                    const Expect kind = expectedKind(e.file, e.headers[c - 1]);
                    if (kind == Expect::Text || kNotValues.contains(text)) {
                        // Text, exactly as written.
                        if (got.text != text || got.type != (text.isEmpty() ? QString() : QStringLiteral("string")))
                            wrong << where;
                        textsSeen << got.text;
                    } else if (kind == Expect::Amount) {
                        // A number equal to the amount to the cent, shown with the
                        // settings' decimal separator and two decimals.
                        const qint64 cents = qRound64(QString(text).replace(u',', u'.').toDouble() * 100);
                        const bool exact = got.type == QLatin1String("float")
                                           && qRound64(got.value.toDouble() * 100) == cents
                                           && qAbs(got.value.toDouble() * 100 - double(cents)) < 1e-6;
                        if (!exact || got.text != QString(text).replace(u',', decimalSeparator))
                            wrong << where;
                        amountsSeen << text;
                    } else if (kind == Expect::Date) {
                        const QDate date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
                        if (got.type != QLatin1String("date") || got.value != date.toString(Qt::ISODate)
                            || got.text != text)
                            wrong << where;
                        ++dates;
                    } else {
                        const QString value = QStringLiteral("PT%1H%2M00S").arg(text.left(2), text.right(2));
                        if (got.type != QLatin1String("time") || got.value != value || got.text != text)
                            wrong << where;
                        ++times;
                    }
                }
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
        for (const QString &hard : kHardTexts)
            QVERIFY2(textsSeen.contains(hard), qPrintable(hard + QStringLiteral(" never came back as text")));
        for (const QString &amount : kAmounts)
            QVERIFY2(amountsSeen.contains(amount), qPrintable(amount + QStringLiteral(" never came back as a number")));
        // Due dates in all five exports, times in the four payment exports.
        QCOMPARE(dates, 4 + 2 + 4 + 4 + 1);
        QCOMPARE(times, 3 + 2 + 4 + 4);
    }
};

QTEST_MAIN(TestSpreadsheets)
#include "tst_spreadsheets.moc"
