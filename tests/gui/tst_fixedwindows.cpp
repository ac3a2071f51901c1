// Fixed windows carry no window-manager buttons: they draw their own title
// strip with the caption, undo a minimise, keep their size; and Qt's own
// dialogs speak Italian.
#include "Controls.h"
#include "TestServices.h"

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

    void noWindowManagerButtons()
    {
        TfrmCalendario picker;
        picker.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picker));
        const Qt::WindowFlags flags = picker.windowFlags();
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)));
        QCOMPARE(picker.minimumSize(), picker.maximumSize());
        // The title strip across the top shows the caption.
        auto *strip = picker.findChild<QWidget *>(QStringLiteral("panCaption"));
        QVERIFY(strip);
        QCOMPARE(strip->geometry(), QRect(0, 0, picker.width(), FixedWindow::CaptionHeight));
        QVERIFY(strip->isVisible());
        QCOMPARE(picker.windowTitle(), QStringLiteral(" Importazione data"));
        // Nothing of the window's own sits under the strip.
        QVERIFY(child<QLabel>(&picker, "lblCampo001")->geometry().top() >= FixedWindow::CaptionHeight);
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
