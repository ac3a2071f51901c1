// Fixed windows carry no window-manager buttons: they draw their own title
// strip with the caption, undo a minimise, keep their size; and Qt's own
// dialogs speak Italian.
#include "TestServices.h"

#include "payments/TfrmCalendario.h"
#include "ui/FixedWindow.h"
#include "ui/Translations.h"

#include <QDialogButtonBox>
#include <QLabel>
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
        QVERIFY(picker.lblCampo001->geometry().top() >= FixedWindow::CaptionHeight);
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
