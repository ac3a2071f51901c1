// The journal query window: its opening state, the keys each box takes, the
// Enter chain and the frames, the checks before the register opens, and the
// register opened over it with the chosen year, cause and interval.
#include "Controls.h"
#include "PaymentFixtures.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "app/TfrmAvvio.h"
#include "app/Windows.h"
#include "journal/TfrmBilancio.h"
#include "journal/TfrmMenuBilancio.h"
#include "ui/entry/EntryBox.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
const QString kValidDate =
    QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");

void pick(QComboBox *box, const QString &item)
{
    // As the user picks it from the list; an empty item empties the box.
    box->setCurrentIndex(box->findText(item));
    if (item.isEmpty())
        box->setEditText(QString());
}
}

class TestJournalQuery : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmMenuBilancio *q() const { return Windows::resident().menuBilancio; }

    // What the last watch saw: the class of the modal window that opened, if any.
    QString m_modal;

    // Acts on the register once it is shown modally; whatever modal window is
    // left afterwards is closed, so a failed check ends the test, never hangs it.
    void watchModal(std::function<void(TfrmBilancio *)> act = {})
    {
        m_modal.clear();
        QTimer::singleShot(0, this, [this, act] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal)
                m_modal = QString::fromLatin1(modal->metaObject()->className());
            if (auto *reg = qobject_cast<TfrmBilancio *>(modal); reg && act)
                act(reg);
            while (QWidget *still = QApplication::activeModalWidget())
                still->close();
        });
    }
    // Lets a watch that found nothing run before the test looks at it.
    static void flushTimers()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    void focus(QWidget *w)
    {
        w->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(QApplication::focusWidget(), w);
    }

    void choose(const QString &year, const QString &startDay, const QString &startMonth, const QString &endDay,
                const QString &endMonth)
    {
        child<EntryBox>(q(), "txtAnno")->setText(year);
        pick(child<QComboBox>(q(), "txtGiornoInizio"), startDay);
        pick(child<QComboBox>(q(), "txtMeseInizio"), startMonth);
        pick(child<QComboBox>(q(), "txtGiornoFine"), endDay);
        pick(child<QComboBox>(q(), "txtMeseFine"), endMonth);
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        TfrmBilancio::forgetLastSearch();
        Residents::switchTo(nullptr, Windows::resident().avvio);
        child<PictureButton>(Windows::resident().avvio, "imgApp03")->click();
        QVERIFY(QTest::qWaitForWindowActive(q()));
    }
    void cleanup()
    {
        QVERIFY(m_env->dialogs.answers.isEmpty());
        m_env.reset();
    }

    void openingState()
    {
        QVERIFY(q()->isVisible());
        QVERIFY(!Windows::resident().avvio->isVisible());
        QCOMPARE(q()->windowTitle(), QStringLiteral(" Tarvenio 3.0 - Primanota e Bilancio"));
        QVERIFY(q()->windowState() & Qt::WindowMaximized);
        QCOMPARE(child<EntryBox>(q(), "txtAnno")->text(), QStringLiteral("2025"));
        QCOMPARE(child<QLabel>(q(), "lblAnnoInizio")->text(), QStringLiteral("2025"));
        QCOMPARE(child<QLabel>(q(), "lblAnnoFine")->text(), QStringLiteral("2025"));
        QCOMPARE(child<QLineEdit>(q(), "txtCausale")->text(), QString());
        for (QComboBox *box : {child<QComboBox>(q(), "txtGiornoInizio"), child<QComboBox>(q(), "txtMeseInizio"),
                               child<QComboBox>(q(), "txtGiornoFine"), child<QComboBox>(q(), "txtMeseFine")}) {
            QCOMPARE(box->currentText(), QString());
            QCOMPARE(box->currentIndex(), -1);
        }
        QTRY_VERIFY(child<QLineEdit>(q(), "txtCausale")->hasFocus());
        QVERIFY(child<FocusFrame>(q(), "effCausale")->isVisible());
        for (FocusFrame *f : {child<FocusFrame>(q(), "effAnno"), child<FocusFrame>(q(), "effGiornoInizio"),
                              child<FocusFrame>(q(), "effMeseInizio"), child<FocusFrame>(q(), "effGiornoFine"),
                              child<FocusFrame>(q(), "effMeseFine")})
            QVERIFY(!f->isVisible());
        QVERIFY(!child<QLabel>(q(), "lblAttendere")->isVisible());
        QVERIFY(!child<QLabel>(q(), "lblDataInizio")->isVisible());
        QVERIFY(!child<QLabel>(q(), "lblDataFine")->isVisible());

        // The lists and the fixed texts.
        QCOMPARE(child<QComboBox>(q(), "txtGiornoInizio")->count(), 31);
        QCOMPARE(child<QComboBox>(q(), "txtGiornoFine")->itemText(0), QStringLiteral("01"));
        QCOMPARE(child<QComboBox>(q(), "txtGiornoFine")->itemText(30), QStringLiteral("31"));
        QCOMPARE(child<QComboBox>(q(), "txtMeseInizio")->count(), 12);
        QCOMPARE(child<QComboBox>(q(), "txtMeseFine")->itemText(8), QStringLiteral("Settembre"));
        QCOMPARE(child<QComboBox>(q(), "txtGiornoInizio")->lineEdit()->maxLength(), 2);
        QCOMPARE(child<QComboBox>(q(), "txtMeseInizio")->lineEdit()->maxLength(), 9);
        QCOMPARE(child<EntryBox>(q(), "txtAnno")->typingLimit(), 4);
        QCOMPARE(child<EntryBox>(q(), "txtCausale")->typingLimit(), 250);
        QCOMPARE(child<QGroupBox>(q(), "grpDataInizio")->title(), QStringLiteral(" Data inizio intervallo: "));
        QCOMPARE(child<QGroupBox>(q(), "grpDataFine")->title(), QStringLiteral(" Data fine intervallo: "));
        QCOMPARE(child<QPushButton>(q(), "btnVisualizza")->text(), QStringLiteral("Visualizza riepilogo"));
        QCOMPARE(child<QPushButton>(q(), "btnEsci")->text(), QStringLiteral("Esci"));
        QCOMPARE(child<QLabel>(q(), "lblAttendere")->text(),
                 QStringLiteral("Caricamento riepilogo in corso. Attendere..."));
        QCOMPARE(child<QLabel>(q(), "lblCampo01")->text(),
                 QStringLiteral("Indicare l'anno solare di interesse e una causale."));
        QCOMPARE(child<QLabel>(q(), "lblCampo02")->text(),
                 QStringLiteral("Per ottenere lo storico di tutti i movimenti in entrata e in "
                                "uscita, non indicare nessuna causale."));
        QCOMPARE(child<QLabel>(q(), "lblCampo03")->text(),
                 QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare."));
        const QStringList captions = {child<QLabel>(q(), "titAnno")->text(),
                                      child<QLabel>(q(), "titCausale")->text(),
                                      child<QLabel>(q(), "titGiornoInizio")->text(),
                                      child<QLabel>(q(), "titMeseInizio")->text(),
                                      child<QLabel>(q(), "titGiornoFine")->text(),
                                      child<QLabel>(q(), "titMeseFine")->text()};
        QCOMPARE(captions, QStringList({"Anno:", "Causale:", "Giorno:", "Mese:", "Giorno:", "Mese:"}));
    }

    void eachShowingStartsAfresh()
    {
        choose(QStringLiteral("2024"), QStringLiteral("05"), QStringLiteral("Marzo"), QStringLiteral("06"),
               QStringLiteral("Aprile"));
        child<QLineEdit>(q(), "txtCausale")->setText(QStringLiteral("affitto"));
        child<QPushButton>(q(), "btnEsci")->click();
        QVERIFY(Windows::resident().avvio->isVisible());
        QVERIFY(!q()->isVisible());

        // The year is the clock's, every time the window is shown.
        m_env->clock.set(QDate(2031, 1, 2));
        child<PictureButton>(Windows::resident().avvio, "btnApp03")->click();
        QVERIFY(QTest::qWaitForWindowActive(q()));
        QCOMPARE(child<EntryBox>(q(), "txtAnno")->text(), QStringLiteral("2031"));
        QCOMPARE(child<QLabel>(q(), "lblAnnoInizio")->text(), QStringLiteral("2031"));
        QCOMPARE(child<QLabel>(q(), "lblAnnoFine")->text(), QStringLiteral("2031"));
        QCOMPARE(child<QLineEdit>(q(), "txtCausale")->text(), QString());
        QCOMPARE(child<QComboBox>(q(), "txtMeseInizio")->currentText(), QString());
        QCOMPARE(child<QComboBox>(q(), "txtGiornoFine")->currentIndex(), -1);
        QTRY_VERIFY(child<QLineEdit>(q(), "txtCausale")->hasFocus());

        // The exit picture and the title bar lead back to the menu as well.
        child<PictureButton>(q(), "imgEsci")->click();
        QVERIFY(Windows::resident().avvio->isVisible());
        child<PictureButton>(Windows::resident().avvio, "imgApp03")->click();
        QVERIFY(!q()->close()); // the window lives on, only hidden
        QVERIFY(!q()->isVisible());
        QVERIFY(Windows::resident().avvio->isVisible());
    }

    void yearTakesFourDigitsOnly()
    {
        focus(child<EntryBox>(q(), "txtAnno"));
        child<EntryBox>(q(), "txtAnno")->selectAll();
        QTest::keyClicks(child<EntryBox>(q(), "txtAnno"), "2a0 b2-,x4");
        QCOMPARE(child<EntryBox>(q(), "txtAnno")->text(), QStringLiteral("2024"));
        QCOMPARE(child<QLabel>(q(), "lblAnnoInizio")->text(), QStringLiteral("2024"));
        QTest::keyClicks(child<EntryBox>(q(), "txtAnno"), "9");
        QCOMPARE(child<EntryBox>(q(), "txtAnno")->text(), QStringLiteral("2024")); // four at most
        QTest::keyClick(child<EntryBox>(q(), "txtAnno"), Qt::Key_Backspace);
        QCOMPARE(child<EntryBox>(q(), "txtAnno")->text(), QStringLiteral("202"));
        QCOMPARE(child<QLabel>(q(), "lblAnnoFine")->text(), QStringLiteral("202"));
        QTest::keyClick(child<EntryBox>(q(), "txtAnno"), Qt::Key_Left);
        QTest::keyClick(child<EntryBox>(q(), "txtAnno"), Qt::Key_Delete);
        QCOMPARE(child<EntryBox>(q(), "txtAnno")->text(), QStringLiteral("20"));
        QTest::keyClick(child<EntryBox>(q(), "txtAnno"), Qt::Key_Right);
        QTest::keyClicks(child<EntryBox>(q(), "txtAnno"), "2");
        QCOMPARE(child<EntryBox>(q(), "txtAnno")->text(), QStringLiteral("202"));
        focus(child<QLineEdit>(q(), "txtCausale"));
        QCOMPARE(child<QLabel>(q(), "lblAnnoInizio")->text(), QStringLiteral("202"));
    }

    void dayAndMonthComeFromTheListOnly()
    {
        QComboBox *day = child<QComboBox>(q(), "txtGiornoInizio");
        focus(day);
        QVERIFY(child<FocusFrame>(q(), "effGiornoInizio")->isVisible());
        pick(day, QStringLiteral("05"));
        QTest::keyClicks(day, "a7 ");
        QTest::keyClick(day, Qt::Key_Home);
        QCOMPARE(day->currentText(), QStringLiteral("05"));
        QTest::keyClick(day, Qt::Key_Backspace);
        QCOMPARE(day->currentText(), QString()); // emptied at once
        QCOMPARE(day->currentIndex(), -1);
        QTest::keyClicks(day, "12");
        QCOMPARE(day->currentText(), QString());
        QTest::keyClick(day, Qt::Key_Down); // the list still answers its keys
        QCOMPARE(day->currentText(), QStringLiteral("01"));
        QTest::keyClick(day, Qt::Key_Delete);
        QCOMPARE(day->currentText(), QString());

        QComboBox *month = child<QComboBox>(q(), "txtMeseFine");
        focus(month);
        QTest::keyClicks(month, "Marzo");
        QCOMPARE(month->currentText(), QString());
        pick(month, QStringLiteral("Marzo"));
        QTest::keyClick(month, Qt::Key_Backspace);
        QCOMPARE(month->currentText(), QString());

        // Entering forgets the list selection but keeps the text.
        pick(month, QStringLiteral("Luglio"));
        focus(child<QLineEdit>(q(), "txtCausale"));
        QCOMPARE(month->currentIndex(), 6);
        focus(month);
        QCOMPARE(month->currentIndex(), -1);
        QCOMPARE(month->currentText(), QStringLiteral("Luglio"));

        // Leaving keeps only a day or a month the lists hold (a pasted text, say).
        day->lineEdit()->setText(QStringLiteral("5"));
        focus(day);
        focus(child<QLineEdit>(q(), "txtCausale"));
        QCOMPARE(day->currentText(), QString());
        day->lineEdit()->setText(QStringLiteral("31"));
        focus(day);
        focus(child<QLineEdit>(q(), "txtCausale"));
        QCOMPARE(day->currentText(), QStringLiteral("31"));
        month->lineEdit()->setText(QStringLiteral(" MARZO "));
        focus(month);
        focus(child<QLineEdit>(q(), "txtCausale"));
        QCOMPARE(month->currentText(), QStringLiteral(" MARZO "));
        month->lineEdit()->setText(QStringLiteral("Marzoo"));
        focus(month);
        focus(child<QLineEdit>(q(), "txtCausale"));
        QCOMPARE(month->currentText(), QString());
    }

    void enterWalksToTheButton()
    {
        focus(child<EntryBox>(q(), "txtAnno"));
        const QList<QPair<QWidget *, FocusFrame *>> chain = {
            {child<QLineEdit>(q(), "txtCausale"), child<FocusFrame>(q(), "effCausale")},
            {child<QComboBox>(q(), "txtGiornoInizio"), child<FocusFrame>(q(), "effGiornoInizio")},
            {child<QComboBox>(q(), "txtMeseInizio"), child<FocusFrame>(q(), "effMeseInizio")},
            {child<QComboBox>(q(), "txtGiornoFine"), child<FocusFrame>(q(), "effGiornoFine")},
            {child<QComboBox>(q(), "txtMeseFine"), child<FocusFrame>(q(), "effMeseFine")},
            {child<QPushButton>(q(), "btnVisualizza"), nullptr},
        };
        FocusFrame *previous = child<FocusFrame>(q(), "effAnno");
        for (const auto &[box, frame] : chain) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget(), box);
            QVERIFY(!previous->isVisible());
            if (frame)
                QVERIFY(frame->isVisible());
            previous = frame;
        }
        // Enter on the button runs it: here the first missing box is named.
        watchModal();
        QTest::keyClick(child<QPushButton>(q(), "btnVisualizza"), Qt::Key_Return);
        flushTimers();
        QCOMPARE(m_modal, QString());
        QCOMPARE(m_env->dialogs.texts(),
                 QStringList({QStringLiteral(
                     "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.")}));
        QVERIFY(child<QComboBox>(q(), "txtGiornoInizio")->hasFocus());
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("startDay");
        QTest::addColumn<QString>("startMonth");
        QTest::addColumn<QString>("endDay");
        QTest::addColumn<QString>("endMonth");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("startDate");
        QTest::addColumn<QString>("endDate");
        const int warning = int(MessageKind::Warning), plain = int(MessageKind::Plain);
        QTest::newRow("three-digit year")
            << "202"
            << "01"
            << "Gennaio"
            << "31"
            << "Dicembre" << warning << "Attenzione: indicare l'anno solare utilizzando quattro cifre."
            << "txtAnno"
            << ""
            << "";
        QTest::newRow("no start day")
            << "2025"
            << ""
            << "Gennaio"
            << "31"
            << "Dicembre" << warning
            << "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata."
            << "txtGiornoInizio"
            << ""
            << "";
        QTest::newRow("no start month")
            << "2025"
            << "01"
            << ""
            << "31"
            << "Dicembre" << warning
            << "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata."
            << "txtMeseInizio"
            << ""
            << "";
        QTest::newRow("no end day")
            << "2025"
            << "01"
            << "Gennaio"
            << ""
            << "Dicembre" << warning
            << "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata."
            << "txtGiornoFine"
            << ""
            << "";
        QTest::newRow("no end month")
            << "2025"
            << "01"
            << "Gennaio"
            << "31"
            << "" << warning << "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata."
            << "txtMeseFine"
            << ""
            << "";
        QTest::newRow("31 April") << "2025"
                                  << "31"
                                  << "Aprile"
                                  << "30"
                                  << "Aprile" << plain
                                  << "Attenzione: la data 31/04/2025 di inizio intervallo non esiste." + kValidDate
                                  << "txtGiornoInizio"
                                  << "31/04/2025"
                                  << "";
        QTest::newRow("29 February of a common year at the end")
            << "2025"
            << "01"
            << "Febbraio"
            << "29"
            << "Febbraio" << plain << "Attenzione: la data 29/02/2025 di fine intervallo non esiste." + kValidDate
            << "txtGiornoFine"
            << "01/02/2025"
            << "29/02/2025";
        QTest::newRow("year 0000") << "0000"
                                   << "01"
                                   << "Gennaio"
                                   << "31"
                                   << "Gennaio" << plain
                                   << "Attenzione: la data 01/01/0000 di inizio intervallo non esiste." + kValidDate
                                   << "txtGiornoInizio"
                                   << "01/01/0000"
                                   << "";
        QTest::newRow("end before start")
            << "2025"
            << "10"
            << "Maggio"
            << "09"
            << "Maggio" << plain
            << "Attenzione: la data di fine intervallo (09/05/2025) non può essere anteriore a quella di inizio "
               "intervallo (10/05/2025).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un "
               "intervallo di tempo valido."
            << "btnVisualizza"
            << "10/05/2025"
            << "09/05/2025"; // where the click left it
    }

    void refusals()
    {
        QFETCH(QString, year);
        QFETCH(QString, startDay);
        QFETCH(QString, startMonth);
        QFETCH(QString, endDay);
        QFETCH(QString, endMonth);
        QFETCH(int, kind);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, startDate);
        QFETCH(QString, endDate);
        choose(year, startDay, startMonth, endDay, endMonth);
        this->focus(child<QComboBox>(q(), "txtMeseFine"));
        child<QLabel>(q(), "lblDataInizio")->setText(QStringLiteral("left over"));
        child<QLabel>(q(), "lblDataFine")->setText(QStringLiteral("left over"));

        watchModal();
        QTest::mouseClick(child<QPushButton>(q(), "btnVisualizza"), Qt::LeftButton);
        flushTimers();
        QCOMPARE(m_modal, QString()); // no register
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(int(m_env->dialogs.shown.first().kind), kind);
        QCOMPARE(m_env->dialogs.shown.first().text, message);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(!child<QLabel>(q(), "lblAttendere")->isVisible());
        QCOMPARE(child<QLabel>(q(), "lblDataInizio")->text(), startDate);
        QCOMPARE(child<QLabel>(q(), "lblDataFine")->text(), endDate);
    }

    void reversedIntervalKeepsTheFocus()
    {
        choose(QStringLiteral("2025"), QStringLiteral("10"), QStringLiteral("Maggio"), QStringLiteral("09"),
               QStringLiteral("Maggio"));
        focus(child<QLineEdit>(q(), "txtCausale"));
        child<QPushButton>(q(), "btnVisualizza")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QVERIFY(child<QLineEdit>(q(), "txtCausale")->hasFocus());
    }

    void opensTheRegister_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<QString>("startDay");
        QTest::addColumn<QString>("startMonth");
        QTest::addColumn<QString>("endDay");
        QTest::addColumn<QString>("endMonth");
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("titCausale");
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("the whole year") << "2025"
                                        << ""
                                        << "01"
                                        << "Gennaio"
                                        << "31"
                                        << "Dicembre"
                                        << "Dal   01/01/2025   al   31/12/2025"
                                        << "- - -" << QStringList({"01/01/2025", "15/03/2025", "31/12/2025"});
        QTest::newRow("one day, one cause") << "2025"
                                            << "  affitto "
                                            << "15"
                                            << "Marzo"
                                            << "15"
                                            << "Marzo"
                                            << "Dal   15/03/2025   al   15/03/2025"
                                            << "affitto" << QStringList({"15/03/2025"});
        QTest::newRow("29 February of a leap year") << "2024"
                                                    << ""
                                                    << "29"
                                                    << "Febbraio"
                                                    << "29"
                                                    << "Febbraio"
                                                    << "Dal   29/02/2024   al   29/02/2024"
                                                    << "- - -" << QStringList({"29/02/2024"});
    }

    void opensTheRegister()
    {
        QFETCH(QString, year);
        QFETCH(QString, cause);
        QFETCH(QString, startDay);
        QFETCH(QString, startMonth);
        QFETCH(QString, endDay);
        QFETCH(QString, endMonth);
        QFETCH(QString, interval);
        QFETCH(QString, titCausale);
        QFETCH(QStringList, dates);
        QVector<PaymentRecord> records;
        for (const char *date : {"31/12/2024", "01/01/2025", "15/03/2025", "31/12/2025", "01/01/2026", "29/02/2024"})
            records << makePayment(QLatin1String(date));
        records[2].Causale = QStringLiteral("Rata  affitto  marzo"); // the cause is matched as typed
        writePaymentArchive(records);

        choose(year, startDay, startMonth, endDay, endMonth);
        child<QLineEdit>(q(), "txtCausale")->setText(cause);
        QStringList listed;
        QString shownInterval, shownCause;
        bool waiting = false, modal = false;
        watchModal([&](TfrmBilancio *reg) {
            modal = reg->isModal() && reg->parentWidget() == q();
            waiting = child<QLabel>(q(), "lblAttendere")->isVisible();
            shownInterval = child<QLabel>(reg, "lblIntervallo")->text();
            shownCause = child<QLabel>(reg, "titCausale")->text();
            for (const QString &row : child<RowListView>(reg, "lstRecords")->texts())
                listed << row.mid(15, 10);
            child<QPushButton>(reg, "btnEsci")->click();
        });
        QTest::mouseClick(child<QPushButton>(q(), "btnVisualizza"), Qt::LeftButton);
        QCOMPARE(m_modal, QStringLiteral("TfrmBilancio"));
        QVERIFY(modal);
        QVERIFY(waiting);                                          // shown while the register loads
        QVERIFY(!child<QLabel>(q(), "lblAttendere")->isVisible()); // and hidden once it closes
        QCOMPARE(shownInterval, interval);
        QCOMPARE(shownCause, titCausale);
        QCOMPARE(listed, dates);
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QCOMPARE(child<QLineEdit>(q(), "txtCausale")->text(), cause); // the cause goes as typed, untrimmed
    }
};

QTEST_MAIN(TestJournalQuery)
#include "tst_journalquery.moc"
