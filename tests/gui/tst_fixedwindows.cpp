// Fixed windows carry no window-manager buttons: they draw their own title
// strip with the caption, undo a minimise, keep their size; and Qt's own
// dialogs speak Italian.
#include "Controls.h"
#include "TestServices.h"

#include "contacts/TfrmCarta.h"
#include "contacts/TfrmCodFisc.h"
#include "contacts/TfrmIban.h"
#include "contacts/TfrmPartitaIva.h"
#include "payments/TfrmCalendario.h"
#include "platform/FixedWindow.h"
#include "ui/windows/Residents.h"
#include "platform/RealServices.h"
#include "platform/WindowHints.h"
#include "ModalDriver.h"
#include "ui/widgets/Translations.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

class TestFixedWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup() { m_env.reset(); }

    // Every small modal window the editors open: the date picker and the four
    // check windows.
    void noWindowManagerButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("firstControl");
        QTest::newRow("date picker") << QStringLiteral("picker") << QStringLiteral(" Importazione data")
                                     << QStringLiteral("lblCampo001");
        QTest::newRow("fiscal code") << QStringLiteral("codfisc") << QStringLiteral(" Controllo codice fiscale")
                                     << QStringLiteral("lblTitolo");
        QTest::newRow("IBAN") << QStringLiteral("iban") << QStringLiteral(" Controllo IBAN")
                              << QStringLiteral("lblTitolo");
        QTest::newRow("VAT number") << QStringLiteral("piva") << QStringLiteral(" Controllo partita IVA")
                                    << QStringLiteral("lblTitolo");
        QTest::newRow("card") << QStringLiteral("carta") << QStringLiteral(" Controllo carta di credito")
                              << QStringLiteral("lblTitolo");
    }
    void noWindowManagerButtons()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QString, firstControl);
        std::unique_ptr<QWidget> made;
        if (window == QLatin1String("picker"))
            made = std::make_unique<TfrmCalendario>();
        else if (window == QLatin1String("codfisc"))
            made = std::make_unique<TfrmCodFisc>();
        else if (window == QLatin1String("iban"))
            made = std::make_unique<TfrmIban>();
        else if (window == QLatin1String("piva"))
            made = std::make_unique<TfrmPartitaIva>();
        else
            made = std::make_unique<TfrmCarta>();
        QWidget &w = *made;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const Qt::WindowFlags flags = w.windowFlags();
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)));
        QCOMPARE(w.minimumSize(), w.maximumSize());
        // The title strip across the top shows the caption.
        auto *strip = w.findChild<QWidget *>(QStringLiteral("panCaption"));
        QVERIFY(strip);
        QCOMPARE(strip->geometry(), QRect(0, 0, w.width(), FixedWindow::CaptionHeight));
        QVERIFY(strip->isVisible());
        QCOMPARE(w.windowTitle(), caption);
        // Nothing of the window's own sits under the strip.
        QVERIFY(child<QLabel>(&w, firstControl)->geometry().top() >= FixedWindow::CaptionHeight);
        // A minimise asked for all the same is undone.
        w.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!(w.windowState() & Qt::WindowMinimized));
        QVERIFY(w.isVisible());
    }

    void minimisingIsUndone()
    {
        TfrmCalendario picker;
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        picker.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!(picker.windowState() & Qt::WindowMinimized));
        QVERIFY(picker.isVisible());
    }

    void dialogsOfferNoMinimise()
    {
        // The real message boxes and questions carry the program's own frame:
        // no window-manager buttons to minimise or maximise them.
        MessageBoxDialogs real;
        for (bool question : {false, true}) {
            Qt::WindowFlags flags;
            const auto seen = onNextModal<QMessageBox>([&flags](QMessageBox *box) {
                flags = box->windowFlags();
                box->reject();
            });
            if (question)
                real.question(nullptr, QStringLiteral("Si vuole esportare i dati adesso?"));
            else
                real.message(nullptr, MessageKind::Warning, QStringLiteral("Attenzione: prova."));
            QVERIFY(seen->seen);
            QVERIFY(flags & Qt::FramelessWindowHint);
            QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        }
    }

    void framedDialogsUndoAMinimise()
    {
        // The file and preview dialogs keep the window manager's frame, where
        // a minimise button may show whatever the hints say.
        QDialog dialog;
        WindowHints::dialog(&dialog, true);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowMinimizeButtonHint));
        dialog.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!(dialog.windowState() & Qt::WindowMinimized));
        QVERIFY(dialog.isVisible());
    }

    void appWindowsStayMaximised()
    {
        QWidget app;
        Residents::switchTo(nullptr, &app);
        QVERIFY(QTest::qWaitForWindowExposed(&app));
        QVERIFY(app.windowState() & Qt::WindowMaximized);
        QVERIFY(app.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(app.windowFlags() & Qt::WindowMaximizeButtonHint));
        // Restored by the window manager's menu: back to maximised.
        app.setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(app.windowState() & Qt::WindowMaximized);
        app.hide();
    }

    void printDialogSpeaksItalian()
    {
        QVERIFY2(Translations::installItalian(), "Qt's Italian translations are not installed");
        QPrinter printer;
        QPrintDialog dialog(&printer);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QStringList texts;
        for (const QPushButton *b : dialog.findChildren<QPushButton *>())
            if (b->isVisible())
                texts << b->text().remove(QLatin1Char('&'));
        QVERIFY2(texts.contains(QStringLiteral("Stampa")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY2(texts.contains(QStringLiteral("Annulla")), qPrintable(texts.join(QLatin1Char('|'))));
        QVERIFY2(!texts.contains(QStringLiteral("Cancel")), qPrintable(texts.join(QLatin1Char('|'))));
        dialog.reject();
    }
};

QTEST_MAIN(TestFixedWindows)
#include "tst_fixedwindows.moc"
