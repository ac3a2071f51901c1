// The payment editor's window: the toolbar, the card, the hints and the entry
// rules of each box. The record commands are in TfrmArchivio_ScadenzeRecords.cpp.
#include "payments/TfrmArchivio_Scadenze.h"

#include "ui/widgets/AppFrame.h"
#include "ui/widgets/Captioned.h"
#include "payments/AmountNormalisation.h"
#include "payments/PaymentEntryRules.h"
#include "platform/GuiServices.h"
#include "records/TextField.h"
#include "ui/entry/FieldRules.h"
#include "ui/widgets/InfoBar.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Toolbar.h"
#include "ui/widgets/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QString pic(const char *name) { return QStringLiteral(":/pictures/") + QLatin1String(name); }

// The card, one row per field of the payment record, in the order of the
// Enter chain (from the notes it wraps to the date).
QVector<CardField<PaymentRecord>> paymentCard()
{
    using F = BoxDef;
    return {
        {&PaymentRecord::Data, {.name = "txtData", .kind = BoxKind::ReadOnlyText, .flags = F::InChain | F::Centred}},
        {&PaymentRecord::OreApp,
         {.name = "txtOreApp",
          .kind = BoxKind::DropDown,
          .flags = F::InChain | F::ListOnly,
          .blank = QStringLiteral("00"),
          .items = PaymentEntry::hourItems(),
          .leaving = PaymentEntry::leaveHour}},
        {&PaymentRecord::MinutiApp,
         {.name = "txtMinutiApp",
          .kind = BoxKind::DropDown,
          .flags = F::InChain | F::ListOnly,
          .blank = QStringLiteral("00"),
          .items = PaymentEntry::minuteItems(),
          .leaving = PaymentEntry::leaveMinute}},
        // Recomputed by save from the hour and the minute; a blank card keeps it.
        {&PaymentRecord::Ora, {.name = "lblOra", .kind = BoxKind::Hidden, .flags = F::KeptOnBlank}},
        {&PaymentRecord::Avviso,
         {.name = "txtAvviso",
          .flags = F::InChain | F::Centred | F::SelectAll,
          .allowed = QStringLiteral("0123456789"),
          .blank = QStringLiteral("0"),
          .leaving = PaymentEntry::leaveNotice}},
        {&PaymentRecord::Tipologia,
         {.name = "txtTipologia",
          .kind = BoxKind::DropDown,
          .flags = F::InChain | F::ListOnly | F::EmptiedByDelete,
          .items = PaymentEntry::paymentTypes(),
          .leaving = PaymentEntry::leaveType}},
        {&PaymentRecord::Causale, {.name = "txtCausale"}},
        {&PaymentRecord::Dettagli, {.name = "txtDettagli"}},
        {&PaymentRecord::Contatto, {.name = "txtContatto"}},
        {&PaymentRecord::Tel, {.name = "txtTel"}},
        {&PaymentRecord::Cel, {.name = "txtCel"}},
        // No blank can be typed at either end of an address.
        {&PaymentRecord::Email, {.name = "txtEmail", .normalise = InputRule::Normalise::Trim}},
        {&PaymentRecord::Luogo, {.name = "txtLuogo"}},
        {&PaymentRecord::Importo,
         {.name = "txtImporto",
          .flags = F::InChain | F::RightAligned | F::SelectAll,
          .allowed = QStringLiteral("0123456789,"),
          .blank = QStringLiteral("0,00"),
          .leaving = normaliseAmount}},
        {&PaymentRecord::Note, {.name = "txtNote"}},
        {&PaymentRecord::Ottemperata,
         {.name = "chkOttemperata",
          .kind = BoxKind::Check,
          .flags = 0,
          .blank = PaymentRecord::Unsettled.toString(),
          .hint = QStringLiteral("Spunta questa casella per indicare che l'impegno è stato assolto."),
          .items = {PaymentRecord::Settled.toString(), PaymentRecord::Unsettled.toString()}}},
    };
}

}

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget *parent)
    : ResidentWindow(QStringLiteral("TfrmArchivio_Scadenze"), QStringLiteral(" Tarvenio 3.0 - Archivio Pagamenti"),
                     parent)
    , m_card(paymentCard(), this)
    , m_rules(new FieldRules(this))
{
    setAttribute(Qt::WA_StyledBackground);

    QVBoxLayout *layout = AppFrame::column(this);
    cmdEsci = AppFrame::addHeader(this, layout, QStringLiteral("Archivio Pagamenti"),
                                  QStringLiteral("Registrazione e modifica dei pagamenti in entrata e in uscita"));
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    buildToolbar(layout);

    AppFrame::addCentredCard(layout, buildCard(), QMargins(24, 20, 24, 20), 6, 2);
    panInfo = AppFrame::addInfoBar(this, layout);

    // Taking the focus away from the box being edited makes its leaving rule run
    // before save reads the card. A hidden widget cannot hold the focus, so this
    // one stays "shown" at no size, out of reach of the mouse and the Tab key.
    btnFocus = new QPushButton(this);
    btnFocus->setObjectName(QStringLiteral("btnFocus"));
    btnFocus->setFocusPolicy(Qt::NoFocus);
    btnFocus->setFixedSize(0, 0);
    btnFocus->setAttribute(Qt::WA_TransparentForMouseEvents);
    btnFocus->setFlat(true);

    setHints();
    setEntryRules();

    connect(cmdNuovo, &PictureButton::clicked, this, &TfrmArchivio_Scadenze::newCard);
    connect(cmdDuplica, &PictureButton::clicked, this, &TfrmArchivio_Scadenze::duplicate);
    connect(cmdSalva, &PictureButton::clicked, this, &TfrmArchivio_Scadenze::save);
    connect(cmdPrimo, &PictureButton::clicked, this, [this] { browse(BrowseStep::First); });
    connect(cmdIndietro, &PictureButton::clicked, this, [this] { browse(BrowseStep::Previous); });
    connect(cmdAvanti, &PictureButton::clicked, this, [this] { browse(BrowseStep::Next); });
    connect(cmdUltimo, &PictureButton::clicked, this, [this] { browse(BrowseStep::Last); });
    connect(impData, &PictureButton::clicked, this, &TfrmArchivio_Scadenze::openDatePicker);
    connect(btnEmail, &PictureButton::clicked, this, &TfrmArchivio_Scadenze::writeEmail);
    connect(cmdEsci, &PictureButton::clicked, this, [this] { close(); });
    connectLinkedWindows();
}

