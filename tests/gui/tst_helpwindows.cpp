// The help, information and copyright windows, their links and the help texts.
#include "Controls.h"
#include "ModalDriver.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/TfrmAgenda.h"
#include "ui/windows/HelpTexts.h"
#include "app/TfrmAvvio.h"
#include "ui/windows/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "app/Windows.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>

#include <functional>

using HelpFn = HelpTopic (*)();
Q_DECLARE_METATYPE(HelpFn)

namespace {
QString shownText(const HelpTopic &topic)
{
    QString text = topic.text;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}
}

class TestHelpWindows : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmAvvio *menu() const { return Windows::resident().avvio; }

    // Clicks opener and hands the modal window it opens to act, which must close it.
    template <typename Window>
    bool whileOpen(const std::function<void()> &click, const std::function<void(Window *)> &act)
    {
        return whileModal<Window>(click, act);
    }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>();
        Residents::switchTo(nullptr, Windows::resident().avvio);
    }
    void cleanup() { m_env.reset(); }

    void helpTexts_data()
    {
        QTest::addColumn<HelpFn>("topic");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("main menu") << &HelpTexts::forMainMenu << "Uno sguardo a Tarvenio 3.0" << 0;
        QTest::newRow("contacts") << &HelpTexts::forContacts << "App Archivio Anagrafico" << 7;
        QTest::newRow("agenda") << &HelpTexts::forAgenda << "App Gestione Scadenze" << 6;
        QTest::newRow("payment editor") << &HelpTexts::forPaymentEditor << "App Archivio Pagamenti" << 0;
        QTest::newRow("summaries") << &HelpTexts::forPaymentSummaries << "Visualizzazione scadenze pagamenti" << 5;
        QTest::newRow("payment export") << &HelpTexts::forPaymentExport
                                        << "Esportazione archivio pagamenti in Microsoft Excel" << 3;
        QTest::newRow("contacts export") << &HelpTexts::forContactsExport
                                         << "Esportazione archivio anagrafico in Microsoft Excel" << 3;
        QTest::newRow("journal") << &HelpTexts::forJournal << "App Primanota e Bilancio" << 4;
    }
    void helpTexts()
    {
        QFETCH(HelpFn, topic);
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        const HelpTopic t = topic();
        QCOMPARE(t.title, title);
        const QStringList parts = t.text.split(QStringLiteral("\r\n\r\n"));
        if (paragraphs)
            QCOMPARE(parts.size(), paragraphs);
        QVERIFY(parts.size() >= 1 && parts.size() <= 30);
        for (const QString &p : parts) {
            // Whole sentences, no stray line breaks or blanks at the edges.
            QVERIFY2(!p.isEmpty() && p == p.trimmed(), qPrintable(p));
            QVERIFY2(!p.contains(QLatin1Char('\r')) && !p.contains(QLatin1Char('\n')), qPrintable(p));
            QVERIFY2(p.endsWith(QLatin1Char('.')) || p.endsWith(QLatin1Char(':')), qPrintable(p));
            QVERIFY2(!p.contains(QLatin1String("  ")), qPrintable(p));
        }
    }

    void textsBeginAsAgreed()
    {
        QVERIFY(HelpTexts::forMainMenu().text.startsWith(
            QStringLiteral("Tarvenio 3.0 è un software che consente di tenere sotto controllo qualsiasi tipo di "
                           "pagamento giornaliero, mensile o annuale in entrata o in uscita e di essere avvertiti al "
                           "sopraggiungere della data di scadenza.\r\n\r\n")));
        QVERIFY(HelpTexts::forPaymentEditor().text.startsWith(
            QStringLiteral("L'app Archivio Pagamenti va utilizzata per registrare o modificare le scadenze riguardanti "
                           "i pagamenti in entrata e in uscita.")));
    }

    void helpFromTheWindows_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<HelpFn>("topic");
        QTest::newRow("main menu") << "menu" << &HelpTexts::forMainMenu;
        QTest::newRow("agenda") << "agenda" << &HelpTexts::forAgenda;
    }
    void helpFromTheWindows()
    {
        QFETCH(QString, opener);
        QFETCH(HelpFn, topic);
        const HelpTopic expected = topic();
        if (opener == QLatin1String("agenda"))
            child<PictureButton>(menu(), "btnApp02")->click();
        PictureButton *picture = opener == QLatin1String("agenda")
                                     ? child<PictureButton>(Windows::resident().agenda, "imgGuida")
                                     : child<PictureButton>(menu(), "imgGuida");
        QPointer<TfrmGuida> first;
        for (int opening = 0; opening < 2; ++opening) {
            const bool seen =
                whileOpen<TfrmGuida>([&] { picture->click(); },
                                     [&](TfrmGuida *w) {
                                         QCOMPARE(w->windowTitle(), QStringLiteral(" Guida all'utilizzo del software"));
                                         QCOMPARE(child<QLabel>(w, "lblTitolo")->text(), expected.title);
                                         QCOMPARE(child<QPlainTextEdit>(w, "txtGuida")->toPlainText(),
                                                  shownText(expected));
                                         QVERIFY(child<QPlainTextEdit>(w, "txtGuida")->isReadOnly());
                                         QCOMPARE(child<QPlainTextEdit>(w, "txtGuida")->font().pointSize(), 12);
                                         QVERIFY(child<QPlainTextEdit>(w, "txtGuida")->font().bold());
                                         QCOMPARE(w->size(), QSize(670, 572));
                                         QCOMPARE(w->parentWidget(), picture->window());
                                         QVERIFY(w != first);
                                         if (!first)
                                             first = w;
                                     });
            QVERIFY(seen);
            // Destroyed when closed: the next opening is a new window.
            QVERIFY(!first);
        }
    }

    void anotherTopicLeavesNothingBehind()
    {
        TfrmGuida w;
        w.setTopic(HelpTexts::forPaymentEditor());
        w.setTopic(HelpTexts::forJournal());
        QCOMPARE(child<QLabel>(&w, "lblTitolo")->text(), HelpTexts::forJournal().title);
        QCOMPARE(child<QPlainTextEdit>(&w, "txtGuida")->toPlainText(), shownText(HelpTexts::forJournal()));
        QCOMPARE(child<QPlainTextEdit>(&w, "txtGuida")->document()->blockCount(), 4 * 2 - 1);
    }

    void helpTextCannotBeEdited()
    {
        TfrmGuida w;
        w.setTopic(HelpTexts::forAgenda());
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        child<QPlainTextEdit>(&w, "txtGuida")->setFocus();
        typeText(child<QPlainTextEdit>(&w, "txtGuida"), QStringLiteral("scritto è"));
        QTest::keyClick(child<QPlainTextEdit>(&w, "txtGuida"), Qt::Key_Backspace);
        QTest::keyClick(child<QPlainTextEdit>(&w, "txtGuida"), Qt::Key_Delete);
        QTest::keyClick(child<QPlainTextEdit>(&w, "txtGuida"), Qt::Key_Return);
        QTest::keyClick(child<QPlainTextEdit>(&w, "txtGuida"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(child<QPlainTextEdit>(&w, "txtGuida")->toPlainText(), shownText(HelpTexts::forAgenda()));
    }

    void manualLink()
    {
        TfrmGuida w;
        QCOMPARE(child<LinkLabel>(&w, "lnkWeb")->text(), QStringLiteral("Visualizza guida in formato PDF"));
        QCOMPARE(child<QPushButton>(&w, "btnChiudi")->text(), QStringLiteral("Chiudi"));
        // No manual: nothing happens, nothing is said.
        QTest::mouseClick(child<LinkLabel>(&w, "lnkWeb"), Qt::LeftButton);
        child<PictureButton>(&w, "imgPDF")->click();
        QVERIFY(m_env->shell.opened.isEmpty());
        QVERIFY(m_env->dialogs.shown.isEmpty());

        m_env->writeFile(QStringLiteral("Guida.pdf"), "%PDF-1.4");
        QTest::mouseClick(child<LinkLabel>(&w, "lnkWeb"), Qt::LeftButton);
        QTest::mouseClick(child<PictureButton>(&w, "imgPDF"), Qt::LeftButton);
        QCOMPARE(m_env->shell.opened.size(), 2);
        for (const QUrl &url : m_env->shell.opened)
            QCOMPARE(url, QUrl::fromLocalFile(m_env->file(QStringLiteral("Guida.pdf"))));
    }

    void linkColours()
    {
        TfrmGuida w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(child<LinkLabel>(&w, "lnkWeb")->textColour(), LinkLabel::normalColour());
        QTest::mousePress(child<LinkLabel>(&w, "lnkWeb"), Qt::LeftButton);
        QCOMPARE(child<LinkLabel>(&w, "lnkWeb")->textColour(), LinkLabel::pressedColour());
        QTest::mouseRelease(child<LinkLabel>(&w, "lnkWeb"), Qt::LeftButton);
        QCOMPARE(child<LinkLabel>(&w, "lnkWeb")->textColour(), LinkLabel::normalColour());
        // The picture beside the link colours the link too.
        QTest::mousePress(child<PictureButton>(&w, "imgPDF"), Qt::LeftButton);
        QCOMPARE(child<LinkLabel>(&w, "lnkWeb")->textColour(), LinkLabel::pressedColour());
        QTest::mouseRelease(child<PictureButton>(&w, "imgPDF"), Qt::LeftButton);
        QCOMPARE(child<LinkLabel>(&w, "lnkWeb")->textColour(), LinkLabel::normalColour());
        // Released away from the link: no action, the colour comes back all the same.
        QTest::mousePress(child<LinkLabel>(&w, "lnkWeb"), Qt::LeftButton);
        QTest::mouseRelease(child<LinkLabel>(&w, "lnkWeb"), Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(child<LinkLabel>(&w, "lnkWeb")->textColour(), LinkLabel::normalColour());
        QCOMPARE(LinkLabel::normalColour(), QColor(0, 0, 0x80));
    }

    void informationWindow()
    {
        QPointer<TfrmInfo> first;
        for (int opening = 0; opening < 2; ++opening) {
            QVERIFY(whileOpen<TfrmInfo>([&] { child<PictureButton>(menu(), "imgInfo")->click(); },
                                        [&](TfrmInfo *w) {
                                            QCOMPARE(w->windowTitle(), QStringLiteral(" Informazioni su Tarvenio 3.0"));
                                            QCOMPARE(child<LinkLabel>(w, "lnkWeb")->text(),
                                                     QStringLiteral("info@tarvenio.it"));
                                            QCOMPARE(child<QPushButton>(w, "btnChiudi")->text(),
                                                     QStringLiteral("Chiudi"));
                                            QVERIFY(w != first);
                                            first = w;
                                            QTest::mouseClick(child<LinkLabel>(w, "lnkWeb"), Qt::LeftButton);
                                            child<PictureButton>(w, "imgEmail")->click();
                                            QTest::mouseClick(child<QPushButton>(w, "btnChiudi"), Qt::LeftButton);
                                            QVERIFY(!w->isVisible());
                                        }));
            QVERIFY(!first);
        }
        QCOMPARE(m_env->shell.opened.size(), 4);
        for (const QUrl &url : m_env->shell.opened) {
            QCOMPARE(url.scheme(), QStringLiteral("mailto"));
            QCOMPARE(url.path(), QStringLiteral("info@tarvenio.it"));
            const QUrlQuery query(url);
            QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
                     QStringLiteral("Software Tarvenio 3.0"));
            QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
                     QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:"));
        }
    }

    void copyrightWindow()
    {
        QVERIFY(whileOpen<TfrmSplash>([&] { child<PictureButton>(menu(), "imgCopyright")->click(); },
                                      [&](TfrmSplash *w) {
                                          QVERIFY(w->windowTitle().startsWith(QStringLiteral(" Tarvenio 3.0")));
                                          QVERIFY(w->windowTitle().contains(QStringLiteral("Copyright ©")));
                                          QCOMPARE(child<LinkLabel>(w, "lnkWeb")->text(),
                                                   QStringLiteral("www.tarvenio.it"));
                                          QCOMPARE(w->parentWidget(), static_cast<QWidget *>(menu()));
                                          // Centred on its owner (give or take the rounding of odd sizes).
                                          QVERIFY(
                                              (w->geometry().center() - menu()->geometry().center()).manhattanLength()
                                              <= 4);
                                          QTest::mouseClick(child<LinkLabel>(w, "lnkWeb"), Qt::LeftButton);
                                          child<PictureButton>(w, "imgWeb")->click();
                                      }));
        QCOMPARE(m_env->shell.opened, QVector<QUrl>({QUrl(QStringLiteral("https://www.tarvenio.it")),
                                                     QUrl(QStringLiteral("https://www.tarvenio.it"))}));
        QVERIFY(m_env->dialogs.shown.isEmpty());
        QVERIFY(menu()->isVisible());
    }
};

QTEST_MAIN(TestHelpWindows)
#include "tst_helpwindows.moc"
