// The payment editor's window: the toolbar, the card, the hints and the entry
// rules of each box. The record commands are in TfrmArchivio_ScadenzeRecords.cpp.
#include "payments/TfrmArchivio_Scadenze.h"

#include "ui/AppFrame.h"
#include "payments/AmountNormalisation.h"
#include "payments/PaymentEntryRules.h"
#include "records/TextField.h"
#include "ui/FieldRules.h"
#include "ui/InfoBar.h"
#include "ui/PictureButton.h"

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
#include <QVBoxLayout>

namespace {

QString pic(const char *name) { return QStringLiteral(":/pictures/") + QLatin1String(name); }

const QSize kTool(40, 40);

QFont entryFont(const QWidget *w)
{
    QFont f = w->font();
    f.setPointSize(12);
    f.setBold(true);
    return f;
}

QLineEdit *entry(QWidget *parent, const char *name, int maxLength, Qt::Alignment align = Qt::AlignLeft)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QLatin1String(name));
    e->setMaxLength(maxLength);
    e->setAlignment(align | Qt::AlignVCenter);
    e->setFont(entryFont(e));
    return e;
}

QComboBox *dropDown(QWidget *parent, const char *name, int maxLength, const QStringList &items)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QLatin1String(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setCompleter(nullptr);
    c->addItems(items);
    c->lineEdit()->setMaxLength(maxLength);
    c->setMaxVisibleItems(12);
    c->setFont(entryFont(c));
    return c;
}

// A caption above its box, the way the card is read top to bottom.
QWidget *captioned(QWidget *parent, const QString &caption, QLayout *content)
{
    auto *cell = new QWidget(parent);
    auto *v = new QVBoxLayout(cell);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    auto *label = new QLabel(caption, cell);
    label->setObjectName(QStringLiteral("lblCaption"));
    v->addWidget(label);
    v->addLayout(content);
    return cell;
}

QWidget *captioned(QWidget *parent, const QString &caption, QWidget *field, QWidget *picture = nullptr)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(field, 1);
    if (picture)
        row->addWidget(picture);
    return captioned(parent, caption, row);
}

// Keys that move through a drop-down list without typing into its box.
bool isListKey(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_F4:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

bool isFocusMove(const QKeyEvent *key) { return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab; }

bool isModifierOnly(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

bool isEditingKey(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
        return true;
    default:
        return false;
    }
}

// The keys of the notice days and the amount: Enter, the editing keys and the
// characters in `allowed`; everything else is discarded.
FieldRules::KeyRule charactersOnly(const QString &allowed)
{
    return [allowed](QKeyEvent *key) {
        if (FieldRules::isEnter(key) || isEditingKey(key) || isFocusMove(key) || isModifierOnly(key))
            return false;
        const QString text = key->text();
        return !(text.size() == 1 && allowed.contains(text.at(0)));
    };
}

// Keeps only the characters the box's keys let through, so that a paste or a
// drop obeys the same rule as typing.
void keepOnly(QLineEdit *box, const QString &allowed)
{
    QObject::connect(box, &QLineEdit::textEdited, box, [box, allowed](const QString &text) {
        QString kept;
        int cursor = box->cursorPosition();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (allowed.contains(text.at(i)))
                kept += text.at(i);
            else if (i < box->cursorPosition())
                --cursor;
        }
        if (kept != text) {
            box->setText(kept);
            box->setCursorPosition(qMax(0, cursor));
        }
    });
}

const QString kDigits = QStringLiteral("0123456789");
const QString kAmountCharacters = QStringLiteral("0123456789,");

}

