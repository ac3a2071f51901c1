// The contact editor's window: the field table of the card, the toolbar, the
// two panels of boxes, the hints and the entry rules. The record commands are
// in TfrmAnagraficaRecords.cpp, the ways out to other windows in
// TfrmAnagraficaLinks.cpp.
#include "contacts/TfrmAnagrafica.h"

#include "ui/widgets/Captioned.h"
#include "ui/entry/FieldRules.h"
#include "ui/widgets/InfoBar.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Toolbar.h"
#include "ui/widgets/AppFrame.h"
#include "ui/widgets/Widgets.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

QString pic(const char *name) { return QStringLiteral(":/pictures/") + QLatin1String(name); }

const QSize kTool(36, 36);
const QSize kBeside(28, 28);
constexpr int kBoxPoints = 11;

// The card, one row per field of the contact record and in its order, which is
// also the order of the Enter chain (from the notes it wraps to the name).
QVector<CardField<ContactRecord>> contactCard()
{
    using F = BoxDef;
    using N = InputRule::Normalise;
    const int oneCharacter = F::InChain | F::Centred | F::OneCharacter;
    const QString digits = QStringLiteral("0123456789");
    return {
        {&ContactRecord::Nome, {.name = "txtNome"}},
        {&ContactRecord::Indirizzo, {.name = "txtIndirizzo"}},
        {&ContactRecord::Num, {.name = "txtNum"}},
        // The postcode and the province, one character a box: typing moves on.
        {&ContactRecord::Cap01, {.name = "txtCap01", .flags = oneCharacter, .normalise = N::TrimUpper}},
        {&ContactRecord::Cap02, {.name = "txtCap02", .flags = oneCharacter, .normalise = N::TrimUpper}},
        {&ContactRecord::Cap03, {.name = "txtCap03", .flags = oneCharacter, .normalise = N::TrimUpper}},
        {&ContactRecord::Cap04, {.name = "txtCap04", .flags = oneCharacter, .normalise = N::TrimUpper}},
        {&ContactRecord::Cap05, {.name = "txtCap05", .flags = oneCharacter, .normalise = N::TrimUpper}},
        {&ContactRecord::Localita, {.name = "txtLocalita"}},
        {&ContactRecord::Prov01, {.name = "txtProv01", .flags = oneCharacter, .normalise = N::TrimUpper}},
        {&ContactRecord::Prov02, {.name = "txtProv02", .flags = oneCharacter, .normalise = N::TrimUpper}},
        {&ContactRecord::Tel, {.name = "txtTel"}},
        // No blank can be typed at either end of an address.
        {&ContactRecord::Email, {.name = "txtEmail", .normalise = N::Trim}},
        {&ContactRecord::DataNasc, {.name = "txtDataNasc"}},
        {&ContactRecord::Sesso, {.name = "txtSesso", .flags = F::InChain | F::Centred, .normalise = N::TrimUpper}},
        {&ContactRecord::LuogoNasc, {.name = "txtLuogoNasc"}},
        {&ContactRecord::CodFisc, {.name = "txtCodFisc", .normalise = N::TrimUpper}},
        {&ContactRecord::PartitaIva, {.name = "txtPartitaIva", .allowed = digits}},
        {&ContactRecord::Iban, {.name = "txtIban", .normalise = N::TrimUpper}},
        {&ContactRecord::Pec, {.name = "txtPec", .normalise = N::Trim}},
        {&ContactRecord::Carta, {.name = "txtCarta", .normalise = N::TrimUpper}},
        {&ContactRecord::ScadeCarta, {.name = "txtScadeCarta"}},
        {&ContactRecord::Cel, {.name = "txtCel"}},
        {&ContactRecord::Cittadinanza, {.name = "txtCittadinanza"}},
        {&ContactRecord::Occupazione, {.name = "txtOccupazione"}},
        {&ContactRecord::Civile, {.name = "txtCivile"}},
        {&ContactRecord::TipoDoc, {.name = "txtTipoDoc"}},
        {&ContactRecord::EnteRil, {.name = "txtEnteRil"}},
        {&ContactRecord::DataRil, {.name = "txtDataRil"}},
        {&ContactRecord::DataSca, {.name = "txtDataSca"}},
        {&ContactRecord::Prodotti, {.name = "txtProdotti"}},
        {&ContactRecord::Questioni, {.name = "txtQuestioni"}},
        {&ContactRecord::Note, {.name = "txtNote"}},
        // The attachments, out of the chain and out of sight.
        {&ContactRecord::File01, {.name = "lblFile01", .kind = BoxKind::Hidden, .flags = 0}},
        {&ContactRecord::File02, {.name = "lblFile02", .kind = BoxKind::Hidden, .flags = 0}},
        {&ContactRecord::File03, {.name = "lblFile03", .kind = BoxKind::Hidden, .flags = 0}},
        {&ContactRecord::Desc01, {.name = "lblDesc01", .kind = BoxKind::Hidden, .flags = 0}},
        {&ContactRecord::Desc02, {.name = "lblDesc02", .kind = BoxKind::Hidden, .flags = 0}},
        {&ContactRecord::Desc03, {.name = "lblDesc03", .kind = BoxKind::Hidden, .flags = 0}},
    };
}

