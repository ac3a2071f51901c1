// The payment card's entry rules: the keys each box takes, what leaving a box
// does, the Enter chain, and the date picker.
#include "Controls.h"
#include "ModalDriver.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "app/Windows.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "payments/TfrmCalendario.h"
#include "records/PaymentRecord.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

class TestPaymentEntry : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmArchivio_Scadenze *ed() const { return Windows::resident().archivio; }

    // Focuses a box the way the user does, so that entering and leaving rules run.
    void focus(QWidget *w)
    {
        w->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), w);
    }
    void leave() { focus(child<QLineEdit>(ed(), "txtCausale")); }

    // Acts on the date picker once it is shown modally; `seen` tells it was.
    void onPicker(bool &seen, std::function<void(TfrmCalendario *)> act)
    {
        seen = false;
        onNextModal<TfrmCalendario>([&seen, act](TfrmCalendario *picker) {
            seen = true;
            act(picker);
        });
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        Residents::switchTo(nullptr, ed());
        QVERIFY(QTest::qWaitForWindowActive(ed()));
    }
    void cleanup() { m_env.reset(); }

    void layoutOfTheBoxes()
    {
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->count(), 24);
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->itemText(23), QStringLiteral("23"));
        QCOMPARE(child<QComboBox>(ed(), "txtMinutiApp")->count(), 60);
        QCOMPARE(child<QComboBox>(ed(), "txtMinutiApp")->itemText(7), QStringLiteral("07"));
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->count(), 2);
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->itemText(0), QStringLiteral("In entrata"));
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->itemText(1), QStringLiteral("In uscita"));
        QVERIFY(child<QLineEdit>(ed(), "txtData")->isReadOnly());
        QVERIFY(child<QLineEdit>(ed(), "txtData")->alignment() & Qt::AlignHCenter);
        QVERIFY(child<QLineEdit>(ed(), "txtAvviso")->alignment() & Qt::AlignHCenter);
        QVERIFY(child<QLineEdit>(ed(), "txtImporto")->alignment() & Qt::AlignRight);
        for (QWidget *w :
             std::initializer_list<QWidget *> {child<QLineEdit>(ed(), "txtData"), child<QComboBox>(ed(), "txtOreApp"),
                                               child<QComboBox>(ed(), "txtTipologia"),
                                               child<QLineEdit>(ed(), "txtNote")}) {
            QVERIFY(w->font().bold());
            QCOMPARE(w->font().pointSize(), 12);
        }
        QVERIFY(child<QLabel>(ed(), "lblPosizione")->font().bold());
        QVERIFY(child<QLabel>(ed(), "lblPosizione")->alignment() & Qt::AlignHCenter);
        QVERIFY(child<QLabel>(ed(), "lblOra")->isHidden());
    }

    void clickedNumberBoxIsReplacedByTyping_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("amount") << "txtImporto"
                                << "150"
                                << "150,00";
        QTest::newRow("notice days") << "txtAvviso"
                                     << "12"
                                     << "12";
    }
    void clickedNumberBoxIsReplacedByTyping()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        auto *edit = ed()->findChild<QLineEdit *>(box);
        QVERIFY(edit);
        ed()->newCard();
        // A real click, at either end of the text already there.
        for (const QPoint at : {QPoint(4, edit->height() / 2), QPoint(edit->width() - 4, edit->height() / 2)}) {
            focus(child<QLineEdit>(ed(), "txtCausale"));
            QTest::mouseClick(edit, Qt::LeftButton, {}, at);
            QTRY_VERIFY(edit->hasFocus());
            QTRY_COMPARE(edit->selectedText(), edit->text());
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), typed);
            leave();
            QCOMPARE(edit->text(), left);
        }
        // Home, End and the selection keys keep their effect; they type nothing.
        focus(edit);
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(edit->selectedText(), edit->text());
        QTest::keyClick(edit, Qt::Key_Home);
        QCOMPARE(edit->cursorPosition(), 0);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), edit->text());
        QTest::keyClicks(edit, QStringLiteral("x-"));
        QCOMPARE(edit->text(), left);
    }

    void clickIntoAnInactiveWindowEntersTheBox_data() { clickedNumberBoxIsReplacedByTyping_data(); }
    void clickIntoAnInactiveWindowEntersTheBox()
    {
        // Without a window manager, a click into the editor just after another
        // window closed activates the editor only after the press has put the
        // focus in the box; typing must still replace the value.
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, left);
        auto *edit = ed()->findChild<QLineEdit *>(box);
        QVERIFY(edit);
        ed()->newCard();
        focus(child<QLineEdit>(ed(), "txtCausale"));
        QWidget other;
        other.setGeometry(0, 0, 200, 100);
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(4, edit->height() / 2));
        ed()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(ed()));
        QTRY_VERIFY(edit->hasFocus());
        QTRY_COMPARE(edit->selectedText(), edit->text());
        QTest::keyClicks(edit, typed);
        leave();
        QCOMPARE(edit->text(), left);
    }

    void amountKeys()
    {
        focus(child<QLineEdit>(ed(), "txtImporto"));
        child<QLineEdit>(ed(), "txtImporto")->clear();
        QTest::keyClicks(child<QLineEdit>(ed(), "txtImporto"), QStringLiteral("a1.-2 x,5E"));
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), QStringLiteral("12,5"));
        QTest::keyClick(child<QLineEdit>(ed(), "txtImporto"), Qt::Key_Left);
        QTest::keyClick(child<QLineEdit>(ed(), "txtImporto"), Qt::Key_Backspace);
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), QStringLiteral("125"));
        QTest::keyClick(child<QLineEdit>(ed(), "txtImporto"), Qt::Key_Right);
        QTest::keyClicks(child<QLineEdit>(ed(), "txtImporto"), QStringLiteral(",5"));
        leave();
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), QStringLiteral("125,50"));
        QTest::keyClicks(child<QLineEdit>(ed(), "txtImporto"), QStringLiteral("123456789012345678"));
        QVERIFY(child<QLineEdit>(ed(), "txtImporto")->text().size() <= 15);
    }

    void amountLeavingRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("left");
        QTest::newRow("one decimal") << "1,5"
                                     << "1,50";
        QTest::newRow("empty") << ""
                               << "0,00";
        QTest::newRow("two commas") << "1,,2"
                                    << "0,00";
        QTest::newRow("half a cent below") << "2,675"
                                           << "2,67";
    }
    void amountLeavingRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, left);
        focus(child<QLineEdit>(ed(), "txtImporto"));
        child<QLineEdit>(ed(), "txtImporto")->clear();
        QTest::keyClicks(child<QLineEdit>(ed(), "txtImporto"), typed);
        leave();
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), left);
    }

    void pasteObeysTheKeyRules()
    {
        focus(child<QLineEdit>(ed(), "txtImporto"));
        child<QLineEdit>(ed(), "txtImporto")->clear();
        QApplication::clipboard()->setText(QStringLiteral("-1.250,5 €"));
        if (QApplication::clipboard()->text().isEmpty())
            QSKIP("no clipboard on this platform");
        child<QLineEdit>(ed(), "txtImporto")->paste();
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), QStringLiteral("1250,5"));
        focus(child<QLineEdit>(ed(), "txtAvviso"));
        child<QLineEdit>(ed(), "txtAvviso")->clear();
        QApplication::clipboard()->setText(QStringLiteral("1x0"));
        child<QLineEdit>(ed(), "txtAvviso")->paste();
        QCOMPARE(child<QLineEdit>(ed(), "txtAvviso")->text(), QStringLiteral("10"));
    }

    void noticeKeys()
    {
        focus(child<QLineEdit>(ed(), "txtAvviso"));
        child<QLineEdit>(ed(), "txtAvviso")->clear();
        QTest::keyClicks(child<QLineEdit>(ed(), "txtAvviso"), QStringLiteral("1a-2.b345"));
        QCOMPARE(child<QLineEdit>(ed(), "txtAvviso")->text(), QStringLiteral("123"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(child<QLineEdit>(ed(), "txtAvviso"), Qt::Key_Backspace);
        QCOMPARE(child<QLineEdit>(ed(), "txtAvviso")->text(), QString());
        leave();
        QCOMPARE(child<QLineEdit>(ed(), "txtAvviso")->text(), QStringLiteral("0"));
    }

    void hourAndMinuteTakeNoTyping_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("hour") << "txtOreApp";
        QTest::newRow("minute") << "txtMinutiApp";
    }
    void hourAndMinuteTakeNoTyping()
    {
        QFETCH(QString, box);
        auto *combo = ed()->findChild<QComboBox *>(box);
        focus(combo);
        for (int key :
             {int(Qt::Key_1), int(Qt::Key_A), int(Qt::Key_Space), int(Qt::Key_Backspace), int(Qt::Key_Delete)})
            QTest::keyClick(combo, Qt::Key(key), Qt::NoModifier);
        QTest::keyClicks(combo, QStringLiteral("12"));
        QCOMPARE(combo->currentText(), QStringLiteral("00"));
        // The list still works from the keyboard.
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("00"));
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), QStringLiteral("01"));
    }

    void dropDownForgetsItsSelectionOnEntering()
    {
        child<QComboBox>(ed(), "txtOreApp")->setCurrentIndex(5);
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->currentText(), QStringLiteral("05"));
        focus(child<QComboBox>(ed(), "txtOreApp"));
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->currentText(), QStringLiteral("05"));
    }

    void dropDownLeavingRules_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("loaded");
        QTest::addColumn<QString>("left");
        QTest::newRow("single-digit hour") << "txtOreApp"
                                           << "7"
                                           << "";
        QTest::newRow("hour") << "txtOreApp"
                              << "07"
                              << "07";
        QTest::newRow("minute out of range") << "txtMinutiApp"
                                             << "75"
                                             << "";
        QTest::newRow("type in other case") << "txtTipologia"
                                            << "in entrata"
                                            << "";
        QTest::newRow("type") << "txtTipologia"
                              << "In uscita"
                              << "In uscita";
    }
    void dropDownLeavingRules()
    {
        QFETCH(QString, box);
        QFETCH(QString, loaded);
        QFETCH(QString, left);
        auto *combo = ed()->findChild<QComboBox *>(box);
        combo->setEditText(loaded);
        focus(combo);
        QCOMPARE(combo->currentText(), loaded); // entering keeps the text
        leave();
        QCOMPARE(combo->currentText(), left);
    }

    void typeBox()
    {
        focus(child<QComboBox>(ed(), "txtTipologia"));
        QTest::keyClicks(child<QComboBox>(ed(), "txtTipologia"), QStringLiteral("In uscita"));
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->currentText(), QString());
        child<QComboBox>(ed(), "txtTipologia")->setCurrentIndex(1);
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->currentText(), QStringLiteral("In uscita"));
        QTest::keyClick(child<QComboBox>(ed(), "txtTipologia"), Qt::Key_Backspace);
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->currentText(), QString());
        child<QComboBox>(ed(), "txtTipologia")->setCurrentIndex(0);
        QTest::keyClick(child<QComboBox>(ed(), "txtTipologia"), Qt::Key_Delete);
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->currentText(), QString());

        // Save then stops at the type.
        child<QLineEdit>(ed(), "txtData")->setText(QStringLiteral("01/06/2025"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.texts(),
                 QStringList {QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la tipologia di "
                                             "pagamento (in entrata o in uscita).")});
        QCOMPARE(QApplication::focusWidget(), child<QComboBox>(ed(), "txtTipologia"));
    }

    void emailTrimmedWhileTyping()
    {
        focus(child<QLineEdit>(ed(), "txtEmail"));
        QTest::keyClicks(child<QLineEdit>(ed(), "txtEmail"), QStringLiteral(" mario rossi "));
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text(), QStringLiteral("mariorossi"));
        child<QLineEdit>(ed(), "txtEmail")->setCursorPosition(5);
        QTest::keyClick(child<QLineEdit>(ed(), "txtEmail"), Qt::Key_Space);
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text(), QStringLiteral("mario rossi"));
        QTest::keyClick(child<QLineEdit>(ed(), "txtEmail"), Qt::Key_A);
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text(), QStringLiteral("mario arossi"));
    }

    void freeTextAcceptsEverything()
    {
        focus(child<QLineEdit>(ed(), "txtCausale"));
        typeText(child<QLineEdit>(ed(), "txtCausale"), QStringLiteral("Città: 1.250,00 € - perché?"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), QStringLiteral("Città: 1.250,00 € - perché?"));
    }

    void enterChain()
    {
        const QStringList chain = {"txtOreApp",   "txtMinutiApp", "txtAvviso", "txtTipologia", "txtCausale",
                                   "txtDettagli", "txtContatto",  "txtTel",    "txtCel",       "txtEmail",
                                   "txtLuogo",    "txtImporto",   "txtNote",   "txtData"};
        focus(child<QComboBox>(ed(), "txtOreApp"));
        for (qsizetype i = 1; i < chain.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), chain.at(i));
        }
        QVERIFY(m_env->dialogs.shown.isEmpty()); // Enter never saves
        QVERIFY(QFile::exists(m_env->file(QString::fromLatin1(PaymentRecord::FileName))) == false);
    }

    void dateBoxKeys()
    {
        child<QLineEdit>(ed(), "txtData")->setText(QStringLiteral("01/06/2025"));
        QTest::keyClick(child<QLineEdit>(ed(), "txtData"), Qt::Key_Backspace);
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QString());
        child<QLineEdit>(ed(), "txtData")->setText(QStringLiteral("01/06/2025"));
        QTest::keyClick(child<QLineEdit>(ed(), "txtData"), Qt::Key_Delete);
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QString());

        // Any other key shows the picker at today; Importa writes the date (the
        // editor opens it for its due date, the one opener it serves).
        bool seen = false;
        QDate shown;
        onPicker(seen, [&shown](TfrmCalendario *picker) {
            shown = child<QCalendarWidget>(picker, "calAppuntamenti")->selectedDate();
            QCOMPARE(picker->windowTitle(), QStringLiteral(" Importazione data"));
            child<QPushButton>(picker, "btnImportaData")->click();
        });
        QTest::keyClick(child<QLineEdit>(ed(), "txtData"), Qt::Key_K);
        QVERIFY(seen);
        QCOMPARE(shown, QDate(2025, 5, 15));
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QStringLiteral("15/05/2025"));

        // Annulla leaves the box as it was.
        child<QLineEdit>(ed(), "txtData")->clear();
        onPicker(seen, [](TfrmCalendario *picker) {
            child<QCalendarWidget>(picker, "calAppuntamenti")->setSelectedDate(QDate(2025, 12, 24));
            child<QPushButton>(picker, "btnAnnulla")->click();
        });
        QTest::keyClick(child<QLineEdit>(ed(), "txtData"), Qt::Key_5);
        QVERIFY(seen);
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QString());

        // Enter opens it too, and a chosen day is written as dd/mm/yyyy.
        onPicker(seen, [](TfrmCalendario *picker) {
            child<QCalendarWidget>(picker, "calAppuntamenti")->setSelectedDate(QDate(2026, 1, 2));
            child<QPushButton>(picker, "btnImportaData")->click();
        });
        QTest::keyClick(child<QLineEdit>(ed(), "txtData"), Qt::Key_Return);
        QVERIFY(seen);
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QStringLiteral("02/01/2026"));

        // Shift on its own (on the way to a capital) does not.
        QTest::keyClick(child<QLineEdit>(ed(), "txtData"), Qt::Key_Shift);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void calendarPictureOpensThePicker()
    {
        bool seen = false;
        onPicker(seen, [](TfrmCalendario *picker) { child<QPushButton>(picker, "btnImportaData")->click(); });
        child<PictureButton>(ed(), "impData")->click();
        QVERIFY(seen);
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QStringLiteral("15/05/2025"));
    }

    void pickerForAnotherOpenerStaysOpen()
    {
        TfrmCalendario picker(Opener::PaymentEditor, ed());
        QSignalSpy chosen(&picker, &TfrmCalendario::dateChosen);
        picker.show();
        child<QPushButton>(&picker, "btnImportaData")->click();
        QVERIFY(picker.isVisible());
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QString());
        child<QPushButton>(&picker, "btnAnnulla")->click();
        QVERIFY(!picker.isVisible());
    }
};

QTEST_MAIN(TestPaymentEntry)
#include "tst_paymententry.moc"