TfrmArchivio_Scadenze::TfrmArchivio_Scadenze(QWidget *parent)
    : ResidentWindow(QStringLiteral("TfrmArchivio_Scadenze"), QStringLiteral(" Tarvenio 3.0 - Archivio Pagamenti"), parent)
    , m_rules(new FieldRules(this))
{
    setStyleSheet(QStringLiteral(
        "TfrmArchivio_Scadenze { background: #eef2f6; }"
        "#panComandi { background: white; border-bottom: 1px solid #c8d3de; }"
        "#panComandi QLabel#lblComando { color: #44546a; font-size: 8pt; }"
        "#panScheda { background: white; border: 1px solid #c8d3de; border-radius: 8px; }"
        "#panScheda QLabel#lblCaption { color: #44546a; }"
        "#panScheda QLineEdit, #panScheda QComboBox, #panScheda QCheckBox { font: bold 12pt; }"
        "#panScheda QLineEdit, #panScheda QComboBox { padding: 3px 6px; }"
        "#panScheda QLineEdit[readOnly=\"true\"] { background: #f6f8fa; }"
        "QFrame#sepComandi { color: #c8d3de; }"));
    setAttribute(Qt::WA_StyledBackground);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    cmdEsci = AppFrame::addHeader(this, layout, QStringLiteral("Archivio Pagamenti"),
                                  QStringLiteral("Registrazione e modifica dei pagamenti in entrata e in uscita"));
    cmdEsci->setObjectName(QStringLiteral("cmdEsci"));
    buildToolbar(layout);

    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(24, 20, 24, 20);
    middle->addStretch(1);
    middle->addWidget(buildCard(), 6);
    middle->addStretch(1);
    layout->addStretch(1);
    layout->addLayout(middle);
    layout->addStretch(2);

    panInfo = new InfoBar(this);
    layout->addWidget(panInfo);

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
    connect(cmdPrimo, &PictureButton::clicked, this, [this] { browse(PaymentArchive::Step::First); });
    connect(cmdIndietro, &PictureButton::clicked, this, [this] { browse(PaymentArchive::Step::Previous); });
    connect(cmdAvanti, &PictureButton::clicked, this, [this] { browse(PaymentArchive::Step::Next); });
    connect(cmdUltimo, &PictureButton::clicked, this, [this] { browse(PaymentArchive::Step::Last); });
    connect(impData, &PictureButton::clicked, this, &TfrmArchivio_Scadenze::openDatePicker);
    connect(btnEmail, &PictureButton::clicked, this, &TfrmArchivio_Scadenze::writeEmail);
    connect(cmdEsci, &PictureButton::clicked, this, [this] { close(); });
    connectLinkedWindows();
}

