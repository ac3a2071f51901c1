// Every picture button of every window can be found by a screen reader and
// reached from the keyboard: it has a spoken name of its own, and Tab gets to
// it when it is on screen and enabled.
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/PaymentGridWindows.h"
#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "app/Windows.h"
#include "contacts/TfrmAllegaCartella.h"
#include "contacts/TfrmCarta.h"
#include "contacts/TfrmCodFisc.h"
#include "contacts/TfrmExpAnagrafica.h"
#include "contacts/TfrmIban.h"
#include "contacts/TfrmImportaAnagrafica.h"
#include "contacts/TfrmPartitaIva.h"
#include "contacts/TfrmQuestioni.h"
#include "contacts/TfrmStampaAnagrafica.h"
#include "contacts/TfrmTrovaAnagrafica.h"
#include "journal/TfrmBilancio.h"
#include "journal/TfrmMenuBilancio.h"
#include "contacts/TfrmAnagrafica.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "payments/TfrmStampaScadenza.h"
#include "payments/TfrmStartup.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmCalendario.h"
#include "payments/TfrmTrovaScadenze.h"
#include "ui/widgets/PictureButton.h"
#include "ui/windows/TfrmGuida.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <functional>
#include <memory>

using WindowFactory = std::function<std::unique_ptr<QWidget>()>;
Q_DECLARE_METATYPE(WindowFactory)

namespace {
template <typename W, typename... Args>
WindowFactory modal(Args... args)
{
    return [args...] { return std::unique_ptr<QWidget>(new W(args...)); };
}

QList<PictureButton *> reachableButtons(QWidget *window)
{
    QList<PictureButton *> out;
    for (PictureButton *b : window->findChildren<PictureButton *>())
        if (b->isVisibleTo(window) && b->isEnabled())
            out << b;
    return out;
}

// Presses Tab from the window's first focus until the focus comes round again,
// and hands back every widget it stopped at.
QSet<QWidget *> tabWalk(QWidget *window)
{
    QSet<QWidget *> seen;
    window->activateWindow();
    QTest::qWaitForWindowActive(window);
    QWidget *start = QApplication::focusWidget();
    if (!start || start->window() != window) {
        QTest::keyClick(window, Qt::Key_Tab);
        start = QApplication::focusWidget();
    }
    if (!start)
        return seen;
    for (int presses = 0; presses < 300; ++presses) {
        QWidget *at = QApplication::focusWidget();
        if (!at)
            break;
        if (seen.contains(at) && presses > 0 && at == start)
            break;
        seen.insert(at);
        QTest::keyClick(at, Qt::Key_Tab);
    }
    return seen;
}

void checkWindow(QWidget *window)
{
    const QList<PictureButton *> buttons = window->findChildren<PictureButton *>();
    // A name a listener understands, not the control's name in the code.
    static const QRegularExpression codeName(QStringLiteral("^(cmd|btn|img|imp|ico|app)[A-Z0-9]"));
    for (PictureButton *b : buttons) {
        const QString name = b->accessibleName();
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(b->objectName() + QStringLiteral(" has no accessible name")));
        QVERIFY2(!codeName.match(name).hasMatch(),
                 qPrintable(b->objectName() + QStringLiteral(" is called by its code name: ") + name));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(b);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), name);
    }
    const QSet<QWidget *> reached = tabWalk(window);
    for (PictureButton *b : reachableButtons(window))
        QVERIFY2(reached.contains(b), qPrintable(b->objectName() + QStringLiteral(" (") + b->accessibleName()
                                                 + QStringLiteral(") cannot be reached with Tab")));
}
}

class TestAccessibility : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;

private slots:
    void init() { m_env = std::make_unique<ResidentFixture>(); }
    void cleanup() { m_env.reset(); }

    void residentWindows_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"TfrmPassword", "TfrmCambiaPassword", "TfrmAvvio", "TfrmAnagrafica", "TfrmAgenda",
                                 "TfrmArchivio_Scadenze", "TfrmMenuBilancio"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void residentWindows()
    {
        QFETCH(QString, window);
        const ResidentWindows &r = Windows::resident();
        const QList<QWidget *> all = {r.password, r.cambiaPassword, r.avvio,       r.anagrafica,
                                      r.agenda,   r.archivio,       r.menuBilancio};
        QWidget *w = nullptr;
        for (QWidget *x : all)
            if (x && x->objectName() == window)
                w = x;
        QVERIFY2(w, "no such resident window");
        QVERIFY(m_env->show(w));
        checkWindow(w);
        QVERIFY2(!w->findChildren<PictureButton *>().isEmpty() || window.startsWith(QLatin1String("TfrmPassword"))
                     || window == QLatin1String("TfrmCambiaPassword"),
                 "the window was expected to have picture buttons");
    }

    void modalWindows_data()
    {
        QTest::addColumn<WindowFactory>("make");
        const QDate day(2025, 5, 15);
        QTest::newRow("TfrmGuida") << modal<TfrmGuida>();
        QTest::newRow("TfrmInfo") << modal<TfrmInfo>();
        QTest::newRow("TfrmSplash") << modal<TfrmSplash>();
        QTest::newRow("TfrmCalendario") << modal<TfrmCalendario>();
        QTest::newRow("TfrmExpImminenti") << modal<TfrmExpImminenti>();
        QTest::newRow("TfrmExpGiornaliere") << modal<TfrmExpGiornaliere>(day);
        QTest::newRow("TfrmExpMensili") << modal<TfrmExpMensili>(day);
        QTest::newRow("TfrmExpScadenzario") << modal<TfrmExpScadenzario>();
        QTest::newRow("TfrmExpAnagrafica") << modal<TfrmExpAnagrafica>();
        QTest::newRow("TfrmConfermati") << modal<TfrmConfermati>();
        QTest::newRow("TfrmScaduti") << modal<TfrmScaduti>();
        QTest::newRow("TfrmAssolti") << modal<TfrmAssolti>();
        QTest::newRow("TfrmTrovaScadenze") << modal<TfrmTrovaScadenze>();
        QTest::newRow("TfrmTrovaAnagrafica") << modal<TfrmTrovaAnagrafica>();
        QTest::newRow("TfrmImportaAnagrafica") << modal<TfrmImportaAnagrafica>();
        QTest::newRow("TfrmQuestioni") << modal<TfrmQuestioni>();
        QTest::newRow("TfrmBilancio") << WindowFactory([] {
            return std::unique_ptr<QWidget>(
                new TfrmBilancio(QString(), QStringLiteral("01/01/2025"), QStringLiteral("31/12/2025")));
        });
        QTest::newRow("TfrmAllegaCartella") << modal<TfrmAllegaCartella>();
        QTest::newRow("TfrmCodFisc") << modal<TfrmCodFisc>();
        QTest::newRow("TfrmPartitaIva") << modal<TfrmPartitaIva>();
        QTest::newRow("TfrmIban") << modal<TfrmIban>();
        QTest::newRow("TfrmCarta") << modal<TfrmCarta>();
        QTest::newRow("TfrmStampaScadenza") << modal<TfrmStampaScadenza>();
        QTest::newRow("TfrmStartup") << modal<TfrmStartup>();
        QTest::newRow("TfrmStampaAnagrafica") << modal<TfrmStampaAnagrafica>();
    }
    void modalWindows()
    {
        QFETCH(WindowFactory, make);
        std::unique_ptr<QWidget> w = make();
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        checkWindow(w.get());
        w->close();
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
