// The contact editor's records: the empty card on every show, browsing, show,
// new, duplicate and save with their messages, the bytes a save writes, the
// failures, the card print, and the way there from the menu and back.
#include "Controls.h"
#include "ContactFixtures.h"
#include "ModalDriver.h"
#include "ResidentFixture.h"
#include "ShownRecords.h"
#include "TestServices.h"

#include "app/TfrmAvvio.h"
#include "app/Windows.h"
#include "contacts/TfrmAnagrafica.h"
#include "contacts/TfrmExpAnagrafica.h"
#include "contacts/TfrmQuestioni.h"
#include "contacts/TfrmStampaAnagrafica.h"
#include "contacts/TfrmTrovaAnagrafica.h"
#include "ui/widgets/RowList.h"
#include "ui/widgets/InfoBar.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

namespace {
const QString kEmpty = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kAccess =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");
const QString kChanged = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kNameRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del contatto.");
const QString kSexRequired = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il sesso del contatto usando la lettera M oppure F.");
const QString kDuplicated =
    QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                   "Al termine premere Salva per inserire la scheda in archivio.");
const QString kDuplicateRefused = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");

// The contact file as written down for it: each field's box (or hidden label),
// offset and capacity. Kept apart from the program's own layout on purpose.
struct Field {
    const char *box;
    int offset;
    int capacity;
};
const Field kFields[] = {
    {"txtNome", 0, 250},           {"txtIndirizzo", 251, 250},  {"txtNum", 502, 10},
    {"txtCap01", 513, 1},          {"txtCap02", 515, 1},        {"txtCap03", 517, 1},
    {"txtCap04", 519, 1},          {"txtCap05", 521, 1},        {"txtLocalita", 523, 120},
    {"txtProv01", 644, 1},         {"txtProv02", 646, 1},       {"txtTel", 648, 30},
    {"txtEmail", 679, 120},        {"txtDataNasc", 800, 10},    {"txtSesso", 811, 1},
    {"txtLuogoNasc", 813, 120},    {"txtCodFisc", 934, 16},     {"txtPartitaIva", 951, 11},
    {"txtIban", 963, 27},          {"txtPec", 991, 120},        {"txtCarta", 1112, 50},
    {"txtScadeCarta", 1163, 10},   {"txtCel", 1174, 50},        {"txtCittadinanza", 1225, 50},
    {"txtOccupazione", 1276, 120}, {"txtCivile", 1397, 50},     {"txtTipoDoc", 1448, 50},
    {"txtEnteRil", 1499, 50},      {"txtDataRil", 1550, 10},    {"txtDataSca", 1561, 10},
    {"txtProdotti", 1572, 250},    {"txtQuestioni", 1823, 250}, {"txtNote", 2074, 250},
    {"lblFile01", 2325, 250},      {"lblFile02", 2576, 250},    {"lblFile03", 2827, 250},
    {"lblDesc01", 3078, 250},      {"lblDesc02", 3329, 250},    {"lblDesc03", 3580, 250},
};
}

class TestContactEditor : public QObject {
    Q_OBJECT
    std::unique_ptr<ResidentFixture> m_env;
    TfrmAnagrafica *ed() const { return Windows::resident().anagrafica; }
    const QString archiveName = QString::fromLatin1(ContactRecord::FileName);

