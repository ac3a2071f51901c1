// The contacts grid: its columns, what a record shows, and the export's bytes.
#include "ContactFixtures.h"

#include "contacts/ContactGrid.h"
#include "export/OfficeHtmlWorkbook.h"
#include "platform/Services.h"
#include "records/RecordArchive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The export headers and widths as the file format fixes them.
const QList<QPair<QByteArray, int>> kExportHeaders = {{"Nome, cognome o Ragione sociale", 350},
                                                      {"Indirizzo", 350},
                                                      {"CAP", 180},
                                                      {"Localit\xE0", 250},
                                                      {"Prov.", 180},
                                                      {"Tel.", 250},
                                                      {"E-mail", 300},
                                                      {"Data di nascita", 200},
                                                      {"Luogo di nascita", 250},
                                                      {"Codice fiscale", 250},
                                                      {"Partita IVA", 250},
                                                      {"IBAN", 300},
                                                      {"PEC", 300},
                                                      {"Carta di credito n.", 250},
                                                      {"Scadenza", 200},
                                                      {"Tel. cellulare", 250},
                                                      {"Cittadinanza", 250},
                                                      {"Occupazione", 300},
                                                      {"Stato civile", 250},
                                                      {"Documento", 300},
                                                      {"Ente rilascio", 300},
                                                      {"Data scadenza", 200},
                                                      {"Servizi di interesse", 400},
                                                      {"Questioni in sospeso", 400},
                                                      {"Note", 400}};

QByteArray headerRow()
{
    QByteArray header = "<tr>";
    for (const auto &h : kExportHeaders)
        header += "<td style=\"text-align: left; font-weight: bold;\" width=" + QByteArray::number(h.second) + "><b>"
                  + h.first + "</b></td>";
    return header + "</tr>";
}

// Every cell is text for the spreadsheet programs but the document's due
// date, a date: its day number is given.
QByteArray dataRow(const QList<QByteArray> &cells, const QByteArray &dueDateValue)
{
    QByteArray r = "<tr>";
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i == 21)
            r += "<td style=\"text-align: left;\" sdval=\"" + dueDateValue + "\" sdnum=\"1033;1040;DD/MM/YYYY\">";
        else
            r += "<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">";
        r += cells[i] + "</td>";
    }
    return r + "</tr>";
}
}

