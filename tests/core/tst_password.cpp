// The password's scrambling, its comparable form and the password file.
#include "WriteFailure.h"

#include "app/IniText.h"
#include "app/PasswordFile.h"
#include "app/PasswordScrambling.h"
#include "platform/Services.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The text as UTF-16 with its byte-order mark.
QByteArray utf16(const QByteArray &latin1, bool littleEndian)
{
    QByteArray out(littleEndian ? "\xFF\xFE" : "\xFE\xFF");
    for (char c : latin1) {
        out.append(littleEndian ? c : '\0');
        out.append(littleEndian ? '\0' : c);
    }
    return out;
}

QString allLatin1()
{
    QString s;
    for (int c = 255; c >= 0; --c)
        s += QChar(char16_t(c));
    return s;
}
}

class TestPassword : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;

    QString filePath() const { return m_dir->filePath(QStringLiteral("unins000.dll")); }
    void writeFile(const QByteArray &bytes)
    {
        QFile f(filePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(bytes), bytes.size());
    }
    QByteArray readFile() const
    {
        QFile f(filePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        Services::setProgramFolder(m_dir->path());
    }
    void cleanup()
    {
        QFile::setPermissions(filePath(), QFile::ReadOwner | QFile::WriteOwner);
        Services::setProgramFolder({});
        m_dir.reset();
    }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("empty") << QString();
        QTest::newRow("one letter") << QStringLiteral("A");
        QTest::newRow("initial") << QStringLiteral("TARVENIO");
        QTest::newRow("lower case and digits") << QStringLiteral("segreto2025");
        QTest::newRow("accents") << QStringLiteral("CAFFÈ è à ì ò ù ÿ");
        QTest::newRow("blanks inside and around") << QStringLiteral("  DUE PAROLE  ");
        QTest::newRow("control codes and nul")
            << QString::fromLatin1("\x01\x1f\x7f", 3) + QChar(u'\0') + QStringLiteral("X");
        QTest::newRow("longest") << QString(255, QLatin1Char('Z'));
        QTest::newRow("every code") << allLatin1();
        QTest::newRow("same letter repeated") << QStringLiteral("AAAAAAAAAAAAAAAA");
    }
    void roundTrip()
    {
        QFETCH(QString, password);
        const QString hex = ScramblePassword(password);
        QCOMPARE(hex.size(), password.size() * 2);
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(hex).hasMatch());
        QCOMPARE(UnscramblePassword(hex), password);
        QCOMPARE(UnscramblePassword(hex.toLower()), password);
    }

    void everySingleCharacter()
    {
        QSet<QString> seen;
        for (int c = 0; c < 256; ++c) {
            const QString one {QChar(char16_t(c))};
            const QString hex = ScramblePassword(one);
            QCOMPARE(hex.size(), 2);
            QCOMPARE(UnscramblePassword(hex), one);
            seen.insert(hex);
            // The first pair depends on the first character only.
            QCOMPARE(ScramblePassword(one + QStringLiteral("tail")).left(2), hex);
            QCOMPARE(ScramblePassword(one + QStringLiteral("other")).left(2), hex);
        }
        QCOMPARE(seen.size(), 256);
    }

    void knownValues()
    {
        // Worked out by hand from the key 7253 (0x1C55): "T" is 0x54, 0x54 ^ 0x1C = 0x48.
        QCOMPARE(ScramblePassword(QStringLiteral("T")), QStringLiteral("48"));
        QCOMPARE(ScramblePassword(QStringLiteral("TARVENIO")), QStringLiteral("48FB0B18011FF052"));
        // Only the low 8 bits of a character are kept.
        QCOMPARE(ScramblePassword(QString(QChar(u'€'))), ScramblePassword(QString(QChar(char16_t(0x20AC & 0xFF)))));
    }

    void emptyBothWays()
    {
        QCOMPARE(ScramblePassword(QString()), QString());
        QCOMPARE(UnscramblePassword(QString()), QString());
        QCOMPARE(UnscramblePassword(QStringLiteral("4")), QString());
    }

    void lastUnpairedDigitIgnored()
    {
        const QString hex = ScramblePassword(QStringLiteral("TARVENIO"));
        QCOMPARE(UnscramblePassword(hex + QLatin1Char('7')), QStringLiteral("TARVENIO"));
        // Even when it is not a digit at all.
        QCOMPARE(UnscramblePassword(hex + QLatin1Char('Z')), QStringLiteral("TARVENIO"));
    }

    void notHexadecimalRaises_data()
    {
        QTest::addColumn<QString>("hex");
        QTest::newRow("two letters Z") << QStringLiteral("ZZ");
        QTest::newRow("second digit") << QStringLiteral("4G");
        QTest::newRow("later pair") << QStringLiteral("48FB0BZZ01");
        QTest::newRow("blank") << QStringLiteral(" 4");
        QTest::newRow("sign") << QStringLiteral("-1");
    }
    void notHexadecimalRaises()
    {
        QFETCH(QString, hex);
        QVERIFY_THROWS_EXCEPTION(PasswordConversionError, UnscramblePassword(hex));
    }

    void comparableForm_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lower case") << "tarvenio"
                                    << "TARVENIO";
        QTest::newRow("blanks around") << "  TarVenio  "
                                       << "TARVENIO";
        QTest::newRow("tabs and line ends") << "\tabc\r\n"
                                            << "ABC";
        QTest::newRow("only a to z change") << "àèß-z1"
                                            << "àèß-Z1";
        QTest::newRow("blank inside kept") << " a b "
                                           << "A B";
        QTest::newRow("only blanks") << "   "
                                     << "";
    }
    void comparableForm()
    {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QCOMPARE(PasswordText::comparable(typed), expected);
    }

    void storedForm()
    {
        QVERIFY(PasswordText::fitsStoredForm(QString(255, QLatin1Char('A'))));
        QVERIFY(!PasswordText::fitsStoredForm(QString(256, QLatin1Char('A'))));
        QVERIFY(PasswordText::fitsStoredForm(allLatin1().left(200)));
        QVERIFY(!PasswordText::fitsStoredForm(QStringLiteral("EURO€")));
        QVERIFY(!PasswordText::fitsStoredForm(QStringLiteral("Ā")));
    }

    void iniValue_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QByteArray("[Accesso]\r\nValore=48FB\r\n") << "48FB";
        QTest::newRow("line feeds") << QByteArray("[Accesso]\nValore=48FB") << "48FB";
        QTest::newRow("names in any case, blanks") << QByteArray("  [ accesso ]\n  VALORE =  48FB  \n") << "48FB";
        QTest::newRow("quoted") << QByteArray("[Accesso]\nValore=\"48FB\"\n") << "48FB";
        QTest::newRow("comments and other keys")
            << QByteArray("; note\n[Accesso]\n;Valore=11\nAltro=1\nValore=22\n") << "22";
        QTest::newRow("key of another section") << QByteArray("[Altro]\nValore=11\n[Accesso]\nNome=x\n") << "";
        QTest::newRow("first section wins") << QByteArray("[Accesso]\nValore=11\n[Accesso]\nValore=22\n") << "11";
        QTest::newRow("no section") << QByteArray("Valore=11\n") << "";
        QTest::newRow("empty value") << QByteArray("[Accesso]\nValore=\n") << "";
        QTest::newRow("empty file") << QByteArray() << "";
        QTest::newRow("value with equals") << QByteArray("[Accesso]\nValore=a=b\n") << "a=b";
    }
    void iniValue()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        QCOMPARE(IniText::value(content, QStringLiteral("Accesso"), QStringLiteral("Valore")), expected);
    }

    void iniWithValue_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("replaced") << QByteArray("[Accesso]\r\nValore=11\r\n")
                                  << QByteArray("[Accesso]\r\nValore=AB\r\n");
        QTest::newRow("others kept") << QByteArray(
            "; nota\n[Prima]\nA=1\n[accesso]\n valore = 11\nB=2\n\n[Dopo]\nC=3\n")
                                     << QByteArray("; nota\n[Prima]\nA=1\n[accesso]\nValore=AB\nB=2\n\n[Dopo]\nC=3\n");
        QTest::newRow("key added to its section")
            << QByteArray("[Accesso]\r\nB=2\r\n\r\n[Dopo]\r\nC=3\r\n")
            << QByteArray("[Accesso]\r\nB=2\r\nValore=AB\r\n\r\n[Dopo]\r\nC=3\r\n");
        QTest::newRow("section added") << QByteArray("[Altro]\nA=1")
                                       << QByteArray("[Altro]\nA=1\n[Accesso]\nValore=AB\n");
        QTest::newRow("new file") << QByteArray() << QByteArray("[Accesso]\r\nValore=AB\r\n");
        QTest::newRow("other bytes untouched") << QByteArray("[N\xF2te]\nX=\x80\xFF\n[Accesso]\nValore=1\n")
                                               << QByteArray("[N\xF2te]\nX=\x80\xFF\n[Accesso]\nValore=AB\n");
    }
    void iniWithValue()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, expected);
        const QByteArray out =
            IniText::withValue(content, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("AB"));
        QCOMPARE(out, expected);
        QCOMPARE(IniText::value(out, QStringLiteral("Accesso"), QStringLiteral("Valore")), QStringLiteral("AB"));
    }

    void iniLineEndsAndMarks_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("CR only") << QByteArray("[Accesso]\rValore=11\r") << QByteArray("[Accesso]\rValore=AB\r");
        QTest::newRow("CR only, no last end")
            << QByteArray("; x\r[Accesso]\rValore=11") << QByteArray("; x\r[Accesso]\rValore=AB\r");
        QTest::newRow("CR only, key added")
            << QByteArray("[Accesso]\rB=2\r") << QByteArray("[Accesso]\rB=2\rValore=AB\r");
        QTest::newRow("mixed ends kept") << QByteArray("[Prima]\nA=1\r\n[Accesso]\rValore=11\n")
                                         << QByteArray("[Prima]\nA=1\r\n[Accesso]\rValore=AB\n");
        QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF[Accesso]\r\nValore=11\r\n")
                                    << QByteArray("\xEF\xBB\xBF[Accesso]\r\nValore=AB\r\n");
        QTest::newRow("UTF-8 mark, other text kept")
            << QByteArray("\xEF\xBB\xBF; caff\xC3\xA8\n[Accesso]\nValore=11\n")
            << QByteArray("\xEF\xBB\xBF; caff\xC3\xA8\n[Accesso]\nValore=AB\n");
        QTest::newRow("UTF-16 LE") << utf16("[Accesso]\r\nValore=11\r\n", true)
                                   << utf16("[Accesso]\r\nValore=AB\r\n", true);
        QTest::newRow("UTF-16 BE") << utf16("[Accesso]\nValore=11\n", false) << utf16("[Accesso]\nValore=AB\n", false);
        QTest::newRow("UTF-16, U+FEFF in the text kept")
            << "\xFF\xFE\xFF\xFE" + utf16("\r\n[Accesso]\r\nValore=11\r\n", true).mid(2)
            << "\xFF\xFE\xFF\xFE" + utf16("\r\n[Accesso]\r\nValore=AB\r\n", true).mid(2);
        QTest::newRow("UTF-16, section added")
            << utf16("[Altro]\r\nA=1\r\n", true) << utf16("[Altro]\r\nA=1\r\n[Accesso]\r\nValore=AB\r\n", true);
    }
    void iniLineEndsAndMarks()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, expected);
        const QString before = IniText::value(content, QStringLiteral("Accesso"), QStringLiteral("Valore"));
        QVERIFY(before == QStringLiteral("11") || before.isEmpty());
        const QByteArray out =
            IniText::withValue(content, QStringLiteral("Accesso"), QStringLiteral("Valore"), QStringLiteral("AB"));
        QCOMPARE(out, expected);
        QCOMPARE(IniText::value(out, QStringLiteral("Accesso"), QStringLiteral("Valore")), QStringLiteral("AB"));
    }

    void passwordFileFromAnotherSystem_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("changed");
        const QByteArray before = ScramblePassword(QStringLiteral("TARVENIO")).toLatin1();
        const QByteArray after = ScramblePassword(QStringLiteral("NUOVA")).toLatin1();
        const auto row = [&](const char *name, const std::function<QByteArray(const QByteArray &)> &file) {
            QTest::newRow(name) << file(before) << file(after);
        };
        row("UTF-8 mark", [](const QByteArray &v) { return "\xEF\xBB\xBF[Accesso]\r\nValore=" + v + "\r\n"; });
        row("CR only", [](const QByteArray &v) { return "[Accesso]\rValore=" + v + "\r"; });
        row("UTF-8 mark and CR only",
            [](const QByteArray &v) { return "\xEF\xBB\xBF; nota\r[Accesso]\rValore=" + v + "\r"; });
        row("UTF-16 LE", [](const QByteArray &v) { return utf16("[Accesso]\r\nValore=" + v + "\r\n", true); });
        row("UTF-16 BE", [](const QByteArray &v) { return utf16("[Accesso]\nValore=" + v + "\n", false); });
        row("just under the size limit", [](const QByteArray &v) {
            return "[Accesso]\r\nValore=" + v + "\r\n;" + QByteArray(PasswordFile::MaxSize - 40, 'x') + "\r\n";
        });
    }
    void passwordFileFromAnotherSystem()
    {
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, changed);
        QVERIFY(content.size() <= PasswordFile::MaxSize);
        writeFile(content);
        QCOMPARE(PasswordFile::storedPassword(), QStringLiteral("TARVENIO"));
        // A change keeps the file's own form: its mark, encoding and line ends.
        PasswordFile::storePassword(QStringLiteral("NUOVA"));
        QCOMPARE(PasswordFile::storedPassword(), QStringLiteral("NUOVA"));
        QCOMPARE(readFile(), changed);
    }

    void notAPasswordFileRaises_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("1 MB") << "1 MB";
        QTest::newRow("one byte over 64 KiB") << "64 KiB + 1";
        QTest::newRow("no read permission") << "unreadable";
    }
    void notAPasswordFileRaises()
    {
        QFETCH(QString, kind);
        const QByteArray valid =
            "[Accesso]\r\nValore=" + ScramblePassword(QStringLiteral("TARVENIO")).toLatin1() + "\r\n";
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(filePath()).constData(), 0644), 0);
        } else if (kind == QLatin1String("unreadable")) {
            writeFile(valid);
            QVERIFY(QFile::setPermissions(filePath(), QFile::WriteOwner));
        } else {
            const qint64 size = kind == QLatin1String("1 MB") ? 1 << 20 : PasswordFile::MaxSize + 1;
            writeFile(valid + ";" + QByteArray(size - valid.size() - 1, 'x'));
        }
        // A FIFO with no writer would hang an ordinary read; the alarm ends
        // the test should that ever come back.
        ::alarm(30);
        QVERIFY_THROWS_EXCEPTION(PasswordFileError, PasswordFile::readValue());
        QVERIFY_THROWS_EXCEPTION(PasswordFileError, PasswordFile::storePassword(QStringLiteral("NUOVA")));
        ::alarm(0);
        ::unlink(QFile::encodeName(filePath()).constData());
    }

    void writeFailureLeavesTheOldFile_data()
    {
        QTest::addColumn<qint64>("limit");
        QTest::newRow("nothing fits") << qint64(0);
        QTest::newRow("half fits") << qint64(20);
    }
    void writeFailureLeavesTheOldFile()
    {
        QFETCH(qint64, limit);
        const QByteArray before =
            "[Accesso]\r\nValore=" + ScramblePassword(QStringLiteral("VECCHIA")).toLatin1() + "\r\n";
        writeFile(before);
        {
            FileSizeLimit full(limit);
            QVERIFY(full.active());
            QVERIFY_THROWS_EXCEPTION(PasswordFileError, PasswordFile::storePassword(QStringLiteral("NUOVA PIU LUNGA")));
        }
        QCOMPARE(readFile(), before);
        QCOMPARE(PasswordFile::storedPassword(), QStringLiteral("VECCHIA"));
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {QStringLiteral("unins000.dll")});
    }

    void missingFileReadsEmpty()
    {
        QCOMPARE(PasswordFile::readValue(), QString());
        QCOMPARE(PasswordFile::storedPassword(), QString());
    }

    void storeAndRead()
    {
        PasswordFile::storePassword(QStringLiteral("NUOVA PAROLA"));
        QCOMPARE(readFile(), QByteArray("[Accesso]\r\nValore=")
                                 + ScramblePassword(QStringLiteral("NUOVA PAROLA")).toLatin1() + "\r\n");
        QCOMPARE(PasswordFile::storedPassword(), QStringLiteral("NUOVA PAROLA"));
        // Replacing the file keeps who may read it.
        const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(filePath(), mode));
        PasswordFile::storePassword(QStringLiteral("ALTRA"));
        QCOMPARE(PasswordFile::storedPassword(), QStringLiteral("ALTRA"));
        QCOMPARE(QFile::permissions(filePath()) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), mode);
        // Nothing but the file itself is left in the folder.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList {QStringLiteral("unins000.dll")});
    }

    void storedPasswordIsTrimmed()
    {
        writeFile("[Accesso]\nValore=" + ScramblePassword(QStringLiteral("  ABC \t")).toLatin1() + "\n");
        QCOMPARE(PasswordFile::storedPassword(), QStringLiteral("ABC"));
    }

    void readOnlyFileKeepsItsValue()
    {
        const QByteArray before =
            "[Accesso]\r\nValore=" + ScramblePassword(QStringLiteral("VECCHIA")).toLatin1() + "\r\n";
        writeFile(before);
        QVERIFY(QFile::setPermissions(filePath(), QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup));
        QVERIFY_THROWS_EXCEPTION(PasswordFileError, PasswordFile::storePassword(QStringLiteral("NUOVA")));
        QCOMPARE(readFile(), before);
        QCOMPARE(PasswordFile::storedPassword(), QStringLiteral("VECCHIA"));
    }

    void unreadableFileRaises()
    {
        // A folder where the file should be: there, but not readable as a file.
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("unins000.dll")));
        QVERIFY_THROWS_EXCEPTION(PasswordFileError, PasswordFile::readValue());
        QVERIFY_THROWS_EXCEPTION(PasswordFileError, PasswordFile::storePassword(QStringLiteral("X")));
        QDir(m_dir->path()).rmdir(QStringLiteral("unins000.dll"));
    }

    void damagedValueRaises()
    {
        writeFile("[Accesso]\nValore=ZZ\n");
        QVERIFY_THROWS_EXCEPTION(PasswordConversionError, PasswordFile::storedPassword());
    }

    void initialPasswordFile()
    {
        const QString assets = qEnvironmentVariable("TARVENIO_ASSETS");
        QVERIFY2(!assets.isEmpty(), "TARVENIO_ASSETS is not set");
        Services::setProgramFolder(assets);
        QCOMPARE(PasswordFile::storedPassword(), QStringLiteral("TARVENIO"));
    }
};

QTEST_GUILESS_MAIN(TestPassword)
#include "tst_password.moc"
