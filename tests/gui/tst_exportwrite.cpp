// The export's file: written beside the old export and put in its place only
// when complete, so a failed export never costs the previous one.
#include "TestServices.h"
#include "WriteFailure.h"

#include "agenda/PaymentGrids.h"
#include "export/OfficeHtmlWorkbook.h"
#include "ui/windows/SpreadsheetExport.h"

#include <QDir>
#include <QTest>

namespace {
const QString kFailure = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                        "Accertarsi che il file di Excel non sia già aperto.");

QString cell(int row, int column) { return QStringLiteral("riga %1 colonna %2").arg(row).arg(column); }
}

class TestExportWrite : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    const ExportLayout m_layout = ExportLayouts::scadenzario();

    QStringList folderEntries() const
    {
        return QDir(m_env->folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void writeFailureKeepsThePreviousExport_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("nothing fits") << qint64(0);
        QTest::newRow("the header fits") << qint64(3000);
        QTest::newRow("all but the end fits") << qint64(OfficeHtmlWorkbook::document(m_layout, 2000, cell).size() - 1);
    }
    void writeFailureKeepsThePreviousExport()
    {
        QFETCH(qint64, limit);
        const QByteArray previous = OfficeHtmlWorkbook::document(m_layout, 3, cell);
        m_env->writeFile(m_layout.fileName, previous);
        m_env->dialogs.queue({true});
        bool done = true;
        {
            FileSizeLimit full(limit);
            QVERIFY(full.active());
            done = SpreadsheetExport::run(nullptr, m_layout, 2000, cell);
        }
        QVERIFY(!done);
        QCOMPARE(m_env->dialogs.texts().size(), 2);
        QCOMPARE(m_env->dialogs.shown.last().text, kFailure);
        QCOMPARE(m_env->dialogs.shown.last().kind, MessageKind::Plain);
        QCOMPARE(m_env->readFile(m_layout.fileName), previous);
        QCOMPARE(folderEntries(), QStringList {m_layout.fileName});
        QVERIFY(m_env->shell.opened.isEmpty());
    }

    void completeExportReplacesThePreviousOne()
    {
        m_env->writeFile(m_layout.fileName, OfficeHtmlWorkbook::document(m_layout, 500, cell));
        m_env->dialogs.queue({true, false});
        QVERIFY(SpreadsheetExport::run(nullptr, m_layout, 2, cell));
        QCOMPARE(m_env->dialogs.shown.last().text,
                 QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                "Si vuole aprire il file di Excel?"));
        // Nothing of the longer previous file is left at the end.
        QCOMPARE(m_env->readFile(m_layout.fileName), OfficeHtmlWorkbook::document(m_layout, 2, cell));
        QCOMPARE(folderEntries(), QStringList {m_layout.fileName});
    }
};

QTEST_MAIN(TestExportWrite)
#include "tst_exportwrite.moc"
