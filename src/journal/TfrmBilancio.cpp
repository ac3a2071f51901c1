#include "journal/TfrmBilancio.h"

#include "ui/windows/HelpTexts.h"
#include "ui/windows/TfrmGuida.h"
#include "journal/JournalSelection.h"
#include "lists/FindInList.h"
#include "lists/ListReport.h"
#include "platform/GuiServices.h"
#include "records/TextField.h"
#include "ui/entry/FieldRules.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"
#include "ui/widgets/TitleBand.h"
#include "ui/widgets/Widgets.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

namespace {
QString g_lastSearch;

const QString kEmptyPrint = QStringLiteral("Operazione di stampa non applicabile: la primanota non contiene nessun "
                                           "movimento in entrata o in uscita.");
const QString kAskPrint = QStringLiteral("Si vuole stampare la presente primanota?");
const QString kEuro = QStringLiteral(" €");

QLabel *label(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

// The fixed texts before the values of the print's summary, 30 characters each
// so that the values line up in the fixed-pitch memo.
QString summaryLine(const QString &head, const QString &value)
{
    return head.leftJustified(30, QLatin1Char(' '), true) + TextField::trimmed(value);
}
}

TfrmBilancio::TfrmBilancio(const QString &cause, const QString &start, const QString &end, QWidget *parent)
    : QDialog(parent)
    , m_cause(cause)
    , m_start(start)
    , m_end(end)
{
    setObjectName(QStringLiteral("TfrmBilancio"));
    setWindowTitle(QStringLiteral(" Tarvenio 3.0 - Primanota e Bilancio"));
    // A full window: maximised, with its own close and maximise buttons. Without
    // minimise, so the modal register cannot iconify the program.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowState(Qt::WindowMaximized);
    setAttribute(Qt::WA_StyledBackground);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    const TitleBand band = makeTitleBand(this, QStringLiteral("icoApp"), QStringLiteral("Primanota e Bilancio"),
                                         QStringLiteral("Movimenti in entrata e in uscita del periodo scelto"), 18);
    imgGuida = new PictureButton(QStringLiteral("imgGuida"), QStringLiteral(":/pictures/guida.svg"), QSize(44, 44),
                                 QStringLiteral("Guida"), band.band);
    band.row->addWidget(imgGuida);
    outer->addWidget(band.band);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(20, 14, 20, 14);
    body->setSpacing(10);
    outer->addLayout(body, 1);

    // What the journal holds: the cause and the interval.
    auto *head = new QFrame(this);
    head->setObjectName(QStringLiteral("panIntestazione"));
    auto *headGrid = new QGridLayout(head);
    headGrid->setContentsMargins(18, 10, 18, 10);
    headGrid->setHorizontalSpacing(12);
    headGrid->setVerticalSpacing(4);
    lblTipologia = label(head, "lblTipologia", QStringLiteral("PRIMANOTA E BILANCIO - Causale :"));
    titCausale = label(head, "titCausale", QStringLiteral("- - -"));
    titCausale->setTextFormat(Qt::PlainText);
    infIntervallo = label(head, "infIntervallo", QStringLiteral("Intervallo selezionato :"));
    lblIntervallo = label(head, "lblIntervallo", QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"));
    headGrid->addWidget(lblTipologia, 0, 0);
    headGrid->addWidget(titCausale, 0, 1);
    headGrid->addWidget(infIntervallo, 1, 0);
    headGrid->addWidget(lblIntervallo, 1, 1);
    headGrid->setColumnStretch(1, 1);
    body->addWidget(head);

    // Find.
    auto *findRow = new QHBoxLayout;
    findRow->setSpacing(10);
    auto *hints = new QVBoxLayout;
    hints->setSpacing(2);
    lblRigo01 = label(this, "lblRigo01",
                      QStringLiteral("Immettere una o più parole consecutive presenti nella scheda "
                                     "in elenco da cercare e premere il pulsante Trova."));
    lblRigo02 = label(this, "lblRigo02",
                      QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa "
                                     "chiave di ricerca, fare di nuovo clic su Trova."));
    hints->addWidget(lblRigo01);
    hints->addWidget(lblRigo02);
    txtTrova = new QLineEdit(this);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(Widgets::boldFont(txtTrova, 12));
    txtTrova->setMinimumWidth(340);
    btnTrova = new QPushButton(QStringLiteral("Trova"), this);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setMinimumSize(100, 32);
    findRow->addWidget(txtTrova);
    findRow->addWidget(btnTrova);
    findRow->addSpacing(12);
    findRow->addLayout(hints, 1);
    body->addLayout(findRow);

    lstRecords = new RowListView(QStringLiteral("lstRecords"), 12, this);
    // A row is read whole: long rows scroll sideways, never end in "…".
    lstRecords->setTextElideMode(Qt::ElideNone);
    lstRecords->setWordWrap(false);
    lstRecords->setItemWidth(1600);
    body->addWidget(lstRecords, 1);

    // The commands on the left, the totals on the right.
    auto *foot = new QHBoxLayout;
    foot->setSpacing(12);
    btnStampa = new QPushButton(QStringLiteral("Stampa primanota"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnEsci = new QPushButton(QStringLiteral("Esci"), this);
    btnEsci->setObjectName(QStringLiteral("btnEsci"));
    auto *commands = new QVBoxLayout;
    commands->addStretch();
    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btnStampa, btnEsci}) {
        b->setMinimumSize(b == btnStampa ? 170 : 120, 36);
        buttons->addWidget(b);
    }
    commands->addLayout(buttons);
    foot->addLayout(commands);
    foot->addStretch(1);
    foot->addWidget(buildTotals());
    body->addLayout(foot);

    lblConta = label(this, "lblConta", QStringLiteral("0"));
    lblConta->hide();

    for (QPushButton *b : {btnTrova, btnStampa, btnEsci})
        b->setAutoDefault(false);
    // Enter in the find box moves to "Trova"; on "Trova" it searches.
    auto *keys = new FieldRules(this);
    keys->setEnterTarget(txtTrova, btnTrova);
    keys->setClickOnEnter(btnTrova);
    connect(btnTrova, &QPushButton::clicked, this, &TfrmBilancio::find);
    connect(btnStampa, &QPushButton::clicked, this, &TfrmBilancio::print);
    connect(btnEsci, &QPushButton::clicked, this, [this] { close(); });
    connect(imgGuida, &PictureButton::clicked, this, [this] { TfrmGuida::showTopic(this, HelpTexts::forJournal()); });
}

QWidget *TfrmBilancio::buildTotals()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("panTotali"));
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(18, 10, 18, 10);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(4);
    titTotEntrate = label(panel, "titTotEntrate", QStringLiteral("TOTALE ENTRATE :"));
    lblTotEntrate = label(panel, "lblTotEntrate", QStringLiteral("0,00"));
    titTotUscite = label(panel, "titTotUscite", QStringLiteral("TOTALE USCITE :"));
    lblTotUscite = label(panel, "lblTotUscite", QStringLiteral("0,00"));
    infTotKmPercorsi = label(panel, "infTotKmPercorsi", QStringLiteral("BILANCIO ENTRATE E USCITE :"));
    lblBilancio = label(panel, "lblBilancio", QStringLiteral("0,00"));
    auto *rule = new QFrame(panel);
    rule->setObjectName(QStringLiteral("sepTotali"));
    rule->setFixedHeight(1);
    grid->addWidget(titTotEntrate, 0, 0);
    grid->addWidget(lblTotEntrate, 0, 1);
    grid->addWidget(titTotUscite, 1, 0);
    grid->addWidget(lblTotUscite, 1, 1);
    grid->addWidget(rule, 2, 0, 1, 2);
    grid->addWidget(infTotKmPercorsi, 3, 0);
    grid->addWidget(lblBilancio, 3, 1);
    for (QLabel *amount : {lblTotEntrate, lblTotUscite, lblBilancio}) {
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setMinimumWidth(220);
        amount->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    return panel;
}

