// The user manual the build makes in the program folder: A4, a page at least
// for each chapter, a chapter for each app, and the windows' pictures in it.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {
QString programFile(const QString &name) { return qEnvironmentVariable("TARVENIO_PROGRAM") + u'/' + name; }

QString run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}
}

class TestManual : public QObject {
    Q_OBJECT
    QString m_pdf;

private slots:
    void initTestCase()
    {
        m_pdf = programFile(QStringLiteral("Guida.pdf"));
        QVERIFY2(QFile::exists(m_pdf), qPrintable(m_pdf + QStringLiteral(" is missing")));
    }

    void startsEachChapterOnAPageOfItsOwn()
    {
        QFile source(qEnvironmentVariable("TARVENIO_ASSETS") + QStringLiteral("/Guida.md"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const int chapters =
            int(QString::fromUtf8(source.readAll()).count(QRegularExpression(QStringLiteral("(^|\n)## "))));
        QVERIFY(chapters >= 10);

        const QString info = run(QStringLiteral("pdfinfo"), {m_pdf});
        const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
        QVERIFY2(pages.hasMatch(), qPrintable(info));
        QVERIFY2(pages.captured(1).toInt() >= chapters, qPrintable(pages.captured(1)));
        QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    }

    void hasAChapterForEachApp()
    {
        const QString text = run(QStringLiteral("pdftotext"), {m_pdf, QStringLiteral("-")});
        for (const char *app : {"Archivio Anagrafico", "Gestione Scadenze", "Primanota e Bilancio"}) {
            // A heading line: the chapter number and the app's name alone.
            const QRegularExpression heading(QStringLiteral("(^|[\n\f])\\d+\\. %1\n").arg(QLatin1String(app)));
            QVERIFY2(text.contains(heading), app);
        }
        QVERIFY(text.contains(QStringLiteral("Copie di sicurezza giornaliere")));
    }

    void showsTheWindows()
    {
        const QString list = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), m_pdf});
        // Two heading lines, then one line an image.
        const int images = int(list.split(u'\n', Qt::SkipEmptyParts).size()) - 2;
        QVERIFY2(images >= 10, qPrintable(list));
    }
};

QTEST_GUILESS_MAIN(TestManual)
#include "tst_manual.moc"
