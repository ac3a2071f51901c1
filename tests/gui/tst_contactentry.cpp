// The contact card's boxes as the user types: lengths, the Enter chain, the
// postcode and province boxes that move on by themselves, upper case and
// trimming, the digits-only VAT box, the focus colours, and the buttons beside
// the boxes: e-mail, the four checks, and the help.
#include "Controls.h"
#include "ModalDriver.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "app/Windows.h"
#include "contacts/TfrmAnagrafica.h"
#include "contacts/TfrmCarta.h"
#include "contacts/TfrmCodFisc.h"
#include "contacts/TfrmIban.h"
#include "contacts/TfrmPartitaIva.h"
#include "ui/entry/EntryBox.h"
#include "ui/windows/HelpTexts.h"
#include "ui/widgets/PictureButton.h"
#include "ui/windows/TfrmGuida.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {
const QStringList kChain = {"txtNome",      "txtIndirizzo",  "txtNum",        "txtCap01",        "txtCap02",
                            "txtCap03",     "txtCap04",      "txtCap05",      "txtLocalita",     "txtProv01",
                            "txtProv02",    "txtTel",        "txtEmail",      "txtDataNasc",     "txtSesso",
                            "txtLuogoNasc", "txtCodFisc",    "txtPartitaIva", "txtIban",         "txtPec",
                            "txtCarta",     "txtScadeCarta", "txtCel",        "txtCittadinanza", "txtOccupazione",
                            "txtCivile",    "txtTipoDoc",    "txtEnteRil",    "txtDataRil",      "txtDataSca",
                            "txtProdotti",  "txtQuestioni",  "txtNote"};

QString focusedName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

// Each key goes to whichever box has the focus at that moment, as the
// keyboard does: the one-character boxes move the focus on by themselves.
void typeIntoFocus(const QString &keys)
{
    for (QChar c : keys)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
}
void pressInFocus(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
}