QString TfrmBilancio::lastSearch() { return g_lastSearch; }
void TfrmBilancio::forgetLastSearch() { g_lastSearch.clear(); }

QString TfrmBilancio::unreadableWarning(int count)
{
    return QStringLiteral("Attenzione: %1 schede dell'archivio non sono leggibili (data o importo non validi) e "
                          "non sono comprese nella primanota.")
        .arg(count);
}

void TfrmBilancio::showEvent(QShowEvent *event)
{
    if (!m_loaded && !event->spontaneous()) {
        // Without a window manager "maximised" means nothing: fill the screen by hand.
        if (QScreen *screen = QGuiApplication::primaryScreen())
            setGeometry(screen->availableGeometry());
    }
    QDialog::showEvent(event);
    if (m_loaded || event->spontaneous())
        return;
    m_loaded = true;
    load();
}

void TfrmBilancio::load()
{
    const bool causeFlag = JournalSelection::hasCause(m_cause);
    lblConta->setText(causeFlag ? QStringLiteral("1") : QStringLiteral("0"));
    titCausale->setText(causeFlag ? TextField::trimmed(m_cause) : QStringLiteral("- - -"));
    lstRecords->clear();

    JournalSelection::Scan scan = JournalSelection::scan({m_cause, m_start, m_end});
    lstRecords->setItemWidth(1600);
    lstRecords->setRows(std::move(scan.rows));
    if (!scan.complete()) {
        // The archive could not be read: what was read stays listed, but no
        // total is shown for a journal that may be incomplete.
        for (QLabel *amount : {lblTotEntrate, lblTotUscite, lblBilancio})
            amount->setText(QStringLiteral("0,00"));
        return;
    }
    lblIntervallo->setText(QStringLiteral("Dal   ") + TextField::trimmed(m_start) + QStringLiteral("   al   ")
                           + TextField::trimmed(m_end));
    txtTrova->setFocus(Qt::OtherFocusReason);
    lblTotEntrate->setText(scan.totals.income + kEuro);
    lblTotUscite->setText(scan.totals.expense + kEuro);
    lblBilancio->setText(scan.totals.balance + kEuro);
    if (scan.unreadable > 0) {
        // Told once the register is on the screen, over it.
        const QString text = unreadableWarning(scan.unreadable);
        QTimer::singleShot(0, this, [this, text] { Services::warning(this, text); });
    }
}

