// The entry box typing rules: limit, digits only, trim and upper case, Enter.
#include "TestServices.h"

#include "ui/entry/EntryBox.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

class TestEntryBox : public QObject {
    Q_OBJECT
    std::unique_ptr<QWidget> m_window;
    EntryBox *m_box = nullptr;
    QPushButton *m_next = nullptr;

    void paste(const QString &text)
    {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
    }

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        m_box = new EntryBox(QStringLiteral("txtProva"), m_window.get());
        m_next = new QPushButton(QStringLiteral("Avanti"), m_window.get());
        layout->addWidget(m_box);
        layout->addWidget(m_next);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void typingStopsAtTheLimit()
    {
        m_box->setTypingLimit(5);
        QTest::keyClicks(m_box, QStringLiteral("1234567"));
        QCOMPARE(m_box->text(), QStringLiteral("12345"));
        paste(QStringLiteral("XYZ"));
        QCOMPARE(m_box->text(), QStringLiteral("12345"));
        QTest::keyClick(m_box, Qt::Key_Backspace);
        paste(QStringLiteral("XYZ"));
        QCOMPARE(m_box->text(), QStringLiteral("1234X"));
    }

    void textPutInByTheProgramStaysWhole()
    {
        m_box->setTypingLimit(5);
        m_box->setText(QStringLiteral("12345678"));
        QCOMPARE(m_box->text(), QStringLiteral("12345678"));
        QTest::keyClick(m_box, Qt::Key_End);
        QTest::keyClicks(m_box, QStringLiteral("9"));
        QCOMPARE(m_box->text(), QStringLiteral("12345678"));
        QTest::keyClick(m_box, Qt::Key_Backspace);
        QCOMPARE(m_box->text(), QStringLiteral("1234567"));
    }

    void digitsOnly()
    {
        m_box->setDigitsOnly(true);
        QTest::keyClicks(m_box, QStringLiteral("1a2 B-3"));
        typeText(m_box, QStringLiteral("è4"));
        QCOMPARE(m_box->text(), QStringLiteral("1234"));
        paste(QStringLiteral("5x6 7"));
        QCOMPARE(m_box->text(), QStringLiteral("1234567"));
        // A letter does not replace a selection.
        m_box->selectAll();
        QTest::keyClicks(m_box, QStringLiteral("z"));
        QCOMPARE(m_box->text(), QStringLiteral("1234567"));
        // Backspace and Delete work, also when they carry a control code.
        QTest::keyClick(m_box, Qt::Key_End);
        QTest::sendKeyEvent(QTest::Click, m_box, Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier);
        QTest::keyClick(m_box, Qt::Key_Home);
        QTest::sendKeyEvent(QTest::Click, m_box, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        QCOMPARE(m_box->text(), QStringLiteral("23456"));
        // What the program puts in is left alone.
        m_box->setText(QStringLiteral("IT 12"));
        QCOMPARE(m_box->text(), QStringLiteral("IT 12"));
    }

    void trimAndUpperCaseWhileTyping()
    {
        m_box->setNormalise(EntryBox::Normalise::TrimUpper);
        QTest::keyClicks(m_box, QStringLiteral(" rss mra"));
        QCOMPARE(m_box->text(), QStringLiteral("RSSMRA"));
        // Typing in the middle keeps the caret where the user is.
        QTest::keyClick(m_box, Qt::Key_Left);
        QTest::keyClick(m_box, Qt::Key_Left);
        QTest::keyClicks(m_box, QStringLiteral("x"));
        QCOMPARE(m_box->text(), QStringLiteral("RSSMXRA"));
        QCOMPARE(m_box->cursorPosition(), 5);
        // A blank inside survives; one at either end goes at once.
        QTest::keyClicks(m_box, QStringLiteral(" "));
        QCOMPARE(m_box->text(), QStringLiteral("RSSMX RA"));
        paste(QStringLiteral("\tab\n"));
        QCOMPARE(m_box->text(), QStringLiteral("RSSMX \tAB\nRA"));
        m_box->setText(QStringLiteral(" kept as put "));
        QCOMPARE(m_box->text(), QStringLiteral(" kept as put "));
    }

    void trimOnly()
    {
        m_box->setNormalise(EntryBox::Normalise::Trim);
        QTest::keyClicks(m_box, QStringLiteral(" mario@rossi.it "));
        QCOMPARE(m_box->text(), QStringLiteral("mario@rossi.it"));
    }

    void upperCasingCannotPassTheLimit()
    {
        m_box->setTypingLimit(4);
        m_box->setNormalise(EntryBox::Normalise::TrimUpper);
        QTest::keyClicks(m_box, QStringLiteral("abc"));
        typeText(m_box, QStringLiteral("ß"));
        QVERIFY(m_box->text().size() <= 4);
        QVERIFY(m_box->text().startsWith(QLatin1String("ABC")));
    }

    void theMenusPasteGoesThroughTheRule()
    {
        // Even where the box's own length would have cut the text first.
        m_box->setDigitsOnly(true);
        m_box->setMaxLength(5);
        QGuiApplication::clipboard()->setText(QStringLiteral("1 2 3 4 5 6"));
        if (QGuiApplication::clipboard()->text().isEmpty())
            QSKIP("no clipboard on this platform");
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), m_box->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(m_box, &request);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *action : menu->actions())
            if (action->text().startsWith(QLatin1String("&Paste")))
                paste = action;
        QVERIFY(paste);
        paste->trigger();
        menu->close();
        QCOMPARE(m_box->text(), QStringLiteral("12345"));
    }

    void enterMovesTheFocusOnly()
    {
        m_box->setEnterTarget(m_next);
        QSignalSpy returned(m_box, &QLineEdit::returnPressed);
        m_box->setFocus();
        QTest::keyClicks(m_box, QStringLiteral("12"));
        QTest::keyClick(m_box, Qt::Key_Return);
        QCOMPARE(m_window->focusWidget(), m_next);
        QCOMPARE(m_box->text(), QStringLiteral("12"));
        QCOMPARE(returned.count(), 0);
        m_box->setFocus();
        QTest::keyClick(m_box, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(m_window->focusWidget(), m_next);
    }
};

QTEST_MAIN(TestEntryBox)
#include "tst_entrybox.moc"
