// The VAT number check window.
#include "Controls.h"
#include "CheckWindowSteps.h"
#include "TestServices.h"

#include "contacts/TfrmPartitaIva.h"
#include "ui/entry/EntryBox.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {
const QString kLength = QStringLiteral("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.");
const QString kValid = QStringLiteral("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n");
const QString kWrong = QStringLiteral("Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\n"
                                      "Non è quindi possibile fornire informazioni relative all'Ufficio IVA "
                                      "che lo ha rilasciato.");
QString office(const QString &name)
{
    return kValid + QStringLiteral("E' stato rilasciato dall'Ufficio IVA del Comune di ") + name + u'.';
}
}

class TestFrmPartitaIva : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TfrmPartitaIva> m_w;

    CheckOutcome controlla()
    {
        return pressControlla(m_w.get(), child<QLineEdit>(m_w, "txtPartitaIva"), m_env->dialogs);
    }

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_w = std::make_unique<TfrmPartitaIva>();
        QVERIFY(showCheckWindow(m_w.get()));
    }
    void cleanup()
    {
        m_w.reset();
        m_env.reset();
    }

    void looksAsDescribed()
    {
        QCOMPARE(m_w->windowTitle(), QStringLiteral(" Controllo partita IVA"));
        QCOMPARE(child<QLabel>(m_w, "lblTitolo")->text(),
                 QStringLiteral("Immettere il numero di partita IVA e premere il pulsante di controllo."));
        QCOMPARE(child<QLineEdit>(m_w, "txtPartitaIva")->objectName(), QStringLiteral("txtPartitaIva"));
        QCOMPARE(child<QLineEdit>(m_w, "txtPartitaIva")->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(child<QLineEdit>(m_w, "txtPartitaIva")->font().pointSize(), 20);
        QVERIFY(child<QLineEdit>(m_w, "txtPartitaIva")->font().bold());
        QCOMPARE(m_w->focusWidget(), child<QLineEdit>(m_w, "txtPartitaIva"));
    }

    void verdicts_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("message");
        QTest::newRow("Milano 1") << QStringLiteral("00743110157") << office(QStringLiteral("Milano 1"));
        QTest::newRow("120 is Bologna 2") << QStringLiteral("62068181205") << office(QStringLiteral("Bologna 2"));
        QTest::newRow("Forlì") << QStringLiteral("76543210405") << office(QStringLiteral("Forlì"));
        QTest::newRow("check digit 0") << QStringLiteral("21881320150") << office(QStringLiteral("Milano 1"));
        QTest::newRow("office unknown") << QStringLiteral("79532995556")
                                        << kValid + QStringLiteral("L'Ufficio IVA che lo ha rilasciato non è noto.");
        QTest::newRow("check digit changed") << QStringLiteral("00743110158") << kWrong;
        QTest::newRow("body digit changed") << QStringLiteral("00743120157") << kWrong;
        QTest::newRow("letter put in by the opener") << QStringLiteral("0074311015A") << kWrong;
        QTest::newRow("blank put in by the opener") << QStringLiteral("0074311015 ") << kWrong;
    }
    void verdicts()
    {
        QFETCH(QString, number);
        QFETCH(QString, message);
        child<QLineEdit>(m_w, "txtPartitaIva")->setText(number);
        const CheckOutcome out = controlla();
        QCOMPARE(out.messages, 1);
        QCOMPARE(out.text, message);
        QCOMPARE(kindName(out.kind), kindName(message == kWrong ? MessageKind::Warning : MessageKind::Information));
        QVERIFY(!out.stillOpen);
    }

    void onlyDigitsCanBeTyped()
    {
        typeText(child<QLineEdit>(m_w, "txtPartitaIva"), QStringLiteral("IT 007-431.1015è7abc"));
        QCOMPARE(child<QLineEdit>(m_w, "txtPartitaIva")->text(), QStringLiteral("00743110157"));
        typeText(child<QLineEdit>(m_w, "txtPartitaIva"), QStringLiteral("9"));
        QCOMPARE(child<QLineEdit>(m_w, "txtPartitaIva")->text(), QStringLiteral("00743110157"));
        QCOMPARE(controlla().text, office(QStringLiteral("Milano 1")));
    }

    void wrongLengthWarnsAndStaysOpen_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << QString();
        QTest::newRow("10") << QStringLiteral("0074311015");
        QTest::newRow("12, put in by the opener") << QStringLiteral("007431101570");
        QTest::newRow("with the country, put in") << QStringLiteral("IT00743110157");
    }
    void wrongLengthWarnsAndStaysOpen()
    {
        QFETCH(QString, number);
        child<QLineEdit>(m_w, "txtPartitaIva")->setText(number);
        const CheckOutcome out = controlla();
        QCOMPARE(out.messages, 1);
        QCOMPARE(out.text, kLength);
        QCOMPARE(kindName(out.kind), kindName(MessageKind::Warning));
        QVERIFY(out.stillOpen);
        QVERIFY(out.focusInBox);
    }

    void enterGoesToControllaThenChecks()
    {
        typeText(child<QLineEdit>(m_w, "txtPartitaIva"), QStringLiteral("00743110157"));
        QTest::keyClick(child<QLineEdit>(m_w, "txtPartitaIva"), Qt::Key_Return);
        QCOMPARE(m_w->focusWidget(), child<QPushButton>(m_w, "btnControlla"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QTest::keyClick(child<QPushButton>(m_w, "btnControlla"), Qt::Key_Return);
        QCOMPARE(m_env->dialogs.texts(), QStringList {office(QStringLiteral("Milano 1"))});
        QVERIFY(!m_w->isVisible());
    }

    void chiudiClosesWithoutAMessage()
    {
        child<QPushButton>(m_w, "btnChiudi")->click();
        QVERIFY(!m_w->isVisible());
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }
};

QTEST_MAIN(TestFrmPartitaIva)
#include "tst_frmpartitaiva.moc"
