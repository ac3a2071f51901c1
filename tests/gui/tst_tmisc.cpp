// What TMisc::Open hands to the desktop for the texts its callers pass.
#include "TestServices.h"

#include "ui/windows/TMisc.h"

#include <QTest>
#include <QUrlQuery>

class TestTMisc : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    void urls_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("web address") << "https://www.tarvenio.it" << QByteArray("https://www.tarvenio.it");
        QTest::newRow("quoted web address") << "\"http://esempio.it/a b\"" << QByteArray("http://esempio.it/a%20b");
        QTest::newRow("www only") << "www.tarvenio.it" << QByteArray("http://www.tarvenio.it");
        QTest::newRow("mail") << "\"mailto:mario.rossi@esempio.it\"" << QByteArray("mailto:mario.rossi@esempio.it");
        QTest::newRow("mail, scheme in capitals") << "MAILTO:a@b.it" << QByteArray("mailto:a@b.it");
        QTest::newRow("empty mail") << "\"mailto:\"" << QByteArray("mailto:");
        // A typed address can never bring parameters of its own.
        QTest::newRow("attachment smuggled")
            << "\"mailto:x@y.it?attach=/etc/passwd\"" << QByteArray("mailto:x@y.it%3Fattach=%2Fetc%2Fpasswd");
        QTest::newRow("several parameters")
            << "\"mailto:x@y.it?cc=z@w.it&body=ciao#top\"" << QByteArray("mailto:x@y.it%3Fcc=z@w.it%26body=ciao%23top");
        QTest::newRow("percent and blanks") << "\"mailto:a%3Fb c@y.it\"" << QByteArray("mailto:a%253Fb%20c@y.it");
        QTest::newRow("nothing") << "\"\"" << QByteArray();
        QTest::newRow("only blanks") << "   " << QByteArray();
    }
    void urls()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, expected);
        const QUrl url = TMisc::UrlFor(text);
        QCOMPARE(url.toEncoded(), expected);
        if (url.scheme() == QLatin1String("mailto"))
            QVERIFY(!url.hasQuery() && !url.hasFragment());
    }

    void mailIsHandedOn()
    {
        TMisc::Open(QStringLiteral("\"mailto:x@y.it?attach=segreto.txt\""));
        TMisc::Open(QStringLiteral("\"mailto:\""));
        QCOMPARE(m_env->shell.opened.size(), 2);
        QCOMPARE(m_env->shell.opened[0].path(), QStringLiteral("x@y.it?attach=segreto.txt"));
        QVERIFY(!m_env->shell.opened[0].hasQuery());
        QCOMPARE(m_env->shell.opened[1].toEncoded(), QByteArray("mailto:"));
    }

    void localFiles()
    {
        const QString path = m_env->file(QStringLiteral("Documenti Allegati è.pdf"));
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
        // Missing: nothing happens.
        QVERIFY(m_env->shell.opened.isEmpty());
        m_env->writeFile(QStringLiteral("Documenti Allegati è.pdf"), "x");
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
        TMisc::Open(path);
        QCOMPARE(m_env->shell.opened, QVector<QUrl>({QUrl::fromLocalFile(path), QUrl::fromLocalFile(path)}));
        TMisc::Open(QString());
        TMisc::Open(QStringLiteral("\"\""));
        QCOMPARE(m_env->shell.opened.size(), 2);
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void desktopWithoutAProgramIsReported_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("says");
        QTest::newRow("file") << "contratto.xyz"
                              << "il file \"contratto.xyz\"";
        QTest::newRow("mail") << "mailto:studio@example.it"
                              << "programma di posta elettronica";
        QTest::newRow("web") << "www.example.it"
                             << "l'indirizzo \"http://www.example.it\"";
    }
    void desktopWithoutAProgramIsReported()
    {
        QFETCH(QString, text);
        QFETCH(QString, says);
        if (!text.contains(QLatin1Char(':')) && !text.startsWith(QLatin1String("www."))) {
            m_env->writeFile(text, "x");
            text = m_env->file(text);
        }
        m_env->shell.accepts = false;
        TMisc::Open(text);
        QCOMPARE(m_env->shell.opened.size(), 1);
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Warning);
        QVERIFY2(m_env->dialogs.shown[0].text.startsWith(QStringLiteral("Attenzione: non è stato possibile")),
                 qPrintable(m_env->dialogs.shown[0].text));
        QVERIFY2(m_env->dialogs.shown[0].text.contains(says), qPrintable(m_env->dialogs.shown[0].text));
        // A desktop that takes it says nothing.
        m_env->dialogs.clear();
        m_env->shell.accepts = true;
        TMisc::Open(text);
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void mailWithSubjectAndBody()
    {
        TMisc::OpenMail(QStringLiteral("info@tarvenio.it"), QStringLiteral("Oggetto & altro = sì"),
                        QStringLiteral("Riga?\nSeconda #2"));
        QCOMPARE(m_env->shell.opened.size(), 1);
        const QUrl url = m_env->shell.opened[0];
        QCOMPARE(url.path(), QStringLiteral("info@tarvenio.it"));
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                 QStringLiteral("Oggetto & altro = sì"));
        QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), QStringLiteral("Riga?\nSeconda #2"));
        QVERIFY(!url.hasFragment());
    }
};

QTEST_MAIN(TestTMisc)
#include "tst_tmisc.moc"
