// The spreadsheet file byte for byte.
#include "export/OfficeHtmlWorkbook.h"
#include "agenda/PaymentGrids.h"
#include "contacts/ContactGrid.h"
#include "records/TextField.h"

#include <QTest>

Q_DECLARE_METATYPE(CellKind)

namespace {
// A data cell whole. Every cell carries its type for the spreadsheet programs
// that read it from the cell: text, or a value with its format.
QByteArray textCell(const QByteArray &text)
{
    return "<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">" + text + "</td>";
}
QByteArray valueCell(const QByteArray &value, const QByteArray &format, const QByteArray &text)
{
    return "<td style=\"text-align: left;\" sdval=\"" + value + "\" sdnum=\"" + format + "\">" + text + "</td>";
}

// The document as its pieces say, put together independently of the writer;
// the rows' cells are given whole.
QByteArray expectedDocument(const QByteArray &sheet, const QList<QPair<QByteArray, int>> &headers,
                            const QList<QList<QByteArray>> &rows, qsizetype *pieceTotal)
{
    QList<QByteArray> pieces = {"<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
                                "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"",
                                "http://www.w3.org/TR/REC-html40",
                                "\">",
                                "<head>",
                                "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">",
                                "<title>" + sheet + "</title>",
                                "<!--[if gte mso 9]><xml>",
                                "<x:ExcelWorkbook>",
                                "<x:ExcelWorksheets>",
                                "<x:ExcelWorksheet>",
                                "<x:Name>" + sheet + "</x:Name>",
                                "<x:WorksheetOptions>",
                                "<x:Selected/>",
                                "<x:Panes>",
                                "<x:Pane>",
                                "<x:Number>1</x:Number>",
                                "<x:ActiveRow>3</x:ActiveRow>",
                                "</x:Pane>",
                                "</x:Panes>",
                                "<x:ProtectContents>False</x:ProtectContents>",
                                "<x:ProtectObjects>False</x:ProtectObjects>",
                                "<x:ProtectScenarios>False</x:ProtectScenarios>",
                                "</x:WorksheetOptions>",
                                "</x:ExcelWorksheet>",
                                "</x:ExcelWorksheets>",
                                "</x:ExcelWorkbook>",
                                "</xml><![endif]-->",
                                "</head>",
                                "<body>",
                                "<table x:str>"};
    QByteArray header = "<tr>";
    for (const auto &h : headers)
        header += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(h.second) + "><b>"
                  + h.first + "</b></td>";
    pieces << header + "</tr>";
    for (const auto &row : rows)
        pieces << "<tr>" + row.join() + "</tr>";
    pieces << "</table>"
           << "</body>"
           << "</html>";
    *pieceTotal = 0;
    QByteArray all;
    for (const auto &p : pieces) {
        *pieceTotal += p.size();
        all += p;
    }
    return all;
}

const QList<QPair<QByteArray, int>> kPaymentHeaders = {{"Data scadenza", 180}, {"Ora", 150},
                                                       {"Tipologia", 250},     {"Causale", 400},
                                                       {"Dettagli", 400},      {"Persona o Ditta", 300},
                                                       {"Telefono", 200},      {"Cellulare", 200},
                                                       {"E-mail", 250},        {"Luogo", 300},
                                                       {"Importo", 200},       {"Impegno assolto", 200},
                                                       {"Note", 400},          {"Codice univoco", 150}};
}