// A caption above its box, close to it: the card has many rows to fit.
QWidget *captioned(QWidget *parent, const QString &caption, QLayout *content)
{
    return Captioned::above(parent, caption, content, 2);
}

QWidget *captioned(QWidget *parent, const QString &caption, QWidget *field, QWidget *beside = nullptr)
{
    return Captioned::above(parent, caption, field, beside, 2);
}

// Boxes of one character each, side by side under one caption.
QWidget *characterBoxes(QWidget *parent, const QString &caption, std::initializer_list<QLineEdit *> boxes)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(3);
    for (QLineEdit *box : boxes)
        row->addWidget(box);
    row->addStretch(1);
    return captioned(parent, caption, row);
}

QHBoxLayout *cardRow()
{
    auto *row = new QHBoxLayout;
    row->setSpacing(14);
    return row;
}

// Wide enough for `characters` characters like `sample` in the box's font, plus its padding.
int widthFor(const QWidget *box, int characters, QChar sample)
{
    return QFontMetrics(box->font()).horizontalAdvance(QString(characters, sample)) + 18;
}

}

TfrmAnagrafica::TfrmAnagrafica(QWidget *parent)
    : ResidentWindow(QStringLiteral("TfrmAnagrafica"), QStringLiteral(" Tarvenio 3.0 - Archivio Anagrafico"), parent)
    , m_card(contactCard(), this)
    , m_rules(new FieldRules(this))
{
    // Its look (every box sky-blue edged, alice blue, yellow while it has
    // the focus) is the application style sheet's.
    setAttribute(Qt::WA_StyledBackground);

    QVBoxLayout *layout = AppFrame::column(this);
    AppFrame::addTitle(this, layout, QStringLiteral("Archivio Anagrafico"),
                       QStringLiteral("Clienti, fornitori e contatti"));
    buildToolbar(layout);
    AppFrame::addCentredCard(layout, buildCard(), QMargins(18, 10, 18, 10), 30, 1);
    panInfo = AppFrame::addInfoBar(this, layout);

    setHints();
    m_card.boxes().installRules(m_rules);
    connectCommands();
    connectLinkedWindows();
}

void TfrmAnagrafica::buildToolbar(QBoxLayout *layout)
{
    Toolbar bar(this, layout, kTool);
    cmdNuovo = bar.tool("cmdNuovo", "nuovo.svg", QStringLiteral("Nuovo"));
    cmdDuplica = bar.tool("cmdDuplica", "duplica.svg", QStringLiteral("Duplica"));
    cmdSalva = bar.tool("cmdSalva", "salva.svg", QStringLiteral("Salva"));
    cmdTrova = bar.tool("cmdTrova", "trova.svg", QStringLiteral("Trova"));
    bar.separator();
    cmdFile = bar.tool("cmdFile", "allega.svg", QStringLiteral("Allegati"));
    bar.separator();
    cmdStampa = bar.tool("cmdStampa", "stampa.svg", QStringLiteral("Stampa"));
    bar.separator();
    cmdPrimo = bar.tool("cmdPrimo", "primo.svg", QStringLiteral("Prima"));
    cmdIndietro = bar.tool("cmdIndietro", "precedente.svg", QStringLiteral("Precedente"));
    lblPosizione = bar.positionLabel();
    m_card.setPositionLabel(lblPosizione);
    cmdAvanti = bar.tool("cmdAvanti", "successivo.svg", QStringLiteral("Successiva"));
    cmdUltimo = bar.tool("cmdUltimo", "ultimo.svg", QStringLiteral("Ultima"));
    bar.separator();
    cmdEsporta = bar.tool("cmdEsporta", "esporta.svg", QStringLiteral("Esporta"));
    cmdQuestioni = bar.tool("cmdQuestioni", "questioni.svg", QStringLiteral("In sospeso"));
    bar.stretch();
    cmdGuida = bar.tool("cmdGuida", "guida.svg", QStringLiteral("Guida"));
    cmdEsci = bar.tool("cmdEsci", "esci.svg", QStringLiteral("Esci"));
}

