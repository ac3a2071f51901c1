// The application style sheet: every colour name it uses is known, the
// start-up the tests share installs it, and its rules reach the windows.
#include "TestServices.h"
#include "app/TfrmInfo.h"
#include "ui/widgets/InfoBar.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/ScrollBars.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

class TestLook : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;

private slots:
    void initTestCase() { m_env = std::make_unique<TestEnvironment>(); }

    void everyNameIsAColour()
    {
        const QString sheet = Look::styleSheet();
        QVERIFY(sheet.contains(QLatin1String("#panInfo")));
        // A name left as it is would make Qt drop the whole rule unseen.
        QCOMPARE(sheet.indexOf(QLatin1Char('@')), -1);
        QVERIFY(sheet.contains(QColor(Colour::Title).name()));
    }

    void installedOnce()
    {
        QCOMPARE(qApp->styleSheet(), Look::styleSheet());
        Look::install();
        QCOMPARE(qApp->styleSheet(), Look::styleSheet());
    }

    void theInfoBarIsDark()
    {
        InfoBar bar;
        bar.resize(200, 28);
        const QImage image = bar.grab().toImage();
        QCOMPARE(image.pixelColor(2, 2), QColor(Colour::Title));
    }

    void aSmallWindowsButtonsDrawOnItsBackground()
    {
        // Their edges are drawn from the background colour, which a style
        // sheet in force would otherwise keep from them.
        TfrmInfo info;
        info.show();
        auto *button = info.findChild<QPushButton *>(QStringLiteral("btnChiudi"));
        QVERIFY(button);
        QCOMPARE(button->palette().color(QPalette::Window), QColor(Colour::Mist));
    }

    void contrastScrollBarsTakeTheirLook()
    {
        QPlainTextEdit area;
        area.setPlainText(QString(400, QLatin1Char('x')).append(QString(50, QLatin1Char('\n'))));
        area.setLineWrapMode(QPlainTextEdit::NoWrap);
        ScrollBars::setContrast(&area);
        area.resize(200, 200);
        area.show();
        QVERIFY(QTest::qWaitForWindowExposed(&area));
        QCOMPARE(area.horizontalScrollBar()->height(), 16);
        QCOMPARE(area.verticalScrollBar()->width(), 16);
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
