// Start-up, the main menu and the moves between the resident windows.
#include "Controls.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/TfrmAgenda.h"
#include "contacts/TfrmAnagrafica.h"
#include "app/TfrmAvvio.h"
#include "journal/TfrmMenuBilancio.h"
#include "app/TfrmPassword.h"
#include "app/Windows.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
int visibleResidentWindows()
{
    const ResidentWindows &w = Windows::resident();
    const QList<QWidget *> all = {w.password,    w.avvio,  reinterpret_cast<QWidget *>(w.cambiaPassword),
                                  w.anagrafica,  w.agenda, reinterpret_cast<QWidget *>(w.archivio),
                                  w.menuBilancio};
    int n = 0;
    for (QWidget *x : all)
        n += x && x->isVisible();
    return n;
}
}

class TestStartup : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>();
        Residents::switchTo(nullptr, Windows::first());
        // Past the password window (its own tests log in for real).
        Residents::switchTo(Windows::first(), Windows::resident().avvio);
    }
    void cleanup()
    {
        QVERIFY2(m_env->dialogs.answers.isEmpty(), "questions were queued but never asked");
        m_env.reset();
    }

    void startsAtThePasswordWindow()
    {
        Windows::destroy();
        Windows::create();
        QWidget *first = Windows::first();
        QCOMPARE(first, Windows::resident().password);
        Residents::switchTo(nullptr, first);
        QVERIFY(first->isVisible());
        QCOMPARE(visibleResidentWindows(), 1);
    }

    void loggedInShowsTheMainMenu()
    {
        TfrmAvvio *menu = Windows::resident().avvio;
        QVERIFY(menu->isVisible());
        QCOMPARE(menu->windowTitle(), QStringLiteral(" Tarvenio 3.0"));
        QCOMPARE(visibleResidentWindows(), 1);
        // Process-wide settings in force before any date is shown.
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral(","));
        for (const char *name : {"imgApp01", "btnApp01", "imgApp02", "btnApp02", "imgApp03", "btnApp03", "imgInfo",
                                 "imgGuida", "imgCopyright", "imgEsci", "imgSito"}) {
            auto *picture = menu->findChild<PictureButton *>(QLatin1String(name));
            QVERIFY2(picture, name);
            QCOMPARE(picture->cursor().shape(), Qt::PointingHandCursor);
        }
    }

    void appsOpenAndReturn_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("exit");
        QTest::newRow("contacts picture") << "imgApp01"
                                          << "TfrmAnagrafica"
                                          << " Tarvenio 3.0 - Archivio Anagrafico"
                                          << "cmdEsci";
        QTest::newRow("contacts button") << "btnApp01"
                                         << "TfrmAnagrafica"
                                         << " Tarvenio 3.0 - Archivio Anagrafico"
                                         << "cmdEsci";
        QTest::newRow("agenda picture") << "imgApp02"
                                        << "TfrmAgenda"
                                        << " Tarvenio 3.0 - Gestione Scadenze"
                                        << "imgEsci";
        QTest::newRow("agenda button") << "btnApp02"
                                       << "TfrmAgenda"
                                       << " Tarvenio 3.0 - Gestione Scadenze"
                                       << "imgEsci";
        QTest::newRow("journal picture") << "imgApp03"
                                         << "TfrmMenuBilancio"
                                         << " Tarvenio 3.0 - Primanota e Bilancio"
                                         << "imgEsci";
        QTest::newRow("journal button") << "btnApp03"
                                        << "TfrmMenuBilancio"
                                        << " Tarvenio 3.0 - Primanota e Bilancio"
                                        << "imgEsci";
    }
    void appsOpenAndReturn()
    {
        QFETCH(QString, picture);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, exit);
        TfrmAvvio *menu = Windows::resident().avvio;
        child<PictureButton>(menu, picture)->click();
        QWidget *app = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == window)
                app = w;
        QVERIFY(app);
        QVERIFY(app->isVisible());
        QVERIFY(app->windowState() & Qt::WindowMaximized);
        QCOMPARE(app->windowTitle(), caption);
        QVERIFY(!menu->isVisible());
        QCOMPARE(visibleResidentWindows(), 1);

        // Both the exit picture and the title bar lead back to the menu.
        child<PictureButton>(app, exit)->click();
        QVERIFY(menu->isVisible());
        QVERIFY(!app->isVisible());
        child<PictureButton>(menu, picture)->click();
        QVERIFY(app->close() == false); // the window lives on, only hidden
        QVERIFY(menu->isVisible());
        QVERIFY(!app->isVisible());
        QCOMPARE(visibleResidentWindows(), 1);
    }

    void exitEndsTheProgram()
    {
        TfrmAvvio *menu = Windows::resident().avvio;
        QSignalSpy quit(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, child<PictureButton>(menu, "imgEsci"), &PictureButton::click);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(quit.count(), 1);
    }

    void closingTheMenuEndsTheProgram()
    {
        TfrmAvvio *menu = Windows::resident().avvio;
        QSignalSpy quit(qApp, &QCoreApplication::aboutToQuit);
        QTimer::singleShot(0, menu, &QWidget::close);
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(quit.count(), 1);
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void webSiteBanner()
    {
        child<PictureButton>(Windows::resident().avvio, "imgSito")->click();
        QCOMPARE(m_env->shell.opened.size(), 1);
        QCOMPARE(m_env->shell.opened.first().scheme(), QStringLiteral("https"));
    }

    void agendaCalendarStartsToday()
    {
        QCOMPARE(child<QCalendarWidget>(Windows::resident().agenda, "calAppuntamenti")->selectedDate(),
                 QDate(2025, 5, 15));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