void TfrmBilancio::find()
{
    try {
        const FindOutcome outcome =
            FindInList(lstRecords->texts(), lstRecords->currentRow(), txtTrova->text(), g_lastSearch);
        if (outcome.emptyList) {
            Services::plain(this, FindInListText::emptyList());
            return;
        }
        lstRecords->setCurrentRow(outcome.selected);
    } catch (...) {
        // A failed search changes nothing.
    }
}

void TfrmBilancio::print()
{
    if (lstRecords->count() == 0) {
        Services::warning(this, kEmptyPrint);
        return;
    }
    if (!Services::ask(this, kAskPrint))
        return;
    const QStringList summary = {
        QStringLiteral("- - - - - - - - - - - - - - - -"),
        summaryLine(QStringLiteral("INTERVALLO SELEZIONATO :"), lblIntervallo->text()),
        summaryLine(QStringLiteral("TOTALE ENTRATE :"), lblTotEntrate->text()),
        summaryLine(QStringLiteral("TOTALE USCITE :"), lblTotUscite->text()),
        summaryLine(QStringLiteral("BILANCIO ENTRATE E USCITE :"), lblBilancio->text()),
    };
    ListReport::print(this, QStringLiteral("Primanota"),
                      QStringLiteral("PRIMANOTA E BILANCIO - Causale :  ") + TextField::trimmed(titCausale->text()),
                      lstRecords->texts(), summary);
}

void TfrmBilancio::done(int result)
{
    lstRecords->clear();
    emit closed();
    QDialog::done(result);
}