    void writeArchive(int records)
    {
        QVector<ContactRecord> all;
        for (int i = 1; i <= records; ++i)
            all << makeContact(i);
        writeContactArchive(all);
    }
    QByteArray archive() const { return m_env->readFile(archiveName); }
    ContactRecord stored(int number) const
    {
        return ContactRecord::decode(archive().mid(qsizetype(number - 1) * ContactRecord::Size, ContactRecord::Size));
    }
    QLineEdit *box(const char *name) const { return ed()->findChild<QLineEdit *>(QLatin1String(name)); }
    // Every visible box and hidden value by name, as the card shows them.
    QStringList cardTexts() const
    {
        QStringList out;
        for (const Field &f : kFields) {
            if (auto *edit = box(f.box))
                out << edit->text();
            else
                out << child<QLabel>(ed(), QLatin1String(f.box))->text();
        }
        return out;
    }
    void fillNewContact()
    {
        child<QLineEdit>(ed(), "txtNome")->setText(QStringLiteral("Maria Bianchi"));
        child<QLineEdit>(ed(), "txtSesso")->setText(QStringLiteral("F"));
        child<QLineEdit>(ed(), "txtLocalita")->setText(QStringLiteral("Ferrara"));
    }
    QString messages() const { return m_env->dialogs.texts().join(QLatin1Char('|')); }

private slots:
    void init()
    {
        m_env = std::make_unique<ResidentFixture>(QDate(2025, 5, 15));
        QVERIFY(m_env->show(ed()));
    }
    void cleanup()
    {
        ::chmod(QFile::encodeName(m_env->folder()).constData(), 0700);
        m_env.reset();
    }

    void opensOnAnEmptyNewContact()
    {
        QCOMPARE(ed()->windowTitle(), QStringLiteral(" Tarvenio 3.0 - Archivio Anagrafico"));
        QVERIFY(ed()->windowState() & Qt::WindowMaximized);
        QCOMPARE(cardTexts(), QStringList(std::size(kFields), QString()));
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtNome"));
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        // The position label, and the hidden values the user never sees.
        QVERIFY(child<QLabel>(ed(), "lblPosizione")->font().bold());
        QVERIFY(child<QLabel>(ed(), "lblPosizione")->alignment() & Qt::AlignHCenter);
        for (QLabel *hidden :
             {child<QLabel>(ed(), "lblFile01"), child<QLabel>(ed(), "lblFile02"), child<QLabel>(ed(), "lblFile03"),
              child<QLabel>(ed(), "lblDesc01"), child<QLabel>(ed(), "lblDesc02"), child<QLabel>(ed(), "lblDesc03")})
            QVERIFY(!hidden->isVisible());
        // Nothing opened yet; every command is there and usable.
        QVERIFY(!QFile::exists(m_env->file(archiveName)));
        for (PictureButton *ready :
             {child<PictureButton>(ed(), "cmdNuovo"), child<PictureButton>(ed(), "cmdDuplica"),
              child<PictureButton>(ed(), "cmdSalva"), child<PictureButton>(ed(), "cmdTrova"),
              child<PictureButton>(ed(), "cmdQuestioni"), child<PictureButton>(ed(), "cmdEsporta"),
              child<PictureButton>(ed(), "cmdFile"), child<PictureButton>(ed(), "cmdStampa"),
              child<PictureButton>(ed(), "cmdPrimo"), child<PictureButton>(ed(), "cmdIndietro"),
              child<PictureButton>(ed(), "cmdAvanti"), child<PictureButton>(ed(), "cmdUltimo"),
              child<PictureButton>(ed(), "cmdGuida"), child<PictureButton>(ed(), "cmdEsci")})
            QVERIFY(ready->isEnabled());
    }