void TfrmArchivio_Scadenze::buildToolbar(QBoxLayout *layout)
{
    Toolbar bar(this, layout);
    cmdNuovo = bar.tool("cmdNuovo", "nuovo.svg", QStringLiteral("Nuovo"));
    cmdSalva = bar.tool("cmdSalva", "salva.svg", QStringLiteral("Salva"));
    cmdDuplica = bar.tool("cmdDuplica", "duplica.svg", QStringLiteral("Duplica"));
    bar.separator();
    cmdPrimo = bar.tool("cmdPrimo", "primo.svg", QStringLiteral("Prima"));
    cmdIndietro = bar.tool("cmdIndietro", "precedente.svg", QStringLiteral("Precedente"));
    lblPosizione = bar.positionLabel();
    m_card.setPositionLabel(lblPosizione);
    cmdAvanti = bar.tool("cmdAvanti", "successivo.svg", QStringLiteral("Successiva"));
    cmdUltimo = bar.tool("cmdUltimo", "ultimo.svg", QStringLiteral("Ultima"));
    bar.separator();
    cmdTrova = bar.tool("cmdTrova", "trova.svg", QStringLiteral("Trova"));
    cmdAnteprima = bar.tool("cmdAnteprima", "anteprima.svg", QStringLiteral("Anteprima"));
    cmdStampa = bar.tool("cmdStampa", "stampa.svg", QStringLiteral("Stampa"));
    cmdEsporta = bar.tool("cmdEsporta", "esporta.svg", QStringLiteral("Esporta"));
    bar.separator();
    cmdAssolti = bar.tool("cmdAssolti", "assolti.svg", QStringLiteral("Assolti"));
    cmdDaAssolvere = bar.tool("cmdDaAssolvere", "da_assolvere.svg", QStringLiteral("Da assolvere"));
    cmdScaduti = bar.tool("cmdScaduti", "scaduti.svg", QStringLiteral("Scaduti"));
    bar.stretch();
    cmdGuida = bar.tool("cmdGuida", "guida.svg", QStringLiteral("Guida"));
}

