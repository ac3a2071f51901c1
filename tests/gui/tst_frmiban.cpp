// The IBAN check window.
#include "Controls.h"
#include "CheckWindowSteps.h"
#include "TestServices.h"

#include "contacts/TfrmIban.h"
#include "ui/entry/EntryBox.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const QString kLength = QStringLiteral("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.");
const QString kValid = QStringLiteral("L'IBAN digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: l'IBAN digitato è ERRATO!");
}

class TestFrmIban : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TfrmIban> m_w;

    CheckOutcome controlla() { return pressControlla(m_w.get(), child<QLineEdit>(m_w, "txtIban"), m_env->dialogs); }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_w = std::make_unique<TfrmIban>();
        QVERIFY(showCheckWindow(m_w.get()));
    }
    void cleanup()
    {
        m_w.reset();
        m_env.reset();
    }

    void looksAsDescribed()
    {
        QCOMPARE(m_w->windowTitle(), QStringLiteral(" Controllo IBAN"));
        QCOMPARE(child<QLabel>(m_w, "lblTitolo")->text(),
                 QStringLiteral("Immettere l'IBAN e premere il pulsante di controllo."));
        QCOMPARE(child<QLineEdit>(m_w, "txtIban")->objectName(), QStringLiteral("txtIban"));
        QCOMPARE(child<QLineEdit>(m_w, "txtIban")->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(child<QLineEdit>(m_w, "txtIban")->font().pointSize(), 20);
        QVERIFY(child<QLineEdit>(m_w, "txtIban")->font().bold());
        QCOMPARE(m_w->focusWidget(), child<QLineEdit>(m_w, "txtIban"));
    }

    void verdicts_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<QString>("message");
        QTest::newRow("valid") << QStringLiteral("IT60X0542811101000000123456") << kValid;
        QTest::newRow("blanks at the ends put in") << QStringLiteral("  IT60X0542811101000000123456 ") << kValid;
        QTest::newRow("27 with blanks inside") << QStringLiteral("DE89 3704 0044 0532 0130 00") << kValid;
        QTest::newRow("27 with blanks inside, wrong") << QStringLiteral("DE89 3704 0044 0532 0130 01") << kWrong;
        QTest::newRow("last digits swapped") << QStringLiteral("IT60X0542811101000000123465") << kWrong;
        QTest::newRow("check digits swapped") << QStringLiteral("IT06X0542811101000000123456") << kWrong;
        QTest::newRow("full stop") << QStringLiteral("IT60X0542811101000000123.56") << kWrong;
        QTest::newRow("accented letter") << QStringLiteral("IT60X05428111010000001234À6") << kWrong;
        QTest::newRow("lower case put in") << QStringLiteral("it60x0542811101000000123456") << kValid;
    }
    void verdicts()
    {
        QFETCH(QString, iban);
        QFETCH(QString, message);
        child<QLineEdit>(m_w, "txtIban")->setText(iban);
        const CheckOutcome out = controlla();
        QCOMPARE(out.messages, 1);
        QCOMPARE(out.text, message);
        QCOMPARE(kindName(out.kind), kindName(message == kValid ? MessageKind::Information : MessageKind::Warning));
        QVERIFY(!out.stillOpen);
    }

    void anIbanPastedInGroupsFitsTheBox()
    {
        QApplication::clipboard()->setText(QStringLiteral("it60 x054 2811 1010 0000 0123 456"));
        if (QApplication::clipboard()->text().isEmpty())
            QSKIP("no clipboard on this platform");
        QTest::keyClick(child<QLineEdit>(m_w, "txtIban"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(child<QLineEdit>(m_w, "txtIban")->text(), QStringLiteral("IT60X0542811101000000123456"));
        QCOMPARE(controlla().text, kValid);
    }

    void lowerCaseTypingIsShownAndCheckedInUpperCase()
    {
        typeText(child<QLineEdit>(m_w, "txtIban"), QStringLiteral("it60x0542811101000000123456"));
        QCOMPARE(child<QLineEdit>(m_w, "txtIban")->text(), QStringLiteral("IT60X0542811101000000123456"));
        QCOMPARE(controlla().text, kValid);
    }

    void typingStopsAtTwentySeven()
    {
        typeText(child<QLineEdit>(m_w, "txtIban"), QStringLiteral("IT60X0542811101000000123456789"));
        QCOMPARE(child<QLineEdit>(m_w, "txtIban")->text(), QStringLiteral("IT60X0542811101000000123456"));
    }

    void wrongLengthWarnsAndStaysOpen_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::newRow("empty") << QString();
        QTest::newRow("only blanks") << QStringLiteral("   ");
        QTest::newRow("26") << QStringLiteral("IT60X054281110100000012345");
        QTest::newRow("28, put in by the opener") << QStringLiteral("IT60X05428111010000001234567");
        QTest::newRow("correct German, 22") << QStringLiteral("DE89370400440532013000");
        QTest::newRow("Italian in groups, 33") << QStringLiteral("IT60 X054 2811 1010 0000 0123 456");
    }
    void wrongLengthWarnsAndStaysOpen()
    {
        QFETCH(QString, iban);
        child<QLineEdit>(m_w, "txtIban")->setText(iban);
        child<QPushButton>(m_w, "btnChiudi")->setFocus();
        const CheckOutcome out = controlla();
        QCOMPARE(out.messages, 1);
        QCOMPARE(out.text, kLength);
        QCOMPARE(kindName(out.kind), kindName(MessageKind::Warning));
        QVERIFY(out.stillOpen);
        QVERIFY(out.focusInBox);
    }

    void enterGoesToControllaThenChecks()
    {
        typeText(child<QLineEdit>(m_w, "txtIban"), QStringLiteral("IT60X0542811101000000123457"));
        QTest::keyClick(child<QLineEdit>(m_w, "txtIban"), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_w->focusWidget(), child<QPushButton>(m_w, "btnControlla"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QTest::keyClick(child<QPushButton>(m_w, "btnControlla"), Qt::Key_Return);
        QCOMPARE(m_env->dialogs.texts(), QStringList {kWrong});
        QVERIFY(!m_w->isVisible());
    }

    void chiudiClosesWithoutAMessage()
    {
        child<QPushButton>(m_w, "btnChiudi")->click();
        QVERIFY(!m_w->isVisible());
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestFrmIban)
#include "tst_frmiban.moc"