class TestWorkbook : public QObject {
    Q_OBJECT
private slots:
    void oneRowByteForByte()
    {
        const QStringList row = {QStringLiteral("1"),           QStringLiteral("07/03/2025"),
                                 QStringLiteral("09:30"),       QStringLiteral("In uscita"),
                                 QStringLiteral("Caffè € 中"),  QStringLiteral("  Rossi  "),
                                 QStringLiteral("Rossi"),       QString(),
                                 QStringLiteral("333"),         QStringLiteral("a@b.it"),
                                 QStringLiteral("Bologna"),     QStringLiteral("12,50"),
                                 QStringLiteral("Sì"),          QStringLiteral("a<b & c>d"),
                                 QStringLiteral("202503070930")};
        const QByteArray bytes =
            OfficeHtmlWorkbook::document(ExportLayouts::imminenti(), 1, [&](int, int c) { return row.at(c); });
        qsizetype total = 0;
        const QByteArray expected =
            expectedDocument("Scadenze imminenti", kPaymentHeaders,
                             {{valueCell("45723", "1033;1040;DD/MM/YYYY", "07/03/2025"),
                               valueCell("0.3958333333333333", "1033;1040;HH:MM", "09:30"), textCell("In uscita"),
                               textCell("Caff\xE8 \x80 ?"), textCell("Rossi"), textCell("Rossi"), textCell(""),
                               textCell("333"), textCell("a@b.it"), textCell("Bologna"),
                               valueCell("12.50", "1033;0;0.00", "12,50"), textCell("S\xEC"),
                               textCell("a&lt;b &amp; c&gt;d"), textCell("202503070930")}},
                             &total);
        QCOMPARE(bytes, expected);
        QCOMPARE(bytes.size(), total);
        QVERIFY(!bytes.contains('\n') && !bytes.contains('\r'));
        QVERIFY(
            bytes.contains("<td style=\"text-align: left; font-weight: bold;\" width=180><b>Data scadenza</b></td>"));
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

        // What a spreadsheet makes of the columns: the due date, the time and
        // the amount are values, the contact document's due date a date, the
        // rest text.
        const QVector<CellKind> payments = {CellKind::Date, CellKind::Time, CellKind::Text,   CellKind::Text,
                                            CellKind::Text, CellKind::Text, CellKind::Text,   CellKind::Text,
                                            CellKind::Text, CellKind::Text, CellKind::Amount, CellKind::Text,
                                            CellKind::Text, CellKind::Text};
        for (const ExportLayout &layout : {ExportLayouts::imminenti(), ExportLayouts::giornaliere(),
                                           ExportLayouts::mensili(), ExportLayouts::scadenzario()})
            for (qsizetype c = 0; c < layout.columns.size(); ++c)
                QCOMPARE(layout.columns[c].kind, payments[c]);
        const ExportLayout contacts = ExportLayouts::anagrafica();
        for (qsizetype c = 0; c < contacts.columns.size(); ++c)
            QCOMPARE(contacts.columns[c].kind,
                     contacts.columns[c].header == QLatin1String("Data scadenza") ? CellKind::Date : CellKind::Text);
        QCOMPARE(contacts.columns[21].kind, CellKind::Date);
    }

    void headerOnlyAndEmptyRows()
    {
        qsizetype total = 0;
        QCOMPARE(OfficeHtmlWorkbook::document(ExportLayouts::imminenti(), 0, [](int, int) { return QString(); }),
                 expectedDocument("Scadenze imminenti", kPaymentHeaders, {}, &total));
        const QByteArray empty =
            OfficeHtmlWorkbook::document(ExportLayouts::imminenti(), 10, [](int, int) { return QString(); });
        QCOMPARE(empty.count("<tr>"), 11);
        QCOMPARE(empty.count(textCell("")), 140);
    }