class TestContactGrid : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void initTestCase() { Services::setProgramFolder(m_dir.path()); }
    void init() { QFile::remove(ContactArchive::path()); }

    void columns()
    {
        const QStringList headers = ContactGrid::headers();
        QCOMPARE(headers.size(), ContactGrid::ColumnCount);
        QCOMPARE(headers.size(), 26);
        QCOMPARE(headers.first(), QStringLiteral("N."));
        QCOMPARE(headers.at(4), QStringLiteral("Località"));
        QCOMPARE(headers.at(21), QStringLiteral("Ente di rilascio"));
        QCOMPARE(headers.last(), QStringLiteral("Note"));
        QCOMPARE(ContactGrid::widths(),
                 QVector<int>({60,  300, 300, 150, 250, 120, 200, 250, 150, 200, 200, 200, 250,
                               250, 200, 150, 200, 200, 250, 200, 250, 250, 150, 300, 300, 300}));
        QCOMPARE(ContactGrid::editableColumns(), QVector<int>({3, 6, 11, 16, 18, 19, 20, 22, 23, 24, 25}));

        const ExportLayout layout = ExportLayouts::anagrafica();
        QCOMPARE(layout.fileName, QStringLiteral("Anagrafica.xls"));
        QCOMPARE(layout.sheetName, QStringLiteral("Archivio Anagrafico"));
        QCOMPARE(layout.columns.size(), 25);
        for (int i = 0; i < 25; ++i) {
            QCOMPARE(layout.columns[i].header, QString::fromLatin1(kExportHeaders[i].first));
            QCOMPARE(layout.columns[i].width, kExportHeaders[i].second);
        }
    }

    void rowOfARecord()
    {
        const ContactRecord r = fullContact(7);
        const QStringList row = ContactGrid::row(r, 42);
        QCOMPARE(row, QStringList({QStringLiteral("42"),
                                   QStringLiteral("Nome 7"),
                                   QStringLiteral("Via 7 N7"),
                                   QStringLiteral("12347"),
                                   QStringLiteral("Località 7"),
                                   QStringLiteral("P7"),
                                   QStringLiteral("Tel 7"),
                                   QStringLiteral("mail7@example.it"),
                                   QStringLiteral("01/01/1907"),
                                   QStringLiteral("Luogo 7"),
                                   QStringLiteral("CF7"),
                                   QStringLiteral("01234567897"),
                                   QStringLiteral("IT60X0542811101000000000007"),
                                   QStringLiteral("pec7@pec.it"),
                                   QStringLiteral("4111 1111 1111 1117"),
                                   QStringLiteral("12/2030"),
                                   QStringLiteral("Cel 7"),
                                   QStringLiteral("Italiana"),
                                   QStringLiteral("Occupazione 7"),
                                   QStringLiteral("Civile 7"),
                                   QStringLiteral("Documento 7"),
                                   QStringLiteral("Ente 7"),
                                   QStringLiteral("02/02/2030"),
                                   QStringLiteral("Servizi 7"),
                                   QStringLiteral("Questioni 7"),
                                   QStringLiteral("Note 7")}));
        // Sex, issue date and attachments are not shown.
        QVERIFY(!row.contains(QStringLiteral("F")));
        QVERIFY(!row.contains(QStringLiteral("02/02/2020")));
        QVERIFY(!row.join(QString()).contains(QStringLiteral("file1")));

        ContactRecord noNumber;
        noNumber.Nome = QStringLiteral("Rossi");
        noNumber.Indirizzo = QStringLiteral("  Via Roma ");
        noNumber.Cap01 = QStringLiteral("4");
        noNumber.Cap03 = QStringLiteral("1");
        QCOMPARE(ContactGrid::row(noNumber, 1).at(2), QStringLiteral("Via Roma "));
        QCOMPARE(ContactGrid::row(noNumber, 1).at(3), QStringLiteral("41"));
    }

    void loadInFileOrder()
    {
        const auto empty = ContactGrid::load();
        QVERIFY(empty.complete());
        QCOMPARE(empty.records, 0); // an empty archive: the grid keeps its design rows
        QVERIFY(QFile::exists(ContactArchive::path()));
        writeContactArchive({fullContact(3), fullContact(1), fullContact(2)});
        const auto read = ContactGrid::load();
        QVERIFY(read.complete());
        QCOMPARE(read.records, 3);
        const GridTable &rows = read.rows;
        QCOMPARE(rows.size(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(rows.at(i).at(0), QString::number(i + 1));
        QCOMPARE(rows.at(0).at(1), QStringLiteral("Nome 3"));
        QCOMPARE(rows.at(2).at(1), QStringLiteral("Nome 2"));
        QCOMPARE(rows.at(1), ContactGrid::row(fullContact(1), 2));

        QFile::remove(ContactArchive::path());
        QVERIFY(QDir().mkdir(ContactArchive::path()));
        const auto unreadable = ContactGrid::load();
        QCOMPARE(unreadable.outcome, ReadOutcome::NotOpened);
        QVERIFY(unreadable.rows.isEmpty());
        QDir().rmdir(ContactArchive::path());
    }

    void exportBytes()
    {
        ContactRecord r = fullContact(1);
        r.Nome = QStringLiteral("Caffè Rossi 中");
        r.Num.clear();
        const QVector<QStringList> rows = {ContactGrid::row(r, 1), ContactGrid::row(fullContact(2), 2)};
        const QByteArray bytes =
            OfficeHtmlWorkbook::document(ExportLayouts::anagrafica(), int(rows.size()),
                                         [&](int row, int column) { return rows[row].value(column); });
        QVERIFY(bytes.contains("<x:Name>Archivio Anagrafico</x:Name>"));
        const qsizetype table = bytes.indexOf("<table x:str>") + qsizetype(qstrlen("<table x:str>"));
        const QByteArray expectedRows = headerRow()
                                        + dataRow({"Caff\xE8 Rossi ?",
                                                   "Via 1",
                                                   "12341",
                                                   "Localit\xE0 1",
                                                   "P1",
                                                   "Tel 1",
                                                   "mail1@example.it",
                                                   "01/01/1901",
                                                   "Luogo 1",
                                                   "CF1",
                                                   "01234567891",
                                                   "IBAN",
                                                   "pec1@pec.it",
                                                   "4111 1111 1111 1111",
                                                   "12/2030",
                                                   "Cel 1",
                                                   "Italiana",
                                                   "Occupazione 1",
                                                   "Civile 1",
                                                   "Documento 1",
                                                   "Ente 1",
                                                   "02/02/2030",
                                                   "Servizi 1",
                                                   "Questioni 1",
                                                   "Note 1"},
                                                  "47516")
                                        + dataRow({"Nome 2",
                                                   "Via 2 N2",
                                                   "12342",
                                                   "Localit\xE0 2",
                                                   "P2",
                                                   "Tel 2",
                                                   "mail2@example.it",
                                                   "01/01/1902",
                                                   "Luogo 2",
                                                   "CF2",
                                                   "01234567892",
                                                   "IBAN",
                                                   "pec2@pec.it",
                                                   "4111 1111 1111 1112",
                                                   "12/2030",
                                                   "Cel 2",
                                                   "Italiana",
                                                   "Occupazione 2",
                                                   "Civile 2",
                                                   "Documento 2",
                                                   "Ente 2",
                                                   "02/02/2030",
                                                   "Servizi 2",
                                                   "Questioni 2",
                                                   "Note 2"},
                                                  "47516")
                                        + "</table></body></html>";
        QByteArray tail = bytes.mid(table);
        // The IBANs are long: compared on their own below.
        tail.replace("IT60X0542811101000000000001", "IBAN").replace("IT60X0542811101000000000002", "IBAN");
        QCOMPARE(tail, expectedRows);
        QVERIFY(bytes.contains(">IT60X0542811101000000000001<"));
        // The street without a number ends in a blank on screen; the export trims it.
        QVERIFY(bytes.contains("<td style=\"text-align: left;\" sdnum=\"1033;1033;@\">Via 1</td>"));
        QVERIFY(!bytes.contains('\n') && !bytes.contains('\r'));

        // Ten empty design rows: ten data rows of 25 empty cells.
        const QByteArray empty =
            OfficeHtmlWorkbook::document(ExportLayouts::anagrafica(), 10, [](int, int) { return QString(); });
        QCOMPARE(empty.count("<tr>"), 11);
        QCOMPARE(empty.count("<td style=\"text-align: left;\" sdnum=\"1033;1033;@\"></td>"), 250);
    }
};

QTEST_GUILESS_MAIN(TestContactGrid)
#include "tst_contactgrid.moc"
