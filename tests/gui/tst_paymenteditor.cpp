// The payment editor's records: the blank card, browsing, show, duplicate and
// save, the failures, and the way there from the agenda and back to the menu.
#include "Controls.h"
#include "PaymentFixtures.h"
#include "ResidentFixture.h"
#include "TestServices.h"

#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "app/Windows.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "records/RecordFile.h"
#include "ui/widgets/InfoBar.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <sys/stat.h>

namespace {
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kAccess =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kChanged = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

PaymentRecord numbered(int n)
{
    PaymentRecord r = makePayment(QStringLiteral("%1/03/2025").arg(n, 2, 10, QLatin1Char('0')));
    r.Causale = QStringLiteral("Pagamento %1").arg(n);
    return r;
}
}

class TestPaymentEditor : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmArchivio_Scadenze *ed() const { return Windows::resident().archivio; }
    const QString archiveName = QString::fromLatin1(PaymentRecord::FileName);

    void writeArchive(int records)
    {
        QVector<PaymentRecord> all;
        for (int i = 1; i <= records; ++i)
            all << numbered(i);
        m_env->writeFile(archiveName, paymentFile(all));
    }
    QByteArray archive() const { return m_env->readFile(archiveName); }
    PaymentRecord stored(int number) const
    {
        return PaymentRecord::decode(archive().mid(qsizetype(number - 1) * PaymentRecord::Size, PaymentRecord::Size));
    }
    void fillCard()
    {
        child<QLineEdit>(ed(), "txtData")->setText(QStringLiteral("20/06/2025"));
        child<QComboBox>(ed(), "txtOreApp")->setEditText(QStringLiteral("14"));
        child<QComboBox>(ed(), "txtMinutiApp")->setEditText(QStringLiteral("45"));
        child<QLineEdit>(ed(), "txtAvviso")->setText(QStringLiteral("3"));
        child<QComboBox>(ed(), "txtTipologia")->setEditText(QStringLiteral("In entrata"));
        child<QLineEdit>(ed(), "txtCausale")->setText(QStringLiteral("  Fattura n. 12 "));
        child<QLineEdit>(ed(), "txtContatto")->setText(QStringLiteral("Studio Verdi"));
        child<QLineEdit>(ed(), "txtEmail")->setText(QStringLiteral("verdi@example.it"));
        child<QLineEdit>(ed(), "txtImporto")->setText(QStringLiteral("1250,50"));
        child<QLineEdit>(ed(), "txtNote")->setText(QStringLiteral("Più città, perché"));
    }
    QString messages() const { return m_env->dialogs.texts().join(QLatin1Char('|')); }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        Residents::switchTo(nullptr, ed());
        QVERIFY(QTest::qWaitForWindowActive(ed()));
    }
    void cleanup()
    {
        ::chmod(QFile::encodeName(m_env->folder()).constData(), 0700);
        m_env.reset();
    }

    void opensWithABlankCard()
    {
        QCOMPARE(ed()->windowTitle(), QStringLiteral(" Tarvenio 3.0 - Archivio Pagamenti"));
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QString());
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->currentText(), QStringLiteral("00"));
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(ed(), "txtMinutiApp")->currentText(), QStringLiteral("00"));
        QCOMPARE(child<QLineEdit>(ed(), "txtAvviso")->text(), QStringLiteral("0"));
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->currentText(), QString());
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), QStringLiteral("0,00"));
        QVERIFY(!child<QCheckBox>(ed(), "chkOttemperata")->isChecked());
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtData"));
        // The widths the file can hold, and nothing opened yet.
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->maxLength(), 250);
        QCOMPARE(child<QLineEdit>(ed(), "txtContatto")->maxLength(), 50);
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->maxLength(), 15);
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->lineEdit()->maxLength(), 50);
        QVERIFY(!QFile::exists(m_env->file(archiveName)));
    }

    void emptyArchive_data()
    {
        QTest::addColumn<QString>("command");
        QTest::newRow("first") << "cmdPrimo";
        QTest::newRow("previous") << "cmdIndietro";
        QTest::newRow("next") << "cmdAvanti";
        QTest::newRow("last") << "cmdUltimo";
    }
    void emptyArchive()
    {
        QFETCH(QString, command);
        child<QLineEdit>(ed(), "txtCausale")->setText(QStringLiteral("scritto a mano"));
        child<PictureButton>(ed(), command)->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Information);
        QCOMPARE(m_env->dialogs.shown[0].text, kEmpty);
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), QStringLiteral("scritto a mano"));
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QVERIFY(QFile::exists(m_env->file(archiveName)));
    }

    void nextOnAnEmptiedArchiveClearsThePosition()
    {
        // The card shows record 3 of a file that has since become empty.
        ed()->ShowPaymentRecord(numbered(3), 3);
        m_env->writeFile(archiveName, {});
        child<PictureButton>(ed(), "cmdAvanti")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(messages(), kEmpty);
    }

    void browsing()
    {
        writeArchive(3);
        child<PictureButton>(ed(), "cmdAvanti")->click(); // from a new card: the first record
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), QStringLiteral("Pagamento 1"));
        child<PictureButton>(ed(), "cmdIndietro")->click(); // from record 1: nothing at all
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("1"));
        child<PictureButton>(ed(), "cmdAvanti")->click();
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), QStringLiteral("Pagamento 2"));
        child<PictureButton>(ed(), "cmdUltimo")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("3"));
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QStringLiteral("03/03/2025"));
        child<PictureButton>(ed(), "cmdAvanti")->click(); // past the last: nothing
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("3"));
        child<PictureButton>(ed(), "cmdIndietro")->click();
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), QStringLiteral("Pagamento 2"));
        child<PictureButton>(ed(), "cmdPrimo")->click();
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), QStringLiteral("Pagamento 1"));
        child<PictureButton>(ed(), "cmdNuovo")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), QString());
        child<PictureButton>(ed(), "cmdIndietro")->click(); // from a new card: the first record
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void showPaymentRecordFillsTheCard()
    {
        PaymentRecord r = makePayment(QStringLiteral("07/03/2025"), QStringLiteral("7"), QStringLiteral("05"),
                                      QStringLiteral("12"), QStringLiteral("Sì"));
        r.Ora = QStringLiteral("7:05");
        r.Note = QStringLiteral("Perché sì");
        ed()->ShowPaymentRecord(r, 42);
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), r.Data);
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->currentText(),
                 QStringLiteral("7")); // shown as stored, no rule runs
        QCOMPARE(child<QComboBox>(ed(), "txtMinutiApp")->currentText(), r.MinutiApp);
        QCOMPARE(child<QLabel>(ed(), "lblOra")->text(), r.Ora);
        QCOMPARE(child<QLineEdit>(ed(), "txtAvviso")->text(), r.Avviso);
        QCOMPARE(child<QComboBox>(ed(), "txtTipologia")->currentText(), r.Tipologia);
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), r.Causale);
        QCOMPARE(child<QLineEdit>(ed(), "txtDettagli")->text(), r.Dettagli);
        QCOMPARE(child<QLineEdit>(ed(), "txtContatto")->text(), r.Contatto);
        QCOMPARE(child<QLineEdit>(ed(), "txtTel")->text(), r.Tel);
        QCOMPARE(child<QLineEdit>(ed(), "txtCel")->text(), r.Cel);
        QCOMPARE(child<QLineEdit>(ed(), "txtEmail")->text(), r.Email);
        QCOMPARE(child<QLineEdit>(ed(), "txtLuogo")->text(), r.Luogo);
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), r.Importo);
        QCOMPARE(child<QLineEdit>(ed(), "txtNote")->text(), r.Note);
        QVERIFY(child<QCheckBox>(ed(), "chkOttemperata")->isChecked());
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("42"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void unknownSettledFlag_data()
    {
        QTest::addColumn<bool>("before");
        QTest::addColumn<QString>("flag");
        QTest::newRow("checked, empty") << true << "";
        QTest::newRow("unchecked, empty") << false << "";
        QTest::newRow("checked, lower case") << true << "sì";
        QTest::newRow("unchecked, other") << false << "Si";
    }
    void unknownSettledFlag()
    {
        QFETCH(bool, before);
        QFETCH(QString, flag);
        PaymentRecord r = numbered(1);
        r.Ottemperata = flag;
        m_env->writeFile(archiveName, paymentFile({r}));
        child<QCheckBox>(ed(), "chkOttemperata")->setChecked(before);
        child<PictureButton>(ed(), "cmdPrimo")->click();
        QCOMPARE(child<QCheckBox>(ed(), "chkOttemperata")->isChecked(), before);
        // Saving it writes one of the two known values.
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(stored(1).Ottemperata, before ? QStringLiteral("Sì") : QStringLiteral("No"));
        QCOMPARE(archive().mid(1262, 3), before ? QByteArray("\x02S\xEC") : QByteArray("\x02No"));
    }

    void saveAppendsThenOverwrites()
    {
        writeArchive(7);
        const QByteArray firstSeven = archive();
        fillCard();
        child<QCheckBox>(ed(), "chkOttemperata")->setChecked(true);
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("8"));
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Information);
        QCOMPARE(m_env->dialogs.shown[0].text, kInserted);
        QCOMPARE(archive().size(), 8 * PaymentRecord::Size);
        QCOMPARE(archive().left(firstSeven.size()), firstSeven);
        PaymentRecord r = stored(8);
        QCOMPARE(r.Data, QStringLiteral("20/06/2025"));
        QCOMPARE(r.Ora, QStringLiteral("14:45"));
        QCOMPARE(r.Tipologia, QStringLiteral("In entrata"));
        QCOMPARE(r.Causale, QStringLiteral("Fattura n. 12"));
        QCOMPARE(r.Importo, QStringLiteral("1250,50"));
        QCOMPARE(r.Note, QStringLiteral("Più città, perché"));
        QCOMPARE(r.Ottemperata, QStringLiteral("Sì"));

        m_env->dialogs.clear();
        child<QLineEdit>(ed(), "txtCausale")->setText(QStringLiteral("Fattura n. 13"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(messages(), kChanged);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("8"));
        QCOMPARE(archive().size(), 8 * PaymentRecord::Size);
        QCOMPARE(stored(8).Causale, QStringLiteral("Fattura n. 13"));
        QCOMPARE(archive().left(firstSeven.size()), firstSeven);
    }

    void saveOverABrowsedRecord()
    {
        writeArchive(3);
        child<PictureButton>(ed(), "cmdAvanti")->click();
        child<PictureButton>(ed(), "cmdAvanti")->click();
        child<QLineEdit>(ed(), "txtLuogo")->setText(QStringLiteral("Modena"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(messages(), kChanged);
        QCOMPARE(stored(2).Luogo, QStringLiteral("Modena"));
        QCOMPARE(stored(1), numbered(1));
        QCOMPARE(stored(3), numbered(3));
    }

    void requiredFields_data()
    {
        QTest::addColumn<QStringList>("emptied");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("warning");
        QTest::newRow("date") << QStringList {"txtData", "txtCausale"} << "txtData"
                              << "Attenzione: per salvare la scheda è necessario indicare la data della scadenza.";
        QTest::newRow("notice") << QStringList {"txtAvviso"} << "txtAvviso"
                                << "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso "
                                   "rispetto alla data della scadenza.";
        QTest::newRow("type") << QStringList {"txtTipologia", "txtContatto"} << "txtTipologia"
                              << "Attenzione: per salvare la scheda è necessario indicare la tipologia di pagamento "
                                 "(in entrata o in uscita).";
        QTest::newRow("cause before contact")
            << QStringList {"txtCausale", "txtContatto"} << "txtCausale"
            << "Attenzione: per salvare la scheda è necessario indicare la causale del pagamento.";
        QTest::newRow("contact") << QStringList {"txtContatto"} << "txtContatto"
                                 << "Attenzione: per salvare la scheda è necessario indicare il nome del contatto.";
        QTest::newRow("blanks only")
            << QStringList {"txtCausale"} << "txtCausale"
            << "Attenzione: per salvare la scheda è necessario indicare la causale del pagamento.";
    }
    void requiredFields()
    {
        QFETCH(QStringList, emptied);
        QFETCH(QString, focused);
        QFETCH(QString, warning);
        fillCard();
        for (const QString &name : emptied) {
            const QString blank =
                QTest::currentDataTag() == QLatin1String("blanks only") ? QStringLiteral("  \t ") : QString();
            if (auto *box = ed()->findChild<QLineEdit *>(name))
                box->setText(blank);
            else
                child<QComboBox>(ed(), name)->setEditText(blank);
        }
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Warning);
        QCOMPARE(m_env->dialogs.shown[0].text, warning);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QVERIFY(archive().isEmpty());
    }

    void timeAndAmountAsSaved_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("storedAmount");
        QTest::newRow("midnight") << "00"
                                  << "00"
                                  << "5,00"
                                  << "00:00"
                                  << "5,00";
        QTest::newRow("hour emptied") << ""
                                      << "30"
                                      << "5,00"
                                      << ":30"
                                      << "5,00";
        QTest::newRow("both emptied") << ""
                                      << ""
                                      << "5,00"
                                      << ":"
                                      << "5,00";
        QTest::newRow("empty amount") << "09"
                                      << "15"
                                      << ""
                                      << "09:15"
                                      << "0,00";
        QTest::newRow("blank amount") << "09"
                                      << "15"
                                      << "   "
                                      << "09:15"
                                      << "0,00";
    }
    void timeAndAmountAsSaved()
    {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(QString, amount);
        QFETCH(QString, time);
        QFETCH(QString, storedAmount);
        fillCard();
        child<QComboBox>(ed(), "txtOreApp")->setEditText(hour);
        child<QComboBox>(ed(), "txtMinutiApp")->setEditText(minute);
        child<QLineEdit>(ed(), "txtImporto")->setText(amount);
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(messages(), kInserted);
        QCOMPARE(child<QLabel>(ed(), "lblOra")->text(), time);
        QCOMPARE(stored(1).Ora, time);
        QCOMPARE(stored(1).OreApp, hour);
        QCOMPARE(stored(1).Importo, storedAmount);
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), storedAmount);
    }

    void saveRunsTheLeavingRuleOfTheEditedBox()
    {
        fillCard();
        child<QLineEdit>(ed(), "txtImporto")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtImporto"));
        child<QLineEdit>(ed(), "txtImporto")->setText(QStringLiteral("12,345"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(stored(1).Importo, QStringLiteral("12,35"));
        QCOMPARE(child<QLineEdit>(ed(), "txtImporto")->text(), QStringLiteral("12,35"));
    }

    void duplicateRefusedOnANewCard()
    {
        fillCard();
        child<PictureButton>(ed(), "cmdDuplica")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Warning);
        QCOMPARE(m_env->dialogs.shown[0].text,
                 QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                                "stata inserita in archivio."));
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QStringLiteral("20/06/2025"));
    }

    void duplicateKeepsAllButDateAndTime()
    {
        PaymentRecord third = numbered(3);
        third.Ottemperata = QStringLiteral("Sì");
        m_env->writeFile(archiveName, paymentFile({numbered(1), numbered(2), third}));
        child<PictureButton>(ed(), "cmdUltimo")->click();
        child<QComboBox>(ed(), "txtOreApp")->setCurrentIndex(9);
        child<PictureButton>(ed(), "cmdDuplica")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Information);
        QCOMPARE(m_env->dialogs.shown[0].text,
                 QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                                "Al termine premere Salva per inserire la scheda in archivio."));
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(child<QLineEdit>(ed(), "txtData")->text(), QString());
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->currentText(), QStringLiteral("00"));
        QCOMPARE(child<QComboBox>(ed(), "txtOreApp")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(ed(), "txtMinutiApp")->currentText(), QStringLiteral("00"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtData"));

        child<QLineEdit>(ed(), "txtData")->setText(QStringLiteral("03/04/2025"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("4"));
        PaymentRecord copy = stored(4);
        QCOMPARE(copy.Data, QStringLiteral("03/04/2025"));
        QCOMPARE(copy.Ora, QStringLiteral("00:00"));
        copy.Data = third.Data;
        copy.OreApp = third.OreApp;
        copy.MinutiApp = third.MinutiApp;
        copy.Ora = third.Ora;
        QCOMPARE(copy, third);
        QCOMPARE(stored(3), third);
    }

    void unreachableArchive_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("no archive yet") << false;
        QTest::newRow("read-only archive") << true;
    }
    void unreachableArchive()
    {
        QFETCH(bool, existing);
        if (existing) {
            writeArchive(2);
            QVERIFY(QFile::setPermissions(m_env->file(archiveName), QFile::ReadOwner | QFile::ReadGroup));
        }
        const QByteArray before = archive();
        QVERIFY(::chmod(QFile::encodeName(m_env->folder()).constData(), 0500) == 0);

        if (existing)
            ed()->ShowPaymentRecord(numbered(2), 2);
        else
            fillCard();
        child<QLineEdit>(ed(), "txtCausale")->setText(QStringLiteral("Modificata"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Error);
        QCOMPARE(m_env->dialogs.shown[0].text, kAccess);
        QCOMPARE(QFile::exists(m_env->file(archiveName)), existing);
        QCOMPARE(archive(), before);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), existing ? QStringLiteral("2") : QString());

        // A read-only archive is still read: browsing shows its records. With
        // no archive the folder lets none be created, and browsing says so.
        // Duplicating, which prepares a save, needs the archive writable.
        m_env->dialogs.clear();
        child<PictureButton>(ed(), "cmdPrimo")->click();
        if (existing)
            QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), numbered(1).Causale);
        child<PictureButton>(ed(), "cmdDuplica")->click();
        QCOMPARE(m_env->dialogs.shown.size(), existing ? 1 : 2);
        QCOMPARE(m_env->dialogs.shown.last().kind, existing ? MessageKind::Error : MessageKind::Warning);
        QCOMPARE(m_env->dialogs.shown.last().text == kAccess, existing);
        if (!existing)
            QCOMPARE(m_env->dialogs.shown[0].text, kAccess);
    }

    void emailButton_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("url");
        QTest::newRow("address") << "  verdi@example.it "
                                 << "mailto:verdi@example.it";
        QTest::newRow("empty") << ""
                               << "mailto:";
    }
    void emailButton()
    {
        QFETCH(QString, address);
        QFETCH(QString, url);
        child<QLineEdit>(ed(), "txtEmail")->setText(address);
        child<PictureButton>(ed(), "btnEmail")->click();
        QCOMPARE(m_env->shell.opened.size(), 1);
        QCOMPARE(m_env->shell.opened[0].toString(), url);
    }

    void hints()
    {
        // The bar's design text, until the pointer moves over the window.
        TfrmArchivio_Scadenze fresh;
        QCOMPARE(child<InfoBar>(&fresh, "panInfo")->text(),
                 QStringLiteral("Pronto per archiviare una nuova scheda..."));

        auto hover = [](QWidget *w, QEvent::Type type) {
            QEvent e(type);
            QApplication::sendEvent(w, &e);
        };
        hover(child<PictureButton>(ed(), "cmdSalva"), QEvent::Enter);
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QStringLiteral("Salva la scheda corrente in archivio."));
        hover(child<PictureButton>(ed(), "cmdSalva"), QEvent::Leave);
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QString());
        hover(child<QCheckBox>(ed(), "chkOttemperata"), QEvent::Enter);
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(),
                 QStringLiteral("Spunta questa casella per indicare che l'impegno è stato assolto."));
        hover(child<QCheckBox>(ed(), "chkOttemperata"), QEvent::Leave);
        hover(child<PictureButton>(ed(), "impContatto"), QEvent::Enter);
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(),
                 QStringLiteral("Importa i dati dall'archivio anagrafico dei contatti."));
        // Over the window background the bar is empty, whatever it held.
        child<InfoBar>(ed(), "panInfo")->setText(QStringLiteral("Pronto per archiviare una nuova scheda..."));
        hover(ed(), QEvent::Enter);
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QString());
        for (PictureButton *p : ed()->findChildren<PictureButton *>())
            QVERIFY2(!child<InfoBar>(ed(), "panInfo")->hintFor(p).isEmpty(), qPrintable(p->objectName()));
    }

    void reachedFromTheAgendaAndLeftToTheMenu_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("archive button") << "btnArchivio";
        QTest::newRow("archive picture") << "appApriArchivio";
    }
    void reachedFromTheAgendaAndLeftToTheMenu()
    {
        QFETCH(QString, button);
        TfrmAgenda *agenda = Windows::resident().agenda;
        TfrmAvvio *menu = Windows::resident().avvio;
        child<QAbstractButton>(ed(), "cmdEsci")->click();
        QVERIFY(menu->isVisible());
        QVERIFY(!ed()->isVisible());

        m_env->writeFile(QStringLiteral("Avviso.mp3"), "ID3");
        m_env->writeFile(archiveName, paymentFile({makePayment(QStringLiteral("10/05/2025"))}));
        child<PictureButton>(menu, "btnApp02")->click();
        QVERIFY(m_env->alarm.playing);
        child<QLineEdit>(ed(), "txtCausale")->setText(QStringLiteral("left over"));
        child<PictureButton>(agenda, button)->click();
        QVERIFY(ed()->isVisible());
        QVERIFY(ed()->windowState() & Qt::WindowMaximized);
        QVERIFY(!agenda->isVisible());
        QVERIFY(m_env->alarm.playing);                                     // the alarm goes on
        QCOMPARE(child<QLineEdit>(ed(), "txtCausale")->text(), QString()); // every show starts blank

        // The title bar, like the exit picture, leads to the menu, not the agenda.
        QVERIFY(!ed()->close());
        QVERIFY(menu->isVisible());
        QVERIFY(!ed()->isVisible());
        QVERIFY(!agenda->isVisible());
    }
};

QTEST_MAIN(TestPaymentEditor)
#include "tst_paymenteditor.moc"