    // What each column makes of a cell: a value the spreadsheet reads the
    // same whatever the user's settings, or the text as written.
    void typedCells_data()
    {
        QTest::addColumn<CellKind>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("value"); // empty: goes out as text

        const CellKind amount = CellKind::Amount, date = CellKind::Date, time = CellKind::Time;
        QTest::newRow("amount") << amount << QStringLiteral("1250,50") << QByteArray("1250.50");
        QTest::newRow("amount, a cent") << amount << QStringLiteral("0,01") << QByteArray("0.01");
        QTest::newRow("amount, millions") << amount << QStringLiteral("1234567,89") << QByteArray("1234567.89");
        QTest::newRow("amount, negative") << amount << QStringLiteral("-5,00") << QByteArray("-5.00");
        QTest::newRow("amount, negative nought") << amount << QStringLiteral("-0,00") << QByteArray("0.00");
        QTest::newRow("amount, no decimals") << amount << QStringLiteral("1250") << QByteArray("1250");
        QTest::newRow("amount, one decimal") << amount << QStringLiteral("1250,5") << QByteArray("1250.5");
        QTest::newRow("amount, 15 digits")
            << amount << QStringLiteral("9999999999999,99") << QByteArray("9999999999999.99");
        QTest::newRow("amount, 16 digits") << amount << QStringLiteral("99999999999999,99") << QByteArray();
        QTest::newRow("amount, damaged") << amount << QStringLiteral("12,3x") << QByteArray();
        QTest::newRow("amount, thousands") << amount << QStringLiteral("1.250,50") << QByteArray();
        QTest::newRow("amount, point") << amount << QStringLiteral("1250.50") << QByteArray();
        QTest::newRow("amount, three decimals") << amount << QStringLiteral("0,999") << QByteArray();
        QTest::newRow("amount, leading zero") << amount << QStringLiteral("007,00") << QByteArray();
        QTest::newRow("amount, sign") << amount << QStringLiteral("+5,00") << QByteArray();
        QTest::newRow("amount, no digits before") << amount << QStringLiteral(",50") << QByteArray();
        QTest::newRow("amount, no digits after") << amount << QStringLiteral("5,") << QByteArray();
        QTest::newRow("amount, exponent") << amount << QStringLiteral("1E5") << QByteArray();
        QTest::newRow("amount, empty") << amount << QString() << QByteArray();
        QTest::newRow("amount, other digits") << amount << QStringLiteral("١٢,٥٠") << QByteArray();
        QTest::newRow("date") << date << QStringLiteral("15/03/2024") << QByteArray("45366");
        QTest::newRow("date, leap day") << date << QStringLiteral("29/02/2024") << QByteArray("45351");
        QTest::newRow("date, first") << date << QStringLiteral("01/01/1900") << QByteArray("2");
        QTest::newRow("date, last") << date << QStringLiteral("31/12/9999") << QByteArray("2958465");
        QTest::newRow("date, no such day") << date << QStringLiteral("31/02/2025") << QByteArray();
        QTest::newRow("date, not a leap year") << date << QStringLiteral("29/02/2023") << QByteArray();
        QTest::newRow("date, one-digit day") << date << QStringLiteral("7/03/2025") << QByteArray();
        QTest::newRow("date, before 1900") << date << QStringLiteral("31/12/1899") << QByteArray();
        QTest::newRow("date, two-digit year") << date << QStringLiteral("15/03/24") << QByteArray();
        QTest::newRow("date, dashes") << date << QStringLiteral("15-03-2024") << QByteArray();
        QTest::newRow("date, month 13") << date << QStringLiteral("01/13/2024") << QByteArray();
        QTest::newRow("date, empty") << date << QString() << QByteArray();
        QTest::newRow("time") << time << QStringLiteral("09:30") << QByteArray("0.3958333333333333");
        QTest::newRow("time, midnight") << time << QStringLiteral("00:00") << QByteArray("0");
        QTest::newRow("time, last minute") << time << QStringLiteral("23:59") << QByteArray("0.9993055555555556");
        QTest::newRow("time, 24") << time << QStringLiteral("24:00") << QByteArray();
        QTest::newRow("time, 60 minutes") << time << QStringLiteral("09:60") << QByteArray();
        QTest::newRow("time, one-digit hour") << time << QStringLiteral("9:30") << QByteArray();
        QTest::newRow("time, point") << time << QStringLiteral("09.30") << QByteArray();
        QTest::newRow("time, empty") << time << QString() << QByteArray();
        QTest::newRow("text column, digits") << CellKind::Text << QStringLiteral("00186") << QByteArray();
        QTest::newRow("text column, an amount") << CellKind::Text << QStringLiteral("1250,50") << QByteArray();
        QTest::newRow("text column, a date") << CellKind::Text << QStringLiteral("15/03/2024") << QByteArray();
    }
    void typedCells()
    {
        QFETCH(CellKind, kind);
        QFETCH(QString, text);
        QFETCH(QByteArray, value);
        const QByteArray format = kind == CellKind::Amount ? "1033;0;0.00"
                                  : kind == CellKind::Date ? "1033;1040;DD/MM/YYYY"
                                                           : "1033;1040;HH:MM";
        const QByteArray expected =
            value.isEmpty() ? "<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">"
                            : "<td style=\"text-align: left;\" sdval=\"" + value + "\" sdnum=\"" + format + "\">";
        QCOMPARE(OfficeHtmlWorkbook::cellTag(kind, text), expected);

        // The writer gives the column's cells those tags, and the text as it is.
        ExportLayout layout {QStringLiteral("x.xls"), QStringLiteral("x"), {{QStringLiteral("h"), 100, kind}}};
        const QByteArray bytes =
            OfficeHtmlWorkbook::document(layout, 1, [&](int, int) { return QLatin1Char(' ') + text; });
        QByteArray cell = "<td>";
        OfficeHtmlWorkbook::appendCell(cell, text);
        QVERIFY(bytes.endsWith("<tr>" + expected + cell.mid(4) + "</td></tr></table></body></html>"));
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
        QTest::newRow("control characters at the ends") << QString::fromLatin1("\x01\x1F a\x02"
                                                                               "b \x7F\x1F");
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
