// Picture buttons are buttons: their role, one click per key press however
// long the key is held, Enter and Space, the mouse, and a disabled button.
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Toolbar.h"

#include <QAccessible>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestPictureButton : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> m_window;
    PictureButton *m_button = nullptr;

    void sendKey(QEvent::Type type, int key, bool autoRepeat)
    {
        QKeyEvent event(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString(), autoRepeat);
        QApplication::sendEvent(m_button, &event);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_button = new PictureButton(QStringLiteral("cmdSalva"), QStringLiteral(":/pictures/salva.svg"), QSize(40, 40),
                                     QStringLiteral("Salva"), m_window.get());
        layout->addWidget(m_button);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void isAButtonWithAName()
    {
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(m_button);
        QVERIFY(a);
        QCOMPARE(a->role(), QAccessible::Button);
        QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Salva"));
        QCOMPARE(m_button->focusPolicy(), Qt::TabFocus);
        QCOMPARE(m_button->size(), QSize(40, 40));
    }

    void oneClickPerKeyPress_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }
    void oneClickPerKeyPress()
    {
        QFETCH(int, key);
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        m_button->setFocus(Qt::TabFocusReason);
        // Held down: the first press, then the repeats the keyboard sends.
        sendKey(QEvent::KeyPress, key, false);
        for (int i = 0; i < 5; ++i) {
            sendKey(QEvent::KeyRelease, key, true);
            sendKey(QEvent::KeyPress, key, true);
        }
        sendKey(QEvent::KeyRelease, key, false);
        QCOMPARE(clicked.count(), 1);
    }

    void mouseClicksAndDisabledDoesNothing()
    {
        QSignalSpy clicked(m_button, &QAbstractButton::clicked);
        QTest::mouseClick(m_button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        // Pressed inside, released outside: no click, as with any button.
        QTest::mousePress(m_button, Qt::LeftButton);
        QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(200, 200));
        QCOMPARE(clicked.count(), 1);
        m_button->setEnabled(false);
        QTest::mouseClick(m_button, Qt::LeftButton);
        m_button->click();
        QCOMPARE(clicked.count(), 1);
    }

    void toolCaptionClicksItsTool()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        Toolbar bar(&window, layout);
        PictureButton *save = bar.tool("cmdSalva", "salva.svg", QStringLiteral("Salva"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QLabel *caption = nullptr;
        for (QLabel *l : window.findChildren<QLabel *>(QStringLiteral("lblComando")))
            if (l->text() == QStringLiteral("Salva"))
                caption = l;
        QVERIFY(caption);
        QSignalSpy clicked(save, &QAbstractButton::clicked);
        QTest::mouseClick(caption, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
        // A disabled tool fades its word too, and the word does nothing.
        save->setEnabled(false);
        QVERIFY(!caption->isEnabled());
        QTest::mouseClick(caption, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TestPictureButton)
#include "tst_picturebutton.moc"