    void everyShowStartsEmpty()
    {
        writeArchive(2);
        child<PictureButton>(ed(), "cmdUltimo")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("2"));
        child<QAbstractButton>(ed(), "cmdEsci")->click();
        QVERIFY(Windows::resident().avvio->isVisible());
        QVERIFY(!ed()->isVisible());
        child<PictureButton>(Windows::resident().avvio, "btnApp01")->click();
        QVERIFY(ed()->isVisible());
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(cardTexts(), QStringList(std::size(kFields), QString()));
        // The title bar's close leads to the menu too, and the window lives on.
        QVERIFY(!ed()->close());
        QVERIFY(Windows::resident().avvio->isVisible());
        QVERIFY(!ed()->isVisible());
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
        child<QLineEdit>(ed(), "txtNote")->setText(QStringLiteral("scritto a mano"));
        child<PictureButton>(ed(), command)->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Information);
        QCOMPARE(m_env->dialogs.shown[0].text, kEmpty);
        QCOMPARE(child<QLineEdit>(ed(), "txtNote")->text(), QStringLiteral("scritto a mano"));
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QVERIFY(QFile::exists(m_env->file(archiveName)));
        QCOMPARE(archive().size(), 0);
    }

    void nextOnAnEmptiedArchiveForgetsTheNumber()
    {
        ed()->ShowContactRecord(3, makeContact(3));
        m_env->writeFile(archiveName, {});
        child<PictureButton>(ed(), "cmdAvanti")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(messages(), kEmpty);
        QCOMPARE(child<QLineEdit>(ed(), "txtNome")->text(), QStringLiteral("Contatto 3"));
    }

    void browsing()
    {
        writeArchive(3);
        // A partial record at the end is not a record.
        m_env->writeFile(archiveName, archive() + QByteArray(100, 'x'));
        child<PictureButton>(ed(), "cmdAvanti")->click(); // from a new contact: record 1
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(ed(), "txtNome")->text(), QStringLiteral("Contatto 1"));
        child<PictureButton>(ed(), "cmdIndietro")->click(); // on record 1: nothing
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("1"));
        child<PictureButton>(ed(), "cmdAvanti")->click();
        QCOMPARE(child<QLineEdit>(ed(), "txtNome")->text(), QStringLiteral("Contatto 2"));
        child<PictureButton>(ed(), "cmdUltimo")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("3"));
        QCOMPARE(child<QLineEdit>(ed(), "txtCel")->text(), QStringLiteral("333 3"));
        child<PictureButton>(ed(), "cmdAvanti")->click(); // on the last: nothing
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("3"));
        child<PictureButton>(ed(), "cmdIndietro")->click();
        QCOMPARE(child<QLineEdit>(ed(), "txtNome")->text(), QStringLiteral("Contatto 2"));
        child<PictureButton>(ed(), "cmdPrimo")->click();
        QCOMPARE(child<QLineEdit>(ed(), "txtNome")->text(), QStringLiteral("Contatto 1"));
        child<PictureButton>(ed(), "cmdNuovo")->click();
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(cardTexts(), QStringList(std::size(kFields), QString()));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtNome"));
        child<PictureButton>(ed(), "cmdIndietro")->click(); // from a new contact: record 1 too
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("1"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void showContactRecordFillsEveryBox()
    {
        ContactRecord r = makeContact(7);
        r.Questioni = QStringLiteral("Attende il preventivo");
        r.File01 = QStringLiteral("patente.pdf");
        r.File03 = QStringLiteral("contratto.odt");
        r.Desc01 = QStringLiteral("Patente di guida");
        r.Desc02 = QStringLiteral("Senza file");
        child<QLineEdit>(ed(), "txtNote")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtNote"));
        ed()->ShowContactRecord(42, r);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("42"));
        QCOMPARE(shownContact(ed()), r);
        QCOMPARE(child<QLabel>(ed(), "lblFile01")->text(), QStringLiteral("patente.pdf"));
        QCOMPARE(child<QLabel>(ed(), "lblDesc02")->text(), QStringLiteral("Senza file"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtNote")); // the focus stays
        QVERIFY(m_env->dialogs.shown.isEmpty());
        child<PictureButton>(ed(), "cmdNuovo")->click();
        QCOMPARE(child<QLabel>(ed(), "lblFile03")->text(), QString());
    }

    void chosenContactIsReadAgain()
    {
        writeArchive(3);
        ed()->showChosenContact(2);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLineEdit>(ed(), "txtNome")->text(), QStringLiteral("Contatto 2"));
        // A number the file does not hold leaves the card as it was, silently.
        ed()->showChosenContact(9);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("2"));
        QVERIFY(m_env->dialogs.shown.isEmpty());
        // Saving after the pick overwrites that record.
        child<QLineEdit>(ed(), "txtNote")->setText(QStringLiteral("Scelto dalla ricerca"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(messages(), kChanged);
        QCOMPARE(stored(2).Note, QStringLiteral("Scelto dalla ricerca"));
        QCOMPARE(archive().size(), 3 * ContactRecord::Size);
    }

    void saveAppendsThenOverwrites()
    {
        writeArchive(4);
        const QByteArray firstFour = archive();
        fillNewContact();
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Information);
        QCOMPARE(m_env->dialogs.shown[0].text, kInserted);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("5"));
        QCOMPARE(archive().size(), 5 * ContactRecord::Size);
        QCOMPARE(archive().left(firstFour.size()), firstFour);
        QCOMPARE(stored(5).Nome, QStringLiteral("Maria Bianchi"));

        m_env->dialogs.clear();
        child<QLineEdit>(ed(), "txtLocalita")->setText(QStringLiteral("Rovigo"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Information);
        QCOMPARE(m_env->dialogs.shown[0].text, kChanged);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("5"));
        QCOMPARE(archive().size(), 5 * ContactRecord::Size);
        QCOMPARE(stored(5).Localita, QStringLiteral("Rovigo"));
        QCOMPARE(archive().left(firstFour.size()), firstFour);
    }

    void saveRefusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("sex");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focused");
        QTest::newRow("no name") << ""
                                 << "M" << kNameRequired << "txtNome";
        QTest::newRow("blanks only") << " \t  "
                                     << "F" << kNameRequired << "txtNome";
        QTest::newRow("name before sex") << ""
                                         << "" << kNameRequired << "txtNome";
        QTest::newRow("no sex") << "Mario Rossi"
                                << "" << kSexRequired << "txtSesso";
        QTest::newRow("a blank for sex") << "Mario Rossi"
                                         << " " << kSexRequired << "txtSesso";
        QTest::newRow("another letter") << "Mario Rossi"
                                        << "X" << kSexRequired << "txtSesso";
        QTest::newRow("lower case, put in by the program") << "Mario Rossi"
                                                           << "m" << kSexRequired << "txtSesso";
    }
    void saveRefusals()
    {
        QFETCH(QString, name);
        QFETCH(QString, sex);
        QFETCH(QString, warning);
        QFETCH(QString, focused);
        child<QLineEdit>(ed(), "txtNome")->setText(name);
        child<QLineEdit>(ed(), "txtSesso")->setText(sex);
        child<QLineEdit>(ed(), "txtLocalita")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtLocalita"));
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Warning);
        QCOMPARE(m_env->dialogs.shown[0].text, warning);
        QCOMPARE(QApplication::focusWidget()->objectName(), focused);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QVERIFY(!QFile::exists(m_env->file(archiveName)));
    }

    void savedBytesAreExact()
    {
        // Every field told apart by its own text, with a long name, blanks at
        // the ends and characters outside Windows-1252 among them.
        QStringList texts;
        QVector<QByteArray> bytes;
        for (const Field &f : kFields) {
            texts << QString::fromLatin1(f.box).mid(3, f.capacity);
            bytes << texts.last().toLatin1();
        }
        const auto set = [&](int i, const QString &text, const QByteArray &stored) {
            texts[i] = text;
            bytes[i] = stored;
        };
        set(0, QString(249, u'N') + QStringLiteral("è"), QByteArray(249, 'N') + "\xE8");
        set(4, QStringLiteral("7"), "7");
        set(14, QStringLiteral("M"), "M");
        set(15, QStringLiteral("Città ☃ €"), "Citt\xE0 ? \x80");
        set(19, QString(), QByteArray());
        set(32, QStringLiteral(" Più note\t"), "Pi\xF9 note");
        for (int i = 0; i < int(std::size(kFields)); ++i) {
            if (auto *edit = box(kFields[i].box))
                edit->setText(texts[i]);
            else
                child<QLabel>(ed(), QLatin1String(kFields[i].box))->setText(texts[i]);
        }
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(messages(), kInserted);

        QByteArray expected(ContactRecord::Size, '\0');
        for (int i = 0; i < int(std::size(kFields)); ++i) {
            const Field &f = kFields[i];
            QVERIFY(bytes[i].size() <= f.capacity);
            expected[f.offset] = char(bytes[i].size());
            expected.replace(f.offset + 1, bytes[i].size(), bytes[i]);
        }
        QCOMPARE(archive(), expected);
        // The boxes keep what was typed.
        QCOMPARE(child<QLineEdit>(ed(), "txtNote")->text(), texts[32]);
    }

    void duplicateRefusedOnANewContact()
    {
        fillNewContact();
        child<PictureButton>(ed(), "cmdDuplica")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Warning);
        QCOMPARE(m_env->dialogs.shown[0].text, kDuplicateRefused);
        QCOMPARE(child<QLineEdit>(ed(), "txtNome")->text(), QStringLiteral("Maria Bianchi"));
        QVERIFY(!QFile::exists(m_env->file(archiveName)));
    }

    void duplicateKeepsTheBoxesAndDropsTheAttachments()
    {
        ContactRecord third = makeContact(3);
        third.File01 = QStringLiteral("stato di famiglia.pdf");
        third.Desc01 = QStringLiteral("Stato di famiglia");
        third.File02 = QStringLiteral("foto.jpg");
        writeContactArchive({makeContact(1), makeContact(2), third, makeContact(4)});
        const QByteArray before = archive();
        ed()->showChosenContact(3);
        child<QLineEdit>(ed(), "txtNote")->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtNote"));
        child<PictureButton>(ed(), "cmdDuplica")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Information);
        QCOMPARE(m_env->dialogs.shown[0].text, kDuplicated);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QString());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(ed(), "txtNome"));
        ContactRecord shown = shownContact(ed());
        ContactRecord withoutAttachments = third;
        withoutAttachments.File01 = withoutAttachments.File02 = withoutAttachments.Desc01 = QString();
        QCOMPARE(shown, withoutAttachments);
        QCOMPARE(archive(), before); // the file is not touched

        child<QLineEdit>(ed(), "txtNome")->setText(QStringLiteral("Contatto 3 bis"));
        m_env->dialogs.clear();
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(messages(), kInserted);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("5"));
        QCOMPARE(stored(3), third);
        withoutAttachments.Nome = QStringLiteral("Contatto 3 bis");
        QCOMPARE(stored(5), withoutAttachments);
        QCOMPARE(archive().left(before.size()), before);
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
            ed()->showChosenContact(2);
        else
            fillNewContact();
        child<QLineEdit>(ed(), "txtNote")->setText(QStringLiteral("Modificata"));
        const QStringList shown = cardTexts();
        child<PictureButton>(ed(), "cmdSalva")->click();
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Error);
        QCOMPARE(m_env->dialogs.shown[0].text, kAccess);
        QCOMPARE(QFile::exists(m_env->file(archiveName)), existing);
        QCOMPARE(archive(), before);
        QCOMPARE(cardTexts(), shown);
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), existing ? QStringLiteral("2") : QString());

        // A read-only archive is still read; with none, the folder lets none be created.
        m_env->dialogs.clear();
        child<PictureButton>(ed(), "cmdPrimo")->click();
        if (existing) {
            QVERIFY(m_env->dialogs.shown.isEmpty());
            QCOMPARE(child<QLineEdit>(ed(), "txtNome")->text(), QStringLiteral("Contatto 1"));
        } else {
            QCOMPARE(m_env->dialogs.shown.size(), 1);
            QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Error);
            QCOMPARE(m_env->dialogs.shown[0].text, kAccess);
            QCOMPARE(cardTexts(), shown);
        }
    }

    void hints()
    {
        auto hover = [](QWidget *w, QEvent::Type type) {
            QEvent e(type);
            QApplication::sendEvent(w, &e);
        };
        // Shown under a pointer that stands still, the window keeps its ready text.
        hover(ed(), QEvent::Enter);
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), ed()->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(ed(), &move);
        const std::pair<PictureButton *, const char *> table[] = {
            {child<PictureButton>(ed(), "cmdNuovo"), "Prepara la schermata per l'inserimento di una nuova scheda."},
            {child<PictureButton>(ed(), "cmdDuplica"),
             "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
            {child<PictureButton>(ed(), "cmdSalva"), "Salva la scheda corrente in archivio."},
            {child<PictureButton>(ed(), "cmdTrova"), "Trova una scheda in archivio."},
            {child<PictureButton>(ed(), "cmdFile"), "Allega file alla scheda corrente."},
            {child<PictureButton>(ed(), "cmdStampa"), "Stampa la scheda corrente."},
            {child<PictureButton>(ed(), "cmdPrimo"), "Visualizza la prima scheda in archivio."},
            {child<PictureButton>(ed(), "cmdIndietro"), "Visualizza la scheda precedente in archivio."},
            {child<PictureButton>(ed(), "cmdAvanti"), "Visualizza la scheda successiva in archivio."},
            {child<PictureButton>(ed(), "cmdUltimo"), "Visualizza l'ultima scheda in archivio."},
            {child<PictureButton>(ed(), "cmdEsporta"), "Esporta l'archivio in un file di Microsoft Excel."},
            {child<PictureButton>(ed(), "cmdQuestioni"), "Visualizza il riepilogo delle questioni in sospeso."},
            {child<PictureButton>(ed(), "cmdGuida"),
             "Visualizza la pagina della guida in linea sensibile al contesto."},
            {child<PictureButton>(ed(), "cmdEsci"), "Esci da questa schermata di lavoro."},
            {child<PictureButton>(ed(), "btnEmail"), "Invia una e-mail all'indirizzo indicato."},
            {child<PictureButton>(ed(), "btnCodFisc"), "Controlla il codice fiscale."},
            {child<PictureButton>(ed(), "btnPartitaIva"), "Controlla il numero di partita IVA."},
            {child<PictureButton>(ed(), "btnIban"), "Controlla l'IBAN."},
            {child<PictureButton>(ed(), "btnCarta"), "Controlla il numero di carta di credito."},
        };
        for (const auto &[button, hint] : table) {
            hover(button, QEvent::Enter);
            QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QString::fromUtf8(hint));
            hover(button, QEvent::Leave);
            QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QString());
        }
        QCOMPARE(ed()->findChildren<PictureButton *>().size(), int(std::size(table)));
        // A box leaves the bar as it is; the background and the panels empty it.
        child<InfoBar>(ed(), "panInfo")->setText(QStringLiteral("qualcosa"));
        hover(child<QLineEdit>(ed(), "txtNome"), QEvent::Enter);
        QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QStringLiteral("qualcosa"));
        for (QWidget *plain :
             {static_cast<QWidget *>(ed()), child<QLineEdit>(ed(), "txtNome")->parentWidget()->parentWidget()}) {
            child<InfoBar>(ed(), "panInfo")->setText(QStringLiteral("qualcosa"));
            hover(plain, QEvent::Enter);
            QCOMPARE(child<InfoBar>(ed(), "panInfo")->text(), QString());
        }
    }

    void fitsALaptopScreen()
    {
        // 1366 x 768 less a window manager's title bar: every box and caption
        // whole, no scrolling.
        const QSize screen(1366, 738);
        QVERIFY(ed()->minimumSizeHint().height() <= screen.height());
        QVERIFY(ed()->minimumSizeHint().width() <= screen.width());
        ed()->showNormal();
        ed()->resize(screen);
        QTRY_COMPARE(ed()->size(), screen);
        const QRect window = ed()->rect();
        for (const char *name :
             {"txtNome", "txtCap05", "txtEmail", "txtCodFisc", "txtIban", "txtCarta", "txtDataSca", "txtNote"}) {
            QLineEdit *b = box(name);
            QVERIFY2(window.contains(QRect(b->mapTo(ed(), QPoint(0, 0)), b->size())), name);
            QVERIFY2(b->height() >= b->sizeHint().height(), name);
        }
        // A 16-character fiscal code and a 27-character IBAN show whole.
        child<QLineEdit>(ed(), "txtCodFisc")->setText(QStringLiteral("WWWWWWWWWWWWWWWW"));
        child<QLineEdit>(ed(), "txtIban")->setText(QStringLiteral("IT60X0542811101000000123456"));
        for (QLineEdit *b : {child<QLineEdit>(ed(), "txtCodFisc"), child<QLineEdit>(ed(), "txtIban")})
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) < b->width() - 14, // less padding and border
                     qPrintable(b->objectName()));
        int captions = 0;
        for (QLabel *caption : ed()->findChildren<QLabel *>(QStringLiteral("lblCaption"))) {
            QVERIFY2(caption->width() >= caption->sizeHint().width(), qPrintable(caption->text()));
            QVERIFY(window.contains(QRect(caption->mapTo(ed(), QPoint(0, 0)), caption->size())));
            ++captions;
        }
        QCOMPARE(captions, 28);
        for (QLabel *tool : ed()->findChildren<QLabel *>(QStringLiteral("lblComando")))
            QVERIFY2(tool->width() >= tool->sizeHint().width(), qPrintable(tool->text()));
    }

    void printTheCardAsShown()
    {
        writeArchive(1);
        child<PictureButton>(ed(), "cmdPrimo")->click();
        child<QLineEdit>(ed(), "txtNome")->setText(QStringLiteral("Non ancora salvato"));
        QVERIFY(whileModal<TfrmStampaAnagrafica>([this] { child<PictureButton>(ed(), "cmdStampa")->click(); },
                                                 [](TfrmStampaAnagrafica *w) {
                                                     child<QAbstractButton>(w, "btnStampa")->click();
                                                 }));
        QCOMPARE(m_env->reports.printed.size(), 1);
        const QString text = pdfText(m_env->reports.printed[0]);
        QVERIFY2(text.contains(QStringLiteral("Non ancora salvato")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Bologna")), qPrintable(text));
        QCOMPARE(stored(1).Nome, QStringLiteral("Contatto 1"));
    }

    void lookupsShowTheChosenContact()
    {
        // Records 1 and 3 give the same list row; each row brings its own record.
        ContactRecord first = makeContact(1);
        first.Questioni = QStringLiteral("Sollecito");
        ContactRecord twin = first;
        twin.Indirizzo = QStringLiteral("Via del gemello");
        writeContactArchive({first, makeContact(2), twin});
        QVERIFY(whileModal<TfrmTrovaAnagrafica>(
            [this] { child<PictureButton>(ed(), "cmdTrova")->click(); },
            [](TfrmTrovaAnagrafica *w) {
                // Opened by the contact editor, it hands the chosen record over.
                QSignalSpy chosen(w, &ListWindow::recordChosen);
                child<QLineEdit>(w, "txtNome")->setText(QStringLiteral("contatto 1"));
                child<QAbstractButton>(w, "btnCerca")->click();
                QCOMPARE(child<RowListView>(w, "lstRecords")->count(), 2);
                const int row = child<RowListView>(w, "lstRecords")->rowModel()->rows()[0].record == 3 ? 0 : 1;
                child<RowListView>(w, "lstRecords")->setCurrentRow(row);
                emit child<RowListView>(w, "lstRecords")
                    ->doubleClicked(child<RowListView>(w, "lstRecords")->rowModel()->index(row));
                QCOMPARE(chosen.count(), 1);
            }));
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("3"));
        QCOMPARE(child<QLineEdit>(ed(), "txtIndirizzo")->text(), QStringLiteral("Via del gemello"));

        QVERIFY(whileModal<TfrmQuestioni>([this] { child<PictureButton>(ed(), "cmdQuestioni")->click(); },
                                          [](TfrmQuestioni *w) {
                                              QCOMPARE(child<RowListView>(w, "lstRecords")->count(), 2);
                                              const int row =
                                                  child<RowListView>(w, "lstRecords")->rowModel()->rows()[0].record == 1
                                                      ? 0
                                                      : 1;
                                              child<RowListView>(w, "lstRecords")->setCurrentRow(row);
                                              emit child<RowListView>(w, "lstRecords")
                                                  ->doubleClicked(
                                                      child<RowListView>(w, "lstRecords")->rowModel()->index(row));
                                          }));
        QCOMPARE(child<QLabel>(ed(), "lblPosizione")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLineEdit>(ed(), "txtIndirizzo")->text(), first.Indirizzo);

        QVERIFY(whileModal<TfrmExpAnagrafica>([this] { child<PictureButton>(ed(), "cmdEsporta")->click(); },
                                              [](TfrmExpAnagrafica *w) { QCOMPARE(w->model()->rowCount(), 3); }));
    }
};

QTEST_MAIN(TestContactEditor)
#include "tst_contacteditor.moc"
