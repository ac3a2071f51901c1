// The spreadsheet file byte for byte.
#include "export/OfficeHtmlWorkbook.h"
#include "agenda/PaymentGrids.h"
#include "contacts/ContactGrid.h"
#include "records/TextField.h"

#include <QTest>

namespace {
// The document as its pieces say, put together independently of the writer.
QByteArray expectedDocument(const QByteArray &sheet, const QList<QPair<QByteArray, int>> &headers,
                            const QList<QList<QByteArray>> &rows, qsizetype *pieceTotal)
{
    QList<QByteArray> pieces = {
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"",
        "http://www.w3.org/TR/REC-html40", "\">", "<head>",
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
        "<!--[if gte mso 9]><xml>", "<x:ExcelWorkbook>", "<x:ExcelWorksheets>", "<x:ExcelWorksheet>",
        "<x:Name>" + sheet + "</x:Name>", "<x:WorksheetOptions>", "<x:Selected/>", "<x:Panes>", "<x:Pane>",
        "<x:Number>1</x:Number>", "<x:ActiveRow>3</x:ActiveRow>", "</x:Pane>", "</x:Panes>",
        "<x:ProtectContents>False</x:ProtectContents>", "<x:ProtectObjects>False</x:ProtectObjects>",
        "<x:ProtectScenarios>False</x:ProtectScenarios>", "</x:WorksheetOptions>", "</x:ExcelWorksheet>",
        "</x:ExcelWorksheets>", "</x:ExcelWorkbook>", "</xml><![endif]-->", "</head>", "<body>", "<table x:str>"};
    QByteArray header = "<tr>";
    for (const auto &h : headers)
        header += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(h.second) + ">"
            + h.first + "</td>";
    pieces << header + "</tr>";
    for (const auto &row : rows) {
        QByteArray r = "<tr>";
        for (const auto &c : row)
            r += "<td style=\"text-align: left;\">" + c + "</td>";
        pieces << r + "</tr>";
    }
    pieces << "</table>" << "</body>" << "</html>";
    *pieceTotal = 0;
    QByteArray all;
    for (const auto &p : pieces) {
        *pieceTotal += p.size();
        all += p;
    }
    return all;
}

const QList<QPair<QByteArray, int>> kPaymentHeaders = {
    {"Data scadenza", 180}, {"Ora", 150}, {"Tipologia", 250}, {"Causale", 400}, {"Dettagli", 400},
    {"Persona o Ditta", 300}, {"Telefono", 200}, {"Cellulare", 200}, {"E-mail", 250}, {"Luogo", 300},
    {"Importo", 200}, {"Impegno assolto", 200}, {"Note", 400}, {"Codice univoco", 150}};
}

class TestWorkbook : public QObject {
    Q_OBJECT
private slots:
    void oneRowByteForByte()
    {
        const QStringList row = {QStringLiteral("1"), QStringLiteral("07/03/2025"), QStringLiteral("09:30"),
                                 QStringLiteral("In uscita"), QStringLiteral("Caffè € 中"), QStringLiteral("  Rossi  "),
                                 QStringLiteral("Rossi"), QString(), QStringLiteral("333"), QStringLiteral("a@b.it"),
                                 QStringLiteral("Bologna"), QStringLiteral("12,50"), QStringLiteral("Sì"),
                                 QStringLiteral("a<b & c>d"), QStringLiteral("202503070930")};
        const QByteArray bytes = OfficeHtmlWorkbook::document(ExportLayouts::imminenti(), 1,
                                                              [&](int, int c) { return row.at(c); });
        qsizetype total = 0;
        const QByteArray expected = expectedDocument(
            "Scadenze imminenti", kPaymentHeaders,
            {{"07/03/2025", "09:30", "In uscita", "Caff\xE8 \x80 ?", "Rossi", "Rossi", "", "333", "a@b.it", "Bologna",
              "12,50", "S\xEC", "a&lt;b &amp; c&gt;d", "202503070930"}},
            &total);
        QCOMPARE(bytes, expected);
        QCOMPARE(bytes.size(), total);
        QVERIFY(!bytes.contains('\n') && !bytes.contains('\r'));
        QVERIFY(bytes.contains("<td style=\"text-align: left; font-weight: bold;\" width=180>Data scadenza</td>"));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
    }

    void layouts()
    {
        QCOMPARE(ExportLayouts::scadenzario().columns.size(), 13);
        QCOMPARE(ExportLayouts::scadenzario().columns.last().header, QStringLiteral("Note"));
        QCOMPARE(ExportLayouts::scadenzario().fileName, QStringLiteral("Riepilogo_Pagamenti.xls"));
        QCOMPARE(ExportLayouts::giornaliere().sheetName, QStringLiteral("Scadenze del giorno"));
        QCOMPARE(ExportLayouts::mensili().fileName, QStringLiteral("Scadenze_Mensili.xls"));
        QCOMPARE(ExportLayouts::anagrafica().columns.size(), 25);
        QCOMPARE(ExportLayouts::anagrafica().columns.at(3).header, QStringLiteral("Località"));
    }

    void headerOnlyAndEmptyRows()
    {
        qsizetype total = 0;
        QCOMPARE(OfficeHtmlWorkbook::document(ExportLayouts::imminenti(), 0, [](int, int) { return QString(); }),
                 expectedDocument("Scadenze imminenti", kPaymentHeaders, {}, &total));
        const QByteArray empty = OfficeHtmlWorkbook::document(ExportLayouts::imminenti(), 10,
                                                              [](int, int) { return QString(); });
        QCOMPARE(empty.count("<tr>"), 11);
        QCOMPARE(empty.count("<td style=\"text-align: left;\"></td>"), 140);
    }

    // The one-pass cell writer against trimming, escaping and converting one
    // after the other.
    void cellInOnePass_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QStringLiteral("Rossi");
        QTest::newRow("empty") << QString();
        QTest::newRow("only blanks") << QStringLiteral(" \t \r\n ");
        QTest::newRow("references") << QStringLiteral("&<>a&&b<<>>");
        QTest::newRow("code page") << QStringLiteral("Caffè € ‚ Ÿ ÿ");
        QTest::newRow("not in the code page") << QStringLiteral("中 Ā ☃");
        QTest::newRow("unused bytes") << QString(QChar(0x81)) + QChar(0x9D) + QChar(0x80);
        QTest::newRow("control characters at the ends") << QString::fromLatin1("\x01\x1F a\x02" "b \x7F\x1F");
        QTest::newRow("surrogate pair") << QStringLiteral("a😀b");
        QTest::newRow("lone surrogates") << QString(QChar(0xD800)) + QChar(u'x') + QChar(0xDC00) + QChar(0xD83D);
    }
    void cellInOnePass()
    {
        QFETCH(QString, text);
        QByteArray out = "<td>";
        OfficeHtmlWorkbook::appendCell(out, text);
        QCOMPARE(out, "<td>" + TextField::toWin1252(OfficeHtmlWorkbook::escaped(TextField::trimmed(text))));
    }
};

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