QWidget *TfrmArchivio_Scadenze::buildCard()
{
    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("panScheda"));
    card->setMaximumWidth(1100);
    auto *grid = new QGridLayout(card);
    grid->setContentsMargins(28, 22, 28, 22);
    grid->setHorizontalSpacing(20);
    grid->setVerticalSpacing(14);

    txtData = m_card.box<QLineEdit>(&PaymentRecord::Data);
    txtOreApp = m_card.box<QComboBox>(&PaymentRecord::OreApp);
    txtMinutiApp = m_card.box<QComboBox>(&PaymentRecord::MinutiApp);
    lblOra = m_card.box<QLabel>(&PaymentRecord::Ora);
    txtAvviso = m_card.box<QLineEdit>(&PaymentRecord::Avviso);
    txtTipologia = m_card.box<QComboBox>(&PaymentRecord::Tipologia);
    txtCausale = m_card.box<QLineEdit>(&PaymentRecord::Causale);
    txtDettagli = m_card.box<QLineEdit>(&PaymentRecord::Dettagli);
    txtContatto = m_card.box<QLineEdit>(&PaymentRecord::Contatto);
    txtTel = m_card.box<QLineEdit>(&PaymentRecord::Tel);
    txtCel = m_card.box<QLineEdit>(&PaymentRecord::Cel);
    txtEmail = m_card.box<QLineEdit>(&PaymentRecord::Email);
    txtLuogo = m_card.box<QLineEdit>(&PaymentRecord::Luogo);
    txtImporto = m_card.box<QLineEdit>(&PaymentRecord::Importo);
    txtNote = m_card.box<QLineEdit>(&PaymentRecord::Note);
    chkOttemperata = m_card.box<QCheckBox>(&PaymentRecord::Ottemperata);
    chkOttemperata->setText(QStringLiteral("Impegno assolto"));
    for (int i = 0; i < m_card.boxes().size(); ++i)
        m_card.boxes().widget(i)->setFont(Widgets::boldFont(card, 12));
    txtData->setMinimumWidth(150);
    txtAvviso->setMaximumWidth(120);
    txtTipologia->setMinimumWidth(170);
    txtImporto->setMinimumWidth(170);
    impData = new PictureButton(QStringLiteral("impData"), pic("calendario.svg"), QSize(32, 32),
                                QStringLiteral("Calendario"), card);
    impContatto = new PictureButton(QStringLiteral("impContatto"), pic("contatto.svg"), QSize(32, 32),
                                    QStringLiteral("Importa contatto"), card);
    btnEmail = new PictureButton(QStringLiteral("btnEmail"), pic("email.svg"), QSize(32, 32),
                                 QStringLiteral("Invia una e-mail"), card);

    // Row 0: when, how long before, which way and how much.
    auto *time = new QHBoxLayout;
    time->setSpacing(4);
    time->addWidget(txtOreApp);
    auto *colon = new QLabel(QStringLiteral(":"), card);
    colon->setFont(Widgets::boldFont(colon, 12));
    time->addWidget(colon);
    time->addWidget(txtMinutiApp);
    auto *timeCaptions = new QHBoxLayout;
    auto *hourCaption = new QLabel(QStringLiteral("Ore:"), card);
    auto *minuteCaption = new QLabel(QStringLiteral("Minuti:"), card);
    hourCaption->setObjectName(QStringLiteral("lblCaption"));
    minuteCaption->setObjectName(QStringLiteral("lblCaption"));
    timeCaptions->addWidget(hourCaption);
    timeCaptions->addStretch();
    timeCaptions->addWidget(minuteCaption);
    auto *timeCell = new QWidget(card);
    auto *timeColumn = new QVBoxLayout(timeCell);
    timeColumn->setContentsMargins(0, 0, 0, 0);
    timeColumn->setSpacing(3);
    timeColumn->addLayout(timeCaptions);
    timeColumn->addLayout(time);

    grid->addWidget(Captioned::above(card, QStringLiteral("Data scadenza:"), txtData, impData), 0, 0);
    grid->addWidget(timeCell, 0, 1);
    grid->addWidget(Captioned::above(card, QStringLiteral("Giorni di preavviso:"), txtAvviso), 0, 2);
    grid->addWidget(Captioned::above(card, QStringLiteral("Tipologia:"), txtTipologia), 0, 3);
    grid->addWidget(Captioned::above(card, QStringLiteral("Importo:"), txtImporto), 0, 4);

    // What and who.
    grid->addWidget(Captioned::above(card, QStringLiteral("Causale:"), txtCausale), 1, 0, 1, 5);
    grid->addWidget(Captioned::above(card, QStringLiteral("Dettagli:"), txtDettagli), 2, 0, 1, 5);
    grid->addWidget(Captioned::above(card, QStringLiteral("Persona / Ditta:"), txtContatto, impContatto), 3, 0, 1, 3);
    grid->addWidget(Captioned::above(card, QStringLiteral("Telefono:"), txtTel), 3, 3);
    grid->addWidget(Captioned::above(card, QStringLiteral("Cellulare:"), txtCel), 3, 4);
    grid->addWidget(Captioned::above(card, QStringLiteral("E-mail:"), txtEmail, btnEmail), 4, 0, 1, 3);
    grid->addWidget(Captioned::above(card, QStringLiteral("Luogo:"), txtLuogo), 4, 3, 1, 2);

    // Notes, marked by their picture and their caption, and the settled box.
    auto *notes = new QHBoxLayout;
    notes->setSpacing(10);
    notes->addWidget(PictureButton::decoration(QStringLiteral("icoNote"), pic("note.svg"), QSize(32, 32), card), 0,
                     Qt::AlignBottom);
    notes->addWidget(Captioned::above(card, QStringLiteral("Note:"), txtNote), 1);
    grid->addLayout(notes, 5, 0, 1, 5);
    grid->addWidget(chkOttemperata, 6, 0, 1, 5);
    grid->addWidget(lblOra, 7, 0);
    for (int c = 0; c < 5; ++c)
        grid->setColumnStretch(c, c == 3 || c == 4 ? 2 : 1);
    return card;
}

