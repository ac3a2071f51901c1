// The record layouts byte for byte, and the text rules of the fields.
#include "records/ContactRecord.h"
#include "records/PaymentRecord.h"
#include "records/TextField.h"

#include <QTest>

namespace {
// Puts a counted field into a hand-made record: length byte, then the bytes.
void put(QByteArray &rec, int offset, const QByteArray &text)
{
    rec[offset] = char(text.size());
    for (int i = 0; i < text.size(); ++i)
        rec[offset + 1 + i] = text[i];
}
}

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void paymentBytes()
    {
        PaymentRecord r;
        r.Data = QStringLiteral("07/03/2025");
        r.OreApp = QStringLiteral("09");
        r.MinutiApp = QStringLiteral("30");
        r.Ora = QStringLiteral("09:30");
        r.Avviso = QStringLiteral("5");
        r.Tipologia = QStringLiteral("In uscita");
        r.Causale = QStringLiteral("Caffè €");
        r.Contatto = QStringLiteral("Rossi");
        r.Email = QStringLiteral("a@b.it");
        r.Importo = QStringLiteral("1250,00");
        r.Note = QStringLiteral("  spazi  ");
        r.Ottemperata = QStringLiteral("Sì");

        QByteArray expected(1265, '\0');
        put(expected, 0, "07/03/2025");
        put(expected, 11, "09");
        put(expected, 14, "30");
        put(expected, 17, "09:30");
        put(expected, 23, "5");
        put(expected, 27, "In uscita");
        put(expected, 78, "Caff\xE8 \x80");
        put(expected, 580, "Rossi");
        put(expected, 693, "a@b.it");
        put(expected, 995, "1250,00");
        put(expected, 1011, "spazi");
        put(expected, 1262, "S\xEC");

        const QByteArray bytes = r.encode();
        QCOMPARE(bytes.size(), 1265);
        QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
        QCOMPARE(bytes.mid(1262).toHex(' '), QByteArray("02 53 ec"));

        PaymentRecord back = PaymentRecord::decode(expected);
        r.Note = QStringLiteral("spazi");
        QCOMPARE(back, r);
        QVERIFY(back.isSettled());
    }

    void contactBytes()
    {
        ContactRecord c;
        c.Nome = QStringLiteral("Società È€");
        c.Cap01 = QStringLiteral("40121"); // one character fits
        c.Sesso = QStringLiteral("F");
        c.CodFisc = QStringLiteral("RSSMRA80A01H501U");
        c.Iban = QStringLiteral("IT60X0542811101000000123456");
        c.Questioni = QStringLiteral("   ");
        c.Desc03 = QStringLiteral("ultimo");

        QByteArray expected(3831, '\0');
        put(expected, 0, "Societ\xE0 \xC8\x80");
        put(expected, 513, "4");
        put(expected, 811, "F");
        put(expected, 934, "RSSMRA80A01H501U");
        put(expected, 963, "IT60X0542811101000000123456");
        put(expected, 3580, "ultimo");

        const QByteArray bytes = c.encode();
        QCOMPARE(bytes.size(), 3831);
        QCOMPARE(bytes.toHex(' '), expected.toHex(' '));
        ContactRecord back = ContactRecord::decode(expected);
        QCOMPARE(back.Nome, c.Nome);
        QCOMPARE(back.Cap01, QStringLiteral("4"));
        QCOMPARE(back.Questioni, QString());
        QCOMPARE(back.Desc03, QStringLiteral("ultimo"));
    }

    void fieldCapacity()
    {
        PaymentRecord r;
        r.Causale = QString(300, QLatin1Char('x'));
        QCOMPARE(PaymentRecord::decode(r.encode()).Causale, QString(250, QLatin1Char('x')));

        ContactRecord c;
        c.Nome = QString(250, QLatin1Char('n'));
        c.Indirizzo = QStringLiteral("Via Roma");
        const QByteArray bytes = c.encode();
        QCOMPARE(quint8(bytes[0]), quint8(250));
        QCOMPARE(bytes.mid(251, 9), QByteArray("\x08Via Roma"));
    }

    void lengthByteAboveCapacity()
    {
        // A damaged length byte is read as the field's capacity, never past it.
        QByteArray rec = PaymentRecord().encode();
        rec[11] = char(200); // OreApp, capacity 2
        rec[12] = '1';
        rec[13] = '2';
        rec[14] = char(2);
        rec[15] = '4';
        rec[16] = '5';
        const PaymentRecord r = PaymentRecord::decode(rec);
        QCOMPARE(r.OreApp, QStringLiteral("12"));
        QCOMPARE(r.MinutiApp, QStringLiteral("45"));
        rec[1262] = char(255);
        rec[1263] = 'N';
        rec[1264] = 'o';
        QCOMPARE(PaymentRecord::decode(rec).Ottemperata, QStringLiteral("No"));
    }

    void win1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("abc 123") << QByteArray("abc 123");
        QTest::newRow("accents") << QStringLiteral("àèéìòù") << QByteArray("\xE0\xE8\xE9\xEC\xF2\xF9");
        QTest::newRow("euro and quotes") << QStringLiteral("€ “x” – ‘y’")
                                         << QByteArray("\x80 \x93x\x94 \x96 \x91y\x92");
        QTest::newRow("chinese") << QStringLiteral("a中b") << QByteArray("a?b");
        QTest::newRow("emoji is one character") << QStringLiteral("x😀y") << QByteArray("x?y");
        QTest::newRow("greek") << QStringLiteral("αβ") << QByteArray("??");
    }
    void win1252()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(TextField::toWin1252(text), bytes);
        if (!bytes.contains('?'))
            QCOMPARE(TextField::fromWin1252(bytes), text);
    }

    // Letters the code page cannot hold, brought to their base Latin letters
    // where they have them; everything else as it was.
    void foldToWin1252_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("Romanian") << QStringLiteral("Ștefan Țăranu") << QStringLiteral("Stefan Taranu");
        QTest::newRow("Hungarian") << QStringLiteral("Erdős Győző") << QStringLiteral("Erdos Gyozo");
        QTest::newRow("Polish: ó is in the code page")
            << QStringLiteral("Łódź Wałęsa") << QStringLiteral("Lódz Walesa");
        QTest::newRow("Croatian") << QStringLiteral("Đurđević") << QStringLiteral("Durdevic");
        QTest::newRow("Czech") << QStringLiteral("Dvořák") << QStringLiteral("Dvorák");
        QTest::newRow("Turkish") << QStringLiteral("Işık") << QStringLiteral("Isik");
        QTest::newRow("Maltese") << QStringLiteral("Ħamrun") << QStringLiteral("Hamrun");
        QTest::newRow("two accents") << QStringLiteral("Nguyễn") << QStringLiteral("Nguyen");
        QTest::newRow("capital sharp s") << QStringLiteral("GROẞ") << QStringLiteral("GROSS");
        QTest::newRow("held letters stay")
            << QStringLiteral("ß ø Ø æ Æ œ é ñ Š") << QStringLiteral("ß ø Ø æ Æ œ é ñ Š");
        QTest::newRow("Cyrillic has no Latin base") << QStringLiteral("документ й") << QStringLiteral("документ й");
        QTest::newRow("Greek neither") << QStringLiteral("άλφα") << QStringLiteral("άλφα");
        QTest::newRow("symbols keep their meaning") << QStringLiteral("≠ ≤") << QStringLiteral("≠ ≤");
        QTest::newRow("outside the basic plane") << QStringLiteral("x😀𝐀y") << QStringLiteral("x😀𝐀y");
        QTest::newRow("empty") << QString() << QString();
    }
    void foldToWin1252()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(TextField::foldToWin1252(text), folded);
        // What the code page holds after folding is stored as it is.
        const QByteArray bytes = TextField::toWin1252(folded);
        if (!bytes.contains('?'))
            QCOMPARE(TextField::fromWin1252(bytes), folded);
    }

    void everyByteRoundTrips()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(TextField::toWin1252(TextField::fromWin1252(all)), all);
    }

    void trimming_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks") << QStringLiteral("  a b  ") << QStringLiteral("a b");
        QTest::newRow("controls") << QStringLiteral("\t\r\n a\x01") << QStringLiteral("a");
        QTest::newRow("only blanks") << QStringLiteral(" \t ") << QString();
        // Above code 32 nothing is removed, not even a no-break space.
        QTest::newRow("no-break space kept") << QStringLiteral("\u00A0a\u00A0") << QStringLiteral("\u00A0a\u00A0");
    }
    void trimming()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(TextField::trimmed(text), trimmed);
        PaymentRecord r;
        r.Note = text;
        QCOMPARE(PaymentRecord::decode(r.encode()).Note, trimmed);
    }

    void readerTrimsWhatOthersWrote()
    {
        QByteArray rec = PaymentRecord().encode();
        put(rec, 580, "  Bianchi \t");
        QCOMPARE(PaymentRecord::decode(rec).Contatto, QStringLiteral("Bianchi"));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