void TfrmArchivio_Scadenze::buildToolbar(QBoxLayout *layout)
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("panComandi"));
    bar->setAttribute(Qt::WA_StyledBackground);
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(16, 6, 16, 4);
    row->setSpacing(4);

    auto tool = [&](PictureButton *&button, const char *name, const char *picture, const QString &caption) {
        button = new PictureButton(QLatin1String(name), pic(picture), kTool, caption, bar);
        auto *cell = new QVBoxLayout;
        cell->setSpacing(1);
        cell->addWidget(button, 0, Qt::AlignHCenter);
        auto *label = new QLabel(caption, bar);
        label->setObjectName(QStringLiteral("lblComando"));
        label->setAlignment(Qt::AlignHCenter);
        label->setMinimumWidth(qMax(64, label->sizeHint().width()));
        cell->addWidget(label);
        row->addLayout(cell);
    };
    auto separator = [&] {
        auto *line = new QFrame(bar);
        line->setObjectName(QStringLiteral("sepComandi"));
        line->setFrameShape(QFrame::VLine);
        row->addSpacing(8);
        row->addWidget(line);
        row->addSpacing(8);
    };

    tool(cmdNuovo, "cmdNuovo", "nuovo.svg", QStringLiteral("Nuovo"));
    tool(cmdSalva, "cmdSalva", "salva.svg", QStringLiteral("Salva"));
    tool(cmdDuplica, "cmdDuplica", "duplica.svg", QStringLiteral("Duplica"));
    separator();
    tool(cmdPrimo, "cmdPrimo", "primo.svg", QStringLiteral("Prima"));
    tool(cmdIndietro, "cmdIndietro", "precedente.svg", QStringLiteral("Precedente"));
    lblPosizione = new QLabel(bar);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setMinimumWidth(90);
    QFont bold = lblPosizione->font();
    bold.setPointSize(12);
    bold.setBold(true);
    lblPosizione->setFont(bold);
    lblPosizione->setStyleSheet(QStringLiteral("QLabel { color: #1f4e79; }"));
    auto *position = new QVBoxLayout;
    position->setSpacing(1);
    position->addWidget(lblPosizione, 1);
    auto *positionCaption = new QLabel(QStringLiteral("Scheda n."), bar);
    positionCaption->setObjectName(QStringLiteral("lblComando"));
    positionCaption->setAlignment(Qt::AlignHCenter);
    position->addWidget(positionCaption);
    row->addLayout(position);
    tool(cmdAvanti, "cmdAvanti", "successivo.svg", QStringLiteral("Successiva"));
    tool(cmdUltimo, "cmdUltimo", "ultimo.svg", QStringLiteral("Ultima"));
    separator();
    tool(cmdTrova, "cmdTrova", "trova.svg", QStringLiteral("Trova"));
    tool(cmdAnteprima, "cmdAnteprima", "anteprima.svg", QStringLiteral("Anteprima"));
    tool(cmdStampa, "cmdStampa", "stampa.svg", QStringLiteral("Stampa"));
    tool(cmdEsporta, "cmdEsporta", "esporta.svg", QStringLiteral("Esporta"));
    separator();
    tool(cmdAssolti, "cmdAssolti", "assolti.svg", QStringLiteral("Assolti"));
    tool(cmdDaAssolvere, "cmdDaAssolvere", "da_assolvere.svg", QStringLiteral("Da assolvere"));
    tool(cmdScaduti, "cmdScaduti", "scaduti.svg", QStringLiteral("Scaduti"));
    row->addStretch(1);
    tool(cmdGuida, "cmdGuida", "guida.svg", QStringLiteral("Guida"));
    layout->addWidget(bar);
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

    txtData = entry(card, "txtData", 10, Qt::AlignHCenter);
    txtData->setReadOnly(true);
    txtData->setMinimumWidth(150);
    impData = new PictureButton(QStringLiteral("impData"), pic("calendario.svg"), QSize(32, 32), QStringLiteral("Calendario"), card);
    txtOreApp = dropDown(card, "txtOreApp", 2, PaymentEntry::hourItems());
    txtMinutiApp = dropDown(card, "txtMinutiApp", 2, PaymentEntry::minuteItems());
    lblOra = new QLabel(card);
    lblOra->setObjectName(QStringLiteral("lblOra"));
    lblOra->hide();
    txtAvviso = entry(card, "txtAvviso", 3, Qt::AlignHCenter);
    txtAvviso->setMaximumWidth(120);
    txtTipologia = dropDown(card, "txtTipologia", 50, PaymentEntry::paymentTypes());
    txtTipologia->setMinimumWidth(170);
    txtImporto = entry(card, "txtImporto", 15, Qt::AlignRight);
    txtImporto->setMinimumWidth(170);
    txtCausale = entry(card, "txtCausale", 250);
    txtDettagli = entry(card, "txtDettagli", 250);
    txtContatto = entry(card, "txtContatto", 50);
    impContatto = new PictureButton(QStringLiteral("impContatto"), pic("contatto.svg"), QSize(32, 32), QStringLiteral("Importa contatto"), card);
    txtTel = entry(card, "txtTel", 30);
    txtCel = entry(card, "txtCel", 30);
    txtEmail = entry(card, "txtEmail", 50);
    btnEmail = new PictureButton(QStringLiteral("btnEmail"), pic("email.svg"), QSize(32, 32), QStringLiteral("Invia una e-mail"), card);
    txtLuogo = entry(card, "txtLuogo", 250);
    txtNote = entry(card, "txtNote", 250);
    chkOttemperata = new QCheckBox(QStringLiteral("Impegno assolto"), card);
    chkOttemperata->setObjectName(QStringLiteral("chkOttemperata"));
    chkOttemperata->setFont(entryFont(chkOttemperata));

    // Row 0: when, how long before, which way and how much.
    auto *time = new QHBoxLayout;
    time->setSpacing(4);
    time->addWidget(txtOreApp);
    auto *colon = new QLabel(QStringLiteral(":"), card);
    colon->setFont(entryFont(colon));
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

    grid->addWidget(captioned(card, QStringLiteral("Data scadenza:"), txtData, impData), 0, 0);
    grid->addWidget(timeCell, 0, 1);
    grid->addWidget(captioned(card, QStringLiteral("Giorni di preavviso:"), txtAvviso), 0, 2);
    grid->addWidget(captioned(card, QStringLiteral("Tipologia:"), txtTipologia), 0, 3);
    grid->addWidget(captioned(card, QStringLiteral("Importo:"), txtImporto), 0, 4);

    // What and who.
    grid->addWidget(captioned(card, QStringLiteral("Causale:"), txtCausale), 1, 0, 1, 5);
    grid->addWidget(captioned(card, QStringLiteral("Dettagli:"), txtDettagli), 2, 0, 1, 5);
    grid->addWidget(captioned(card, QStringLiteral("Persona / Ditta:"), txtContatto, impContatto), 3, 0, 1, 3);
    grid->addWidget(captioned(card, QStringLiteral("Telefono:"), txtTel), 3, 3);
    grid->addWidget(captioned(card, QStringLiteral("Cellulare:"), txtCel), 3, 4);
    grid->addWidget(captioned(card, QStringLiteral("E-mail:"), txtEmail, btnEmail), 4, 0, 1, 3);
    grid->addWidget(captioned(card, QStringLiteral("Luogo:"), txtLuogo), 4, 3, 1, 2);

    // Notes, marked by their picture, and the settled box.
    auto *notes = new QHBoxLayout;
    notes->setSpacing(10);
    notes->addWidget(PictureButton::decoration(QStringLiteral("icoNote"), pic("note.svg"), QSize(32, 32), card));
    notes->addWidget(txtNote, 1);
    grid->addLayout(notes, 5, 0, 1, 5);
    grid->addWidget(chkOttemperata, 6, 0, 1, 5);
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
        {chkOttemperata, "Spunta questa casella per indicare che l'impegno è stato assolto."},
    };
    for (const auto &[control, hint] : hints)
        panInfo->addHint(control, QString::fromUtf8(hint));
}