void TfrmArchivio_Scadenze::setHints()
{
    panInfo->setBackgroundText(QString());
    panInfo->setText(QStringLiteral("Pronto per archiviare una nuova scheda..."));
    // The background, the panels and the position label have no hint: over
    // them the bar is empty.
    panInfo->addHint(this, QString());
    const std::pair<QWidget *, const char *> hints[] = {
        {cmdNuovo, "Prepara la schermata per la registrazione di una nuova scheda."},
        {cmdDuplica, "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
        {cmdSalva, "Salva la scheda corrente in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdAnteprima, "Visualizza l'anteprima di stampa della scheda corrente."},
        {cmdStampa, "Stampa la scheda corrente."},
        {cmdEsporta, "Esporta l'archivio in un file di Excel."},
        {cmdAssolti, "Visualizza il riepilogo degli impegni assolti."},
        {cmdDaAssolvere, "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."},
        {cmdScaduti, "Visualizza il riepilogo degli impegni scaduti e non assolti."},
        {cmdGuida, "Visualizza la guida in linea."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {impData, "Importa la data dal calendario."},
        {impContatto, "Importa i dati dall'archivio anagrafico dei contatti."},
        {btnEmail, "Invia una e-mail all'indirizzo indicato."},
    };
    for (const auto &[control, hint] : hints)
        panInfo->addHint(control, QString::fromUtf8(hint));
    m_card.boxes().addHints(panInfo);
}

bool TfrmArchivio_Scadenze::dateKey(QKeyEvent *key)
{
    // The date comes only from the calendar: the box can be emptied, and any
    // other key opens the picker.
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
        txtData->clear();
        return true;
    }
    if (FieldRules::isFocusMove(key) || FieldRules::isModifierOnly(key))
        return false;
    openDatePicker();
    return true;
}

void TfrmArchivio_Scadenze::setEntryRules()
{
    m_card.boxes().installRules(m_rules);
    // The date comes only from the calendar; this rule goes before the chain.
    m_rules->setKeyRule(txtData, [this](QKeyEvent *key) { return dateKey(key); });
    // An amount whose two-decimal form would not fit its field is never cut:
    // the user is told and goes back to the box.
    m_rules->setLeaving(txtImporto, [this] {
        const QString amount = normaliseAmount(txtImporto->text());
        if (!PaymentEntry::amountFits(amount)) {
            if (!m_saving) {
                Services::warning(this, PaymentEntry::amountTooLarge());
                QTimer::singleShot(0, txtImporto, [this] {
                    txtImporto->setFocus(Qt::OtherFocusReason);
                    txtImporto->selectAll();
                });
            }
            return;
        }
        txtImporto->setText(amount);
    });
}

void TfrmArchivio_Scadenze::showEvent(QShowEvent *event)
{
    ResidentWindow::showEvent(event);
    if (!event->spontaneous())
        blankCard();
}