class TestContactEntry : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmAnagrafica *ed() const { return Windows::resident().anagrafica; }
    QLineEdit *box(const QString &name) const { return ed()->findChild<QLineEdit *>(name); }

    void focus(QWidget *w, Qt::FocusReason reason = Qt::MouseFocusReason)
    {
        w->setFocus(reason);
        QTRY_COMPARE(QApplication::focusWidget(), w);
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        QVERIFY(m_env->show(ed()));
    }
    void cleanup() { m_env.reset(); }

    void lengthsAndAlignment()
    {
        const QHash<QString, int> lengths = {{"txtNome", 250},        {"txtIndirizzo", 250}, {"txtProdotti", 250},
                                             {"txtQuestioni", 250},   {"txtNote", 250},      {"txtLocalita", 120},
                                             {"txtEmail", 120},       {"txtLuogoNasc", 120}, {"txtPec", 120},
                                             {"txtOccupazione", 120}, {"txtCarta", 50},      {"txtCel", 50},
                                             {"txtCittadinanza", 50}, {"txtCivile", 50},     {"txtTipoDoc", 50},
                                             {"txtEnteRil", 50},      {"txtTel", 30},        {"txtIban", 27},
                                             {"txtCodFisc", 16},      {"txtPartitaIva", 11}, {"txtNum", 10},
                                             {"txtDataNasc", 10},     {"txtScadeCarta", 10}, {"txtDataRil", 10},
                                             {"txtDataSca", 10},      {"txtCap01", 1},       {"txtCap02", 1},
                                             {"txtCap03", 1},         {"txtCap04", 1},       {"txtCap05", 1},
                                             {"txtProv01", 1},        {"txtProv02", 1},      {"txtSesso", 1}};
        QCOMPARE(lengths.size(), 33);
        for (const QString &name : kChain) {
            QLineEdit *b = box(name);
            QVERIFY2(b, qPrintable(name));
            QCOMPARE(b->maxLength(), lengths.value(name));
            QCOMPARE(bool(b->alignment() & Qt::AlignHCenter), lengths.value(name) == 1);
            QVERIFY(b->isVisible());
            QVERIFY(!b->isReadOnly());
        }
        // The user cannot type past the limit.
        focus(child<QLineEdit>(ed(), "txtNum"));
        QTest::keyClicks(child<QLineEdit>(ed(), "txtNum"), QStringLiteral("123456789012345"));
        QCOMPARE(child<QLineEdit>(ed(), "txtNum")->text(), QStringLiteral("1234567890"));
    }

    void enterChain()
    {
        focus(child<QLineEdit>(ed(), "txtNome"));
        QStringList visited;
        for (int i = 0; i < kChain.size(); ++i) {
            visited << focusedName();
            pressInFocus(Qt::Key_Return);
        }
        QCOMPARE(visited, kChain);
        QCOMPARE(focusedName(), QStringLiteral("txtNome")); // from the notes back to the name
        // Enter only moves: nothing is saved, nothing asked.
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QVERIFY(!QFile::exists(m_env->file(QString::fromLatin1(ContactRecord::FileName))));
    }

    void enterFromSomeBoxes_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("notes") << "txtNote"
                               << "txtNome";
        QTest::newRow("last postcode box") << "txtCap05"
                                           << "txtLocalita";
        QTest::newRow("second province box") << "txtProv02"
                                             << "txtTel";
        QTest::newRow("VAT number") << "txtPartitaIva"
                                    << "txtIban";
        QTest::newRow("keypad Enter") << "txtCodFisc"
                                      << "txtPartitaIva";
    }
    void enterFromSomeBoxes()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        box(from)->setText(from == QLatin1String("txtPartitaIva") ? QStringLiteral("123") : QStringLiteral("X"));
        const QString before = box(from)->text();
        focus(box(from));
        pressInFocus(QTest::currentDataTag() == QLatin1String("keypad Enter") ? Qt::Key_Enter : Qt::Key_Return);
        QCOMPARE(focusedName(), to);
        QCOMPARE(box(from)->text(), before);
    }

    void postcodeFillsItsBoxesOneByOne_data()
    {
        QTest::addColumn<int>("reason");
        QTest::newRow("clicked into") << int(Qt::MouseFocusReason);
        QTest::newRow("reached by Enter") << int(Qt::TabFocusReason);
    }
    void postcodeFillsItsBoxesOneByOne()
    {
        QFETCH(int, reason);
        focus(child<QLineEdit>(ed(), "txtCap01"), Qt::FocusReason(reason));
        typeIntoFocus(QStringLiteral("40121"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCap01")->text(), QStringLiteral("4"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCap02")->text(), QStringLiteral("0"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCap03")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCap04")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCap05")->text(), QStringLiteral("1"));
        QCOMPARE(focusedName(), QStringLiteral("txtLocalita"));
        QCOMPARE(child<QLineEdit>(ed(), "txtLocalita")->text(), QString());
    }

    void provinceIsUpperCased()
    {
        focus(child<QLineEdit>(ed(), "txtProv01"));
        typeIntoFocus(QStringLiteral("bo"));
        QCOMPARE(child<QLineEdit>(ed(), "txtProv01")->text(), QStringLiteral("B"));
        QCOMPARE(child<QLineEdit>(ed(), "txtProv02")->text(), QStringLiteral("O"));
        QCOMPARE(focusedName(), QStringLiteral("txtTel"));
    }

    void oneCharacterBoxKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focused");
        QTest::newRow("Backspace empties") << int(Qt::Key_Backspace) << ""
                                           << "txtCap03";
        QTest::newRow("Delete empties") << int(Qt::Key_Delete) << ""
                                        << "txtCap03";
        QTest::newRow("Left stays") << int(Qt::Key_Left) << "7"
                                    << "txtCap03";
        QTest::newRow("Right stays") << int(Qt::Key_Right) << "7"
                                     << "txtCap03";
        QTest::newRow("Shift alone stays") << int(Qt::Key_Shift) << "7"
                                           << "txtCap03";
        QTest::newRow("a letter into a full box") << int(Qt::Key_A) << "7"
                                                  << "txtCap04";
        QTest::newRow("a digit into a full box") << int(Qt::Key_9) << "7"
                                                 << "txtCap04";
        QTest::newRow("a blank") << int(Qt::Key_Space) << "7"
                                 << "txtCap04";
        QTest::newRow("another key") << int(Qt::Key_End) << "7"
                                     << "txtCap04";
    }
    void oneCharacterBoxKeys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(QString, focused);
        child<QLineEdit>(ed(), "txtCap03")->setText(QStringLiteral("7"));
        // Entered the way Enter enters it, which selects the character.
        focus(child<QLineEdit>(ed(), "txtCap03"), Qt::TabFocusReason);
        const QString typed = key == Qt::Key_A       ? QStringLiteral("a")
                              : key == Qt::Key_9     ? QStringLiteral("9")
                              : key == Qt::Key_Space ? QStringLiteral(" ")
                                                     : QString();
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key(key), typed, Qt::NoModifier);
        QCOMPARE(child<QLineEdit>(ed(), "txtCap03")->text(), text);
        QCOMPARE(focusedName(), focused);
    }

    void aLetterIntoAFullSecondBoxMovesOn()
    {
        child<QLineEdit>(ed(), "txtCap02")->setText(QStringLiteral("0"));
        focus(child<QLineEdit>(ed(), "txtCap02"));
        typeIntoFocus(QStringLiteral("x"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCap02")->text(), QStringLiteral("0"));
        QCOMPARE(focusedName(), QStringLiteral("txtCap03"));
        // A letter in an empty postcode box goes in upper-cased; the program checks nothing.
        typeIntoFocus(QStringLiteral("x"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCap03")->text(), QStringLiteral("X"));
        QCOMPARE(focusedName(), QStringLiteral("txtCap04"));
    }

    void sexIsUpperCased()
    {
        focus(child<QLineEdit>(ed(), "txtSesso"));
        typeIntoFocus(QStringLiteral("m"));
        QCOMPARE(child<QLineEdit>(ed(), "txtSesso")->text(), QStringLiteral("M"));
        QCOMPARE(focusedName(), QStringLiteral("txtSesso")); // not a box that moves on
        QTest::keyClick(child<QLineEdit>(ed(), "txtSesso"), Qt::Key_Backspace);
        typeIntoFocus(QStringLiteral(" "));
        QCOMPARE(child<QLineEdit>(ed(), "txtSesso")->text(), QString());
        typeIntoFocus(QStringLiteral("f"));
        QCOMPARE(child<QLineEdit>(ed(), "txtSesso")->text(), QStringLiteral("F"));
        // With a name, a typed sex is enough to save.
        child<QLineEdit>(ed(), "txtNome")->setText(QStringLiteral("Anna Verdi"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.texts(),
                 QStringList {QStringLiteral("La scheda corrente è stata inserita in archivio.")});
    }

    void vatNumberTakesDigitsOnly()
    {
        focus(child<QLineEdit>(ed(), "txtPartitaIva"));
        QTest::keyClicks(child<QLineEdit>(ed(), "txtPartitaIva"), QStringLiteral("IT 012a-34.5"));
        QCOMPARE(child<QLineEdit>(ed(), "txtPartitaIva")->text(), QStringLiteral("012345"));
        QTest::keyClicks(child<QLineEdit>(ed(), "txtPartitaIva"), QStringLiteral("678901234"));
        QCOMPARE(child<QLineEdit>(ed(), "txtPartitaIva")->text(), QStringLiteral("01234567890"));
        // Backspace and the arrows keep their effect.
        QTest::keyClick(child<QLineEdit>(ed(), "txtPartitaIva"), Qt::Key_Left);
        QTest::keyClick(child<QLineEdit>(ed(), "txtPartitaIva"), Qt::Key_Backspace);
        QCOMPARE(child<QLineEdit>(ed(), "txtPartitaIva")->text(), QStringLiteral("0123456780"));
        QTest::keyClick(child<QLineEdit>(ed(), "txtPartitaIva"), Qt::Key_Right);
        QTest::keyClicks(child<QLineEdit>(ed(), "txtPartitaIva"), QStringLiteral("Z"));
        QCOMPARE(child<QLineEdit>(ed(), "txtPartitaIva")->text(), QStringLiteral("0123456780"));
        // Pasting obeys the same rule.
        child<QLineEdit>(ed(), "txtPartitaIva")->clear();
        QApplication::clipboard()->setText(QStringLiteral("0123-4567"));
        if (QApplication::clipboard()->text().isEmpty())
            QSKIP("no clipboard on this platform");
        child<QLineEdit>(ed(), "txtPartitaIva")->paste();
        QCOMPARE(child<QLineEdit>(ed(), "txtPartitaIva")->text(), QStringLiteral("01234567"));
    }

    void normalisedWhileTyping_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("fiscal code") << "txtCodFisc"
                                     << " rssmra80a01h501u "
                                     << "RSSMRA80A01H501U";
        QTest::newRow("IBAN") << "txtIban"
                              << "it60 x054"
                              << "IT60X054";
        QTest::newRow("card") << "txtCarta"
                              << "4111 1111 "
                              << "41111111";
        QTest::newRow("e-mail: trimmed, case kept") << "txtEmail"
                                                    << " Mario.Rossi@Example.it "
                                                    << "Mario.Rossi@Example.it";
        QTest::newRow("certified e-mail") << "txtPec"
                                          << " rossi@pec.it  "
                                          << "rossi@pec.it";
        QTest::newRow("a free box keeps what is typed") << "txtNome"
                                                        << " mario rossi "
                                                        << " mario rossi ";
        QTest::newRow("place of birth") << "txtLuogoNasc"
                                        << "  reggio emilia"
                                        << "  reggio emilia";
    }
    void normalisedWhileTyping()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        focus(box(name));
        QTest::keyClicks(box(name), typed);
        QCOMPARE(box(name)->text(), shown);
    }

    void pasteGoesInAsIfTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("shown");
        // What typing would drop (blanks at the end, other characters) goes
        // first; only then is the text cut to the box's length.
        QTest::newRow("IBAN in groups, longer than the box") << "txtIban"
                                                             << "IT60 X054 2811 1010 0000 0123 456"
                                                             << "IT60X0542811101000000123456";
        QTest::newRow("fiscal code in groups") << "txtCodFisc"
                                               << " rss mra 80a01 h501u "
                                               << "RSSMRA80A01H501U";
        QTest::newRow("card number in groups") << "txtCarta"
                                               << "4111 1111 1111 1111"
                                               << "4111111111111111";
        QTest::newRow("VAT number with its prefix") << "txtPartitaIva"
                                                    << "IT 007 431 101 57"
                                                    << "00743110157";
        QTest::newRow("VAT digits past the box") << "txtPartitaIva"
                                                 << "0123456789012345"
                                                 << "01234567890";
        QTest::newRow("e-mail") << "txtEmail"
                                << "  rossi@example.it  "
                                << "rossi@example.it";
        QTest::newRow("a free box is only cut") << "txtTel"
                                                << " 051 123 456 789 012 345 678 901 234"
                                                << " 051 123 456 789 012 345 678 9";
    }
    void pasteGoesInAsIfTyped()
    {
        QFETCH(QString, name);
        QFETCH(QString, pasted);
        QFETCH(QString, shown);
        QApplication::clipboard()->setText(pasted);
        if (QApplication::clipboard()->text().isEmpty())
            QSKIP("no clipboard on this platform");
        focus(box(name));
        QTest::keyClick(box(name), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box(name)->text(), shown);
        // Typed one character at a time, the same text.
        box(name)->clear();
        QTest::keyClicks(box(name), pasted);
        QCOMPARE(box(name)->text(), shown);
    }

    void textThatTheProgramPutsInIsLeftAlone()
    {
        ContactRecord r;
        r.Nome = QStringLiteral("Ditta");
        r.CodFisc = QStringLiteral("rssmra80a01h501u");
        r.PartitaIva = QStringLiteral("IT123");
        ed()->ShowContactRecord(1, r);
        QCOMPARE(child<QLineEdit>(ed(), "txtCodFisc")->text(), QStringLiteral("rssmra80a01h501u"));
        QCOMPARE(child<QLineEdit>(ed(), "txtPartitaIva")->text(), QStringLiteral("IT123"));
    }

    void focusColours()
    {
        const auto colours = [](QLineEdit *b) {
            const QImage image = b->grab().toImage();
            return std::pair {image.pixelColor(0, image.height() / 2), image.pixelColor(3, 3)};
        };
        const QColor border(0x87, 0xCE, 0xEB), alice(0xF0, 0xF8, 0xFF), yellow(0xFF, 0xFF, 0x00);
        focus(child<QLineEdit>(ed(), "txtNome"));
        for (const QString &name : kChain) {
            const auto [edge, fill] = colours(box(name));
            QCOMPARE(edge, border);
            QCOMPARE(fill, name == QLatin1String("txtNome") ? yellow : alice);
        }
        focus(child<QLineEdit>(ed(), "txtCap02"));
        QCOMPARE(colours(child<QLineEdit>(ed(), "txtCap02")).second, yellow);
        QCOMPARE(colours(child<QLineEdit>(ed(), "txtNome")).second, alice);
        QCOMPARE(colours(child<QLineEdit>(ed(), "txtNome")).first, border);
    }

    void emailButton_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url");
        QTest::newRow("address") << "  rossi@example.it "
                                 << "mailto:rossi@example.it";
        QTest::newRow("empty: a message without recipient") << ""
                                                            << "mailto:";
        QTest::newRow("no parameters slipped in") << "a@b.it?cc=x@y.it"
                                                  << "mailto:a@b.it%3Fcc=x@y.it";
    }
    void emailButton()
    {
        QFETCH(QString, address);
        QFETCH(QString, url);
        child<QLineEdit>(ed(), "txtEmail")->setText(address);
        child<PictureButton>(ed(), "btnEmail")->click();
        QCOMPARE(m_env->shell.opened.size(), 1);
        QCOMPARE(m_env->shell.opened[0].toString(QUrl::FullyEncoded), url);
    }

    void checkButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("handed");
        QTest::newRow("fiscal code") << "btnCodFisc"
                                     << "txtCodFisc"
                                     << "RSSMRA80A01H501U"
                                     << "TfrmCodFisc"
                                     << "txtCodFisc"
                                     << "RSSMRA80A01H501U";
        QTest::newRow("blank fiscal code") << "btnCodFisc"
                                           << "txtCodFisc"
                                           << "  "
                                           << "TfrmCodFisc"
                                           << "txtCodFisc"
                                           << "";
        QTest::newRow("fiscal code of digits") << "btnCodFisc"
                                               << "txtCodFisc"
                                               << "01234567890 "
                                               << "TfrmPartitaIva"
                                               << "txtPartitaIva"
                                               << "01234567890";
        QTest::newRow("digits and a letter") << "btnCodFisc"
                                             << "txtCodFisc"
                                             << "0123456789K"
                                             << "TfrmCodFisc"
                                             << "txtCodFisc"
                                             << "0123456789K";
        QTest::newRow("VAT number") << "btnPartitaIva"
                                    << "txtPartitaIva"
                                    << "00743110157"
                                    << "TfrmPartitaIva"
                                    << "txtPartitaIva"
                                    << "00743110157";
        QTest::newRow("empty VAT number") << "btnPartitaIva"
                                          << "txtPartitaIva"
                                          << ""
                                          << "TfrmPartitaIva"
                                          << "txtPartitaIva"
                                          << "";
        QTest::newRow("IBAN") << "btnIban"
                              << "txtIban"
                              << "IT60X0542811101000000123456"
                              << "TfrmIban"
                              << "txtIban"
                              << "IT60X0542811101000000123456";
        QTest::newRow("card") << "btnCarta"
                              << "txtCarta"
                              << " 4111111111111111"
                              << "TfrmCarta"
                              << "txtNumero"
                              << "4111111111111111";
    }
    void checkButtons()
    {
        QFETCH(QString, button);
        QFETCH(QString, source);
        QFETCH(QString, text);
        QFETCH(QString, window);
        QFETCH(QString, target);
        QFETCH(QString, handed);
        box(source)->setText(text);
        QString received;
        const auto seen = ModalDriver::next([window](QWidget *w) { return w->metaObject()->className() == window; },
                                            [&](QWidget *w) {
                                                QCOMPARE(w->parentWidget(), ed());
                                                auto *entry = w->findChild<EntryBox *>(target);
                                                QVERIFY(entry);
                                                received = entry->text();
                                                // Whatever the verdict, the editor stays as it was.
                                                entry->setText(QStringLiteral("0000"));
                                                child<QPushButton>(w, QStringLiteral("btnControlla"))->click();
                                            });
        child<PictureButton>(ed(), button)->click();
        QVERIFY2(seen->seen, qPrintable(QStringLiteral("no ") + window + QStringLiteral(", got ") + seen->unexpected));
        QCOMPARE(received, handed);
        QCOMPARE(box(source)->text(), text);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void help()
    {
        for (int twice = 0; twice < 2; ++twice) {
            QVERIFY(whileModal<TfrmGuida>([this] { child<PictureButton>(ed(), "cmdGuida")->click(); },
                                          [](TfrmGuida *help) {
                                              QCOMPARE(child<QLabel>(help, "lblTitolo")->text(),
                                                       QStringLiteral("App Archivio Anagrafico"));
                                              QCOMPARE(child<QPlainTextEdit>(help, "txtGuida")->toPlainText(),
                                                       HelpTexts::forContacts().text.replace(QLatin1String("\r\n"),
                                                                                             QLatin1String("\n")));
                                          }));
        }
        const QStringList paragraphs = HelpTexts::forContacts().text.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 7);
        // In its order: purpose, new and save, the data, duplicate, search,
        // attachments, checks with e-mail, print and export.
        const char *const topics[] = {"rubrica",  "Salva", "Questioni in sospeso", "Duplica", "Trova",
                                      "allegare", "Excel"};
        for (int i = 0; i < 7; ++i)
            QVERIFY2(paragraphs[i].contains(QLatin1String(topics[i])), qPrintable(paragraphs[i]));
        QVERIFY(paragraphs[2].contains(QStringLiteral("triangolo giallo")));
        QVERIFY(paragraphs[6].contains(QStringLiteral("e-mail")) && paragraphs[6].contains(QStringLiteral("ufficio")));
    }
};

QTEST_MAIN(TestContactEntry)
#include "tst_contactentry.moc"