bool TfrmArchivio_Scadenze::dateKey(QKeyEvent *key)
{
    // The date comes only from the calendar: the box can be emptied, and any
    // other key opens the picker.
    if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
        txtData->clear();
        return true;
    }
    if (isFocusMove(key) || isModifierOnly(key))
        return false;
    openDatePicker();
    return true;
}

void TfrmArchivio_Scadenze::setEntryRules()
{
    m_rules->setKeyRule(txtData, [this](QKeyEvent *key) { return dateKey(key); });

    // Hour, minute and type are chosen from their lists, never typed.
    const auto listOnly = [](QKeyEvent *key) {
        return !(FieldRules::isEnter(key) || isListKey(key) || isFocusMove(key) || isModifierOnly(key));
    };
    m_rules->setKeyRule(txtOreApp, listOnly);
    m_rules->setKeyRule(txtMinutiApp, listOnly);
    m_rules->setKeyRule(txtTipologia, [this, listOnly](QKeyEvent *key) {
        if (key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete) {
            txtTipologia->setEditText(QString());
            return true;
        }
        return listOnly(key);
    });
    m_rules->setKeyRule(txtAvviso, charactersOnly(kDigits));
    m_rules->setKeyRule(txtImporto, charactersOnly(kAmountCharacters));
    keepOnly(txtAvviso, kDigits);
    keepOnly(txtImporto, kAmountCharacters);

    // Entering a drop-down box forgets its list selection; the text stays.
    for (QComboBox *box : {txtOreApp, txtMinutiApp, txtTipologia}) {
        m_rules->setEntering(box, [box] {
            const QString text = box->currentText();
            box->setCurrentIndex(-1);
            box->setEditText(text);
        });
    }

    m_rules->setLeaving(txtOreApp, [this] { txtOreApp->setEditText(PaymentEntry::leaveHour(txtOreApp->currentText())); });
    m_rules->setLeaving(txtMinutiApp, [this] { txtMinutiApp->setEditText(PaymentEntry::leaveMinute(txtMinutiApp->currentText())); });
    m_rules->setLeaving(txtTipologia, [this] { txtTipologia->setEditText(PaymentEntry::leaveType(txtTipologia->currentText())); });
    m_rules->setLeaving(txtAvviso, [this] { txtAvviso->setText(PaymentEntry::leaveNotice(txtAvviso->text())); });
    m_rules->setLeaving(txtImporto, [this] { txtImporto->setText(normaliseAmount(txtImporto->text())); });

    // No blank can be typed at either end of an address.
    connect(txtEmail, &QLineEdit::textEdited, this, [this](const QString &text) {
        const QString trimmed = TextField::trimmed(text);
        if (trimmed == text)
            return;
        const int leading = int(text.indexOf(trimmed.isEmpty() ? text : trimmed));
        const int cursor = txtEmail->cursorPosition() - (trimmed.isEmpty() ? 0 : leading);
        txtEmail->setText(trimmed);
        txtEmail->setCursorPosition(qBound(0, cursor, int(trimmed.size())));
    });

    m_rules->setEnterChain({txtData, txtOreApp, txtMinutiApp, txtAvviso, txtTipologia, txtCausale, txtDettagli,
                            txtContatto, txtTel, txtCel, txtEmail, txtLuogo, txtImporto, txtNote});
}

void TfrmArchivio_Scadenze::showEvent(QShowEvent *event)
{
    ResidentWindow::showEvent(event);
    if (!event->spontaneous())
        blankCard();
}