QWidget *TfrmAnagrafica::buildCard()
{
    auto *card = new QWidget(this);
    auto *column = new QVBoxLayout(card);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);

    auto box = [this](QString ContactRecord::*member) { return m_card.box<QLineEdit>(member); };
    txtNome = box(&ContactRecord::Nome);
    txtIndirizzo = box(&ContactRecord::Indirizzo);
    txtNum = box(&ContactRecord::Num);
    txtCap01 = box(&ContactRecord::Cap01);
    txtCap02 = box(&ContactRecord::Cap02);
    txtCap03 = box(&ContactRecord::Cap03);
    txtCap04 = box(&ContactRecord::Cap04);
    txtCap05 = box(&ContactRecord::Cap05);
    txtLocalita = box(&ContactRecord::Localita);
    txtProv01 = box(&ContactRecord::Prov01);
    txtProv02 = box(&ContactRecord::Prov02);
    txtTel = box(&ContactRecord::Tel);
    txtEmail = box(&ContactRecord::Email);
    txtDataNasc = box(&ContactRecord::DataNasc);
    txtSesso = box(&ContactRecord::Sesso);
    txtLuogoNasc = box(&ContactRecord::LuogoNasc);
    txtCodFisc = box(&ContactRecord::CodFisc);
    txtPartitaIva = box(&ContactRecord::PartitaIva);
    txtIban = box(&ContactRecord::Iban);
    txtPec = box(&ContactRecord::Pec);
    txtCarta = box(&ContactRecord::Carta);
    txtScadeCarta = box(&ContactRecord::ScadeCarta);
    txtCel = box(&ContactRecord::Cel);
    txtCittadinanza = box(&ContactRecord::Cittadinanza);
    txtOccupazione = box(&ContactRecord::Occupazione);
    txtCivile = box(&ContactRecord::Civile);
    txtTipoDoc = box(&ContactRecord::TipoDoc);
    txtEnteRil = box(&ContactRecord::EnteRil);
    txtDataRil = box(&ContactRecord::DataRil);
    txtDataSca = box(&ContactRecord::DataSca);
    txtProdotti = box(&ContactRecord::Prodotti);
    txtQuestioni = box(&ContactRecord::Questioni);
    txtNote = box(&ContactRecord::Note);
    lblFile01 = m_card.box<QLabel>(&ContactRecord::File01);
    lblFile02 = m_card.box<QLabel>(&ContactRecord::File02);
    lblFile03 = m_card.box<QLabel>(&ContactRecord::File03);
    lblDesc01 = m_card.box<QLabel>(&ContactRecord::Desc01);
    lblDesc02 = m_card.box<QLabel>(&ContactRecord::Desc02);
    lblDesc03 = m_card.box<QLabel>(&ContactRecord::Desc03);

    for (QWidget *w : m_card.boxes().chain())
        w->setFont(Widgets::boldFont(card, kBoxPoints));
    const QFontMetrics metrics(txtNome->font());
    const int oneWide = metrics.horizontalAdvance(QLatin1Char('W')) + 20;
    for (QLineEdit *one : {txtCap01, txtCap02, txtCap03, txtCap04, txtCap05, txtProv01, txtProv02, txtSesso})
        one->setFixedWidth(oneWide);
    for (QLineEdit *date : {txtNum, txtDataNasc, txtScadeCarta, txtDataRil, txtDataSca})
        date->setFixedWidth(widthFor(date, 10, QLatin1Char('0')));
    txtCodFisc->setFixedWidth(widthFor(txtCodFisc, 16, QLatin1Char('W')));
    txtPartitaIva->setFixedWidth(widthFor(txtPartitaIva, 11, QLatin1Char('0')));
    txtIban->setMinimumWidth(widthFor(txtIban, 27, QLatin1Char('H')));

    auto beside = [card](PictureButton *&button, const char *name, const char *picture, const QString &text) {
        button = new PictureButton(QLatin1String(name), pic(picture), kBeside, text, card);
        return button;
    };
    beside(btnEmail, "btnEmail", "email.svg", QStringLiteral("Invia una e-mail"));
    beside(btnCodFisc, "btnCodFisc", "verifica.svg", QStringLiteral("Controlla il codice fiscale"));
    beside(btnPartitaIva, "btnPartitaIva", "verifica.svg", QStringLiteral("Controlla la partita IVA"));
    beside(btnIban, "btnIban", "verifica.svg", QStringLiteral("Controlla l'IBAN"));
    beside(btnCarta, "btnCarta", "verifica.svg", QStringLiteral("Controlla la carta di credito"));

    // Who and where.
    auto *first = new QFrame(card);
    first->setObjectName(QStringLiteral("panAnagrafica"));
    auto *firstRows = new QVBoxLayout(first);
    firstRows->setContentsMargins(18, 10, 18, 12);
    firstRows->setSpacing(8);
    QHBoxLayout *row = cardRow();
    row->addWidget(captioned(first, QStringLiteral("NOME, COGNOME O RAGIONE SOCIALE:"), txtNome), 5);
    row->addWidget(captioned(first, QStringLiteral("INDIRIZZO:"), txtIndirizzo), 4);
    row->addWidget(captioned(first, QStringLiteral("N. CIVICO:"), txtNum));
    firstRows->addLayout(row);
    row = cardRow();
    row->addWidget(characterBoxes(first, QStringLiteral("CAP:"), {txtCap01, txtCap02, txtCap03, txtCap04, txtCap05}));
    row->addWidget(captioned(first, QStringLiteral("LOCALITA':"), txtLocalita), 3);
    row->addWidget(characterBoxes(first, QStringLiteral("PROV."), {txtProv01, txtProv02}));
    row->addWidget(captioned(first, QStringLiteral("TEL."), txtTel), 2);
    row->addWidget(captioned(first, QStringLiteral("E-MAIL:"), txtEmail, btnEmail), 3);
    firstRows->addLayout(row);
    column->addWidget(first);

    // Everything else: identity and codes, then the person's details beside
    // the picture, under a thin separator.
    auto *second = new QFrame(card);
    second->setObjectName(QStringLiteral("panDettagli"));
    auto *secondRows = new QVBoxLayout(second);
    secondRows->setContentsMargins(18, 10, 18, 12);
    secondRows->setSpacing(8);
    row = cardRow();
    row->addWidget(captioned(second, QStringLiteral("DATA DI NASCITA:"), txtDataNasc));
    row->addWidget(captioned(second, QStringLiteral("SESSO:"), txtSesso));
    row->addWidget(captioned(second, QStringLiteral("LUOGO DI NASCITA:"), txtLuogoNasc), 1);
    row->addWidget(captioned(second, QStringLiteral("CODICE FISCALE:"), txtCodFisc, btnCodFisc));
    secondRows->addLayout(row);
    row = cardRow();
    row->addWidget(captioned(second, QStringLiteral("PARTITA IVA:"), txtPartitaIva, btnPartitaIva));
    row->addWidget(captioned(second, QStringLiteral("IBAN:"), txtIban, btnIban), 3);
    row->addWidget(captioned(second, QStringLiteral("PEC:"), txtPec), 3);
    secondRows->addLayout(row);
    row = cardRow();
    row->addWidget(captioned(second, QStringLiteral("CARTA DI CREDITO N."), txtCarta, btnCarta), 3);
    row->addWidget(captioned(second, QStringLiteral("SCADENZA:"), txtScadeCarta));
    row->addWidget(captioned(second, QStringLiteral("TEL. CELLULARE:"), txtCel), 2);
    row->addWidget(captioned(second, QStringLiteral("CITTADINANZA:"), txtCittadinanza), 2);
    secondRows->addLayout(row);

    auto *separatorLine = new QFrame(second);
    separatorLine->setObjectName(QStringLiteral("shpSeparatore"));
    separatorLine->setFixedHeight(1);
    secondRows->addSpacing(4);
    secondRows->addWidget(separatorLine);
    secondRows->addSpacing(4);

    auto *person = new QHBoxLayout;
    person->setSpacing(18);
    person->addWidget(PictureButton::decoration(QStringLiteral("imgPersona"), pic("persona.svg"), QSize(104, 130),
                                                second),
                      0, Qt::AlignVCenter);
    auto *details = new QVBoxLayout;
    details->setSpacing(8);
    row = cardRow();
    row->addWidget(captioned(second, QStringLiteral("OCCUPAZIONE:"), txtOccupazione), 3);
    row->addWidget(captioned(second, QStringLiteral("STATO CIVILE:"), txtCivile), 2);
    details->addLayout(row);
    row = cardRow();
    row->addWidget(captioned(second, QStringLiteral("DOCUMENTO (tipo e numero):"), txtTipoDoc), 3);
    row->addWidget(captioned(second, QStringLiteral("ENTE RILASCIO:"), txtEnteRil), 3);
    row->addWidget(captioned(second, QStringLiteral("DATA RILASCIO:"), txtDataRil));
    row->addWidget(captioned(second, QStringLiteral("DATA SCADENZA:"), txtDataSca));
    details->addLayout(row);
    details->addWidget(captioned(second, QStringLiteral("SERVIZI DI INTERESSE:"), txtProdotti));
    details->addWidget(captioned(second, QStringLiteral("QUESTIONI IN SOSPESO:"), txtQuestioni));
    details->addWidget(captioned(second, QStringLiteral("NOTE:"), txtNote));
    person->addLayout(details, 1);
    secondRows->addLayout(person);
    column->addWidget(second);

    // Tab reaches a box's button right after the box.
    setTabOrder(txtEmail, btnEmail);
    setTabOrder(txtCodFisc, btnCodFisc);
    setTabOrder(txtPartitaIva, btnPartitaIva);
    setTabOrder(txtIban, btnIban);
    setTabOrder(txtCarta, btnCarta);

    m_panels[0] = first;
    m_panels[1] = second;
    return card;
}

