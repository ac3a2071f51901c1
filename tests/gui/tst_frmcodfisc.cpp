// The fiscal code check window.
#include "Controls.h"
#include "CheckWindowSteps.h"
#include "ModalDriver.h"
#include "TestServices.h"

#include "contacts/TfrmCodFisc.h"
#include "ui/entry/EntryBox.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {
const QString kLength =
    QStringLiteral("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.");
const QString kValid = QStringLiteral("Il codice fiscale digitato è VALIDO.");
const QString kWrong = QStringLiteral("Attenzione: il codice fiscale digitato è ERRATO.");
}

class TestFrmCodFisc : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TfrmCodFisc> m_w;

    CheckOutcome controlla() { return pressControlla(m_w.get(), child<QLineEdit>(m_w, "txtCodFisc"), m_env->dialogs); }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_w = std::make_unique<TfrmCodFisc>();
        QVERIFY(showCheckWindow(m_w.get()));
    }
    void cleanup()
    {
        m_w.reset();
        m_env.reset();
    }

    void looksAsDescribed()
    {
        QCOMPARE(m_w->windowTitle(), QStringLiteral(" Controllo codice fiscale"));
        QCOMPARE(child<QLabel>(m_w, "lblTitolo")->text(),
                 QStringLiteral("Immettere il codice fiscale e premere il pulsante di controllo."));
        QCOMPARE(child<QLineEdit>(m_w, "txtCodFisc")->objectName(), QStringLiteral("txtCodFisc"));
        QCOMPARE(child<QLineEdit>(m_w, "txtCodFisc")->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(child<QLineEdit>(m_w, "txtCodFisc")->font().pointSize(), 20);
        QVERIFY(child<QLineEdit>(m_w, "txtCodFisc")->font().bold());
        QCOMPARE(child<QPushButton>(m_w, "btnControlla")->text(), QStringLiteral("Controlla"));
        QCOMPARE(child<QPushButton>(m_w, "btnChiudi")->text(), QStringLiteral("Chiudi"));
        QCOMPARE(m_w->focusWidget(), child<QLineEdit>(m_w, "txtCodFisc"));
    }

    void verdicts_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("valid") << QStringLiteral("RSSMRA85T10A562S") << kValid;
        QTest::newRow("nonsense date, right letter") << QStringLiteral("BNCGNN99Z99Z999I") << kValid;
        QTest::newRow("check letter changed") << QStringLiteral("RSSMRA85T10A562T") << kWrong;
        QTest::newRow("check character a digit") << QStringLiteral("RSSMRA85T10A5625") << kWrong;
        QTest::newRow("colon weighs 0 at an odd position") << QStringLiteral("RSSMRA85:10A562E") << kValid;
        QTest::newRow("colon weighs 0 at an even position") << QStringLiteral("RSSMRA85T:0A562R") << kValid;
        QTest::newRow("full stop") << QStringLiteral("RSSMRA85T.0A562S") << kWrong;
        QTest::newRow("accented letter") << QStringLiteral("RSSMRÀ85T10A562S") << kWrong;
        QTest::newRow("lower case put in") << QStringLiteral("rssmra85t10a562s") << kValid;
    }
    void verdicts()
    {
        QFETCH(QString, code);
        QFETCH(QString, message);
        child<QLineEdit>(m_w, "txtCodFisc")->setText(code);
        const CheckOutcome out = controlla();
        QCOMPARE(out.messages, 1);
        QCOMPARE(out.text, message);
        QCOMPARE(kindName(out.kind), kindName(message == kValid ? MessageKind::Information : MessageKind::Warning));
        QVERIFY(!out.stillOpen);
        QCOMPARE(m_w->result(), int(QDialog::Accepted));
    }

    void lowerCaseTypingIsShownAndCheckedInUpperCase()
    {
        typeText(child<QLineEdit>(m_w, "txtCodFisc"), QStringLiteral("rssmra85t10a562s"));
        QCOMPARE(child<QLineEdit>(m_w, "txtCodFisc")->text(), QStringLiteral("RSSMRA85T10A562S"));
        QCOMPARE(controlla().text, kValid);
    }

    void typingStopsAtSixteen()
    {
        typeText(child<QLineEdit>(m_w, "txtCodFisc"), QStringLiteral(" rssmra85t10a562sxyz"));
        QCOMPARE(child<QLineEdit>(m_w, "txtCodFisc")->text(), QStringLiteral("RSSMRA85T10A562S"));
    }

    void wrongLengthWarnsAndStaysOpen_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("empty") << QString();
        QTest::newRow("15") << QStringLiteral("RSSMRA85T10A562");
        QTest::newRow("17, put in by the opener") << QStringLiteral("RSSMRA85T10A562SX");
    }
    void wrongLengthWarnsAndStaysOpen()
    {
        QFETCH(QString, code);
        child<QLineEdit>(m_w, "txtCodFisc")->setText(code);
        child<QPushButton>(m_w, "btnControlla")->setFocus();
        const CheckOutcome out = controlla();
        QCOMPARE(out.messages, 1);
        QCOMPARE(out.text, kLength);
        QCOMPARE(kindName(out.kind), kindName(MessageKind::Warning));
        QVERIFY(out.stillOpen);
        QVERIFY(out.focusInBox);
        QCOMPARE(child<QLineEdit>(m_w, "txtCodFisc")->text(), code);
    }

    void enterGoesToControllaThenChecks()
    {
        typeText(child<QLineEdit>(m_w, "txtCodFisc"), QStringLiteral("RSSMRA85T10A562S"));
        QTest::keyClick(child<QLineEdit>(m_w, "txtCodFisc"), Qt::Key_Return);
        QCOMPARE(m_w->focusWidget(), child<QPushButton>(m_w, "btnControlla"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QVERIFY(m_w->isVisible());
        QTest::keyClick(child<QPushButton>(m_w, "btnControlla"), Qt::Key_Return);
        QCOMPARE(m_env->dialogs.texts(), QStringList {kValid});
        QVERIFY(!m_w->isVisible());
    }

    void chiudiClosesWithoutAMessage()
    {
        child<QLineEdit>(m_w, "txtCodFisc")->setText(QStringLiteral("RSSMRA85T10A562S"));
        child<QPushButton>(m_w, "btnChiudi")->click();
        QVERIFY(!m_w->isVisible());
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void modalRunAsTheOpenerDoes()
    {
        // As the contact editor will: a new window, the code put in, shown modally.
        m_w.reset();
        QWidget opener;
        TfrmCodFisc window(&opener);
        child<QLineEdit>(&window, "txtCodFisc")->setText(QStringLiteral("MRTMTT25D09F205Z"));
        bool focused = false;
        onNextModal<TfrmCodFisc>([&](TfrmCodFisc *modal) {
            focused = modal->focusWidget() == child<QLineEdit>(modal, "txtCodFisc");
            child<QPushButton>(modal, "btnControlla")->click();
        });
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QVERIFY(focused);
        QCOMPARE(m_env->dialogs.texts(), QStringList {kValid});
    }
};

QTEST_MAIN(TestFrmCodFisc)
#include "tst_frmcodfisc.moc"
