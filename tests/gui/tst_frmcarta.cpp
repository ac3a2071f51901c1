// The payment card check window.
#include "Controls.h"
#include "CheckWindowSteps.h"
#include "TestServices.h"

#include "contacts/TfrmCarta.h"
#include "ui/entry/EntryBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const QString kEmpty = QStringLiteral("Attenzione: immettere il numero di carta di credito prima di premere "
                                      "il pulsante di controllo.");
const QString kWrong =
    QStringLiteral("Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
                   "Non è quindi possibile fornire informazioni relative al tipo di carta di credito.");
QString valid(const QString &shown, const QString &kind)
{
    return QStringLiteral("Il numero di carta di credito ") + shown + QStringLiteral(" risulta valido.\r\n\r\n")
           + QStringLiteral("La carta di credito è del tipo ") + kind + u'.';
}
}

class TestFrmCarta : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TfrmCarta> m_w;

    CheckOutcome controlla() { return pressControlla(m_w.get(), child<EntryBox>(m_w, "txtNumero"), m_env->dialogs); }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_w = std::make_unique<TfrmCarta>();
        QVERIFY(showCheckWindow(m_w.get()));
    }
    void cleanup()
    {
        m_w.reset();
        m_env.reset();
    }

    void looksAsDescribed()
    {
        QCOMPARE(m_w->windowTitle(), QStringLiteral(" Controllo carta di credito"));
        QCOMPARE(child<QLabel>(m_w, "lblTitolo")->text(),
                 QStringLiteral("Immettere il numero di carta di credito e premere il pulsante di controllo."));
        QCOMPARE(child<EntryBox>(m_w, "txtNumero")->objectName(), QStringLiteral("txtNumero"));
        QCOMPARE(child<EntryBox>(m_w, "txtNumero")->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(child<EntryBox>(m_w, "txtNumero")->font().pointSize(), 20);
        QVERIFY(child<EntryBox>(m_w, "txtNumero")->font().bold());
        QCOMPARE(m_w->focusWidget(), child<EntryBox>(m_w, "txtNumero"));
    }

    void verdicts_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        const QString visa = QStringLiteral("4111111111111111");
        QTest::newRow("Visa") << visa << valid(visa, QStringLiteral("Visa"));
        QTest::newRow("American Express")
            << QStringLiteral("378282246310005")
            << valid(QStringLiteral("378282246310005"), QStringLiteral("American Express"));
        QTest::newRow("Diner's Club") << QStringLiteral("36438999960016")
                                      << valid(QStringLiteral("36438999960016"),
                                               QStringLiteral("Diner's Club / Carte Blanche"));
        QTest::newRow("JCB") << QStringLiteral("3530111333300000")
                             << valid(QStringLiteral("3530111333300000"), QStringLiteral("JCB"));
        QTest::newRow("MasterCard") << QStringLiteral("5555555555554444")
                                    << valid(QStringLiteral("5555555555554444"), QStringLiteral("MasterCard"));
        QTest::newRow("Discover") << QStringLiteral("6011111111111117")
                                  << valid(QStringLiteral("6011111111111117"), QStringLiteral("Discover"));
        QTest::newRow("groups of four, text repeated")
            << QStringLiteral("4111 1111 1111 1111")
            << valid(QStringLiteral("4111 1111 1111 1111"), QStringLiteral("Visa"));
        QTest::newRow("blanks at the ends put in")
            << QStringLiteral(" 4111 1111 1111 1111  ")
            << valid(QStringLiteral("4111 1111 1111 1111"), QStringLiteral("Visa"));
        QTest::newRow("one digit changed") << QStringLiteral("4111111111121111") << kWrong;
        QTest::newRow("passes, begins with 2") << QStringLiteral("2223003122003222") << kWrong;
        QTest::newRow("passes, begins with 7") << QStringLiteral("79927398713") << kWrong;
        QTest::newRow("passes, begins with 0") << QStringLiteral("0111111111111119") << kWrong;
        QTest::newRow("valid head, wrong tail past 20 characters")
            << QStringLiteral("4111 1111 1111 1111 999") << kWrong;
        QTest::newRow("no digits") << QStringLiteral("CARTA") << kWrong;
        QTest::newRow("passes, 32 names no kind")
            << QStringLiteral("3200000000000002")
            << QStringLiteral("Il numero di carta di credito 3200000000000002 risulta valido.\r\n\r\n"
                              "Il tipo di carta di credito non è riconosciuto.");
        QTest::newRow("passes, 39 names no kind")
            << QStringLiteral("3911111111111115")
            << QStringLiteral("Il numero di carta di credito 3911111111111115 risulta valido.\r\n\r\n"
                              "Il tipo di carta di credito non è riconosciuto.");
    }
    void verdicts()
    {
        QFETCH(QString, number);
        QFETCH(QString, message);
        child<EntryBox>(m_w, "txtNumero")->setText(number);
        const CheckOutcome out = controlla();
        QCOMPARE(out.messages, 1);
        QCOMPARE(out.text, message);
        QCOMPARE(kindName(out.kind), kindName(message == kWrong ? MessageKind::Warning : MessageKind::Information));
        QVERIFY(!out.stillOpen);
    }

    void onlyDigitsCanBeTyped()
    {
        typeText(child<EntryBox>(m_w, "txtNumero"), QStringLiteral("Visa: 4111 1111-1111.1111"));
        QCOMPARE(child<EntryBox>(m_w, "txtNumero")->text(), QStringLiteral("4111111111111111"));
        QCOMPARE(controlla().text, valid(QStringLiteral("4111111111111111"), QStringLiteral("Visa")));
    }

    void typingStopsAtThirty()
    {
        typeText(child<EntryBox>(m_w, "txtNumero"), QString(35, u'1'));
        QCOMPARE(child<EntryBox>(m_w, "txtNumero")->text(), QString(30, u'1'));
    }

    void emptyBoxWarnsAndStaysOpen_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks only, put in") << QStringLiteral("   ");
    }
    void emptyBoxWarnsAndStaysOpen()
    {
        QFETCH(QString, number);
        child<EntryBox>(m_w, "txtNumero")->setText(number);
        const CheckOutcome out = controlla();
        QCOMPARE(out.messages, 1);
        QCOMPARE(out.text, kEmpty);
        QCOMPARE(kindName(out.kind), kindName(MessageKind::Warning));
        QVERIFY(out.stillOpen);
        QVERIFY(out.focusInBox);
    }

    void enterGoesToControllaThenChecks()
    {
        typeText(child<EntryBox>(m_w, "txtNumero"), QStringLiteral("378282246310005"));
        QTest::keyClick(child<EntryBox>(m_w, "txtNumero"), Qt::Key_Return);
        QCOMPARE(m_w->focusWidget(), child<QPushButton>(m_w, "btnControlla"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QTest::keyClick(child<QPushButton>(m_w, "btnControlla"), Qt::Key_Return);
        QCOMPARE(m_env->dialogs.texts(),
                 QStringList {valid(QStringLiteral("378282246310005"), QStringLiteral("American Express"))});
        QVERIFY(!m_w->isVisible());
    }

    void chiudiClosesWithoutAMessage()
    {
        child<QPushButton>(m_w, "btnChiudi")->click();
        QVERIFY(!m_w->isVisible());
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestFrmCarta)
#include "tst_frmcarta.moc"