void TfrmAnagrafica::setHints()
{
    panInfo->setBackgroundText(QString());
    panInfo->setText(QStringLiteral("Pronto per archiviare una nuova scheda..."));
    // Over the background and the panels the bar is empty; the boxes leave it alone.
    panInfo->addHint(this, QString());
    for (QWidget *panel : m_panels)
        panInfo->addHint(panel, QString());
    const std::pair<QWidget *, const char *> hints[] = {
        {cmdNuovo, "Prepara la schermata per l'inserimento di una nuova scheda."},
        {cmdDuplica, "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
        {cmdSalva, "Salva la scheda corrente in archivio."},
        {cmdTrova, "Trova una scheda in archivio."},
        {cmdFile, "Allega file alla scheda corrente."},
        {cmdStampa, "Stampa la scheda corrente."},
        {cmdPrimo, "Visualizza la prima scheda in archivio."},
        {cmdIndietro, "Visualizza la scheda precedente in archivio."},
        {cmdAvanti, "Visualizza la scheda successiva in archivio."},
        {cmdUltimo, "Visualizza l'ultima scheda in archivio."},
        {cmdEsporta, "Esporta l'archivio in un file di Microsoft Excel."},
        {cmdQuestioni, "Visualizza il riepilogo delle questioni in sospeso."},
        {cmdGuida, "Visualizza la pagina della guida in linea sensibile al contesto."},
        {cmdEsci, "Esci da questa schermata di lavoro."},
        {btnEmail, "Invia una e-mail all'indirizzo indicato."},
        {btnCodFisc, "Controlla il codice fiscale."},
        {btnPartitaIva, "Controlla il numero di partita IVA."},
        {btnIban, "Controlla l'IBAN."},
        {btnCarta, "Controlla il numero di carta di credito."},
    };
    for (const auto &[control, hint] : hints)
        panInfo->addHint(control, QString::fromUtf8(hint));
    // Installed after the bar's own watch, so that it sees the events first.
    setMouseTracking(true);
    installEventFilter(this);
    for (QWidget *panel : m_panels)
        panel->installEventFilter(this);
}

bool TfrmAnagrafica::eventFilter(QObject *watched, QEvent *event)
{
    // A window shown under a pointer that stands still gets an Enter all the
    // same; that is not the user pointing at the background, so the ready
    // text stays until the pointer moves.
    if (m_holdReadyText) {
        if (event->type() == QEvent::MouseMove)
            m_holdReadyText = false;
        else if (event->type() == QEvent::Enter)
            return true;
    }
    return ResidentWindow::eventFilter(watched, event);
}

void TfrmAnagrafica::connectCommands()
{
    connect(cmdNuovo, &PictureButton::clicked, this, &TfrmAnagrafica::ClearContactEditor);
    connect(cmdDuplica, &PictureButton::clicked, this, &TfrmAnagrafica::duplicate);
    connect(cmdSalva, &PictureButton::clicked, this, &TfrmAnagrafica::save);
    connect(cmdPrimo, &PictureButton::clicked, this, [this] { browse(BrowseStep::First); });
    connect(cmdIndietro, &PictureButton::clicked, this, [this] { browse(BrowseStep::Previous); });
    connect(cmdAvanti, &PictureButton::clicked, this, [this] { browse(BrowseStep::Next); });
    connect(cmdUltimo, &PictureButton::clicked, this, [this] { browse(BrowseStep::Last); });
    connect(cmdEsci, &PictureButton::clicked, this, [this] { close(); });
}

void TfrmAnagrafica::showEvent(QShowEvent *event)
{
    ResidentWindow::showEvent(event);
    // Every show starts on an empty new contact.
    if (!event->spontaneous()) {
        ClearContactEditor();
        panInfo->setText(QStringLiteral("Pronto per archiviare una nuova scheda..."));
        m_holdReadyText = true;
    }
}
