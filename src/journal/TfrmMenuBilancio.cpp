#include "journal/TfrmMenuBilancio.h"

#include "ui/widgets/AppFrame.h"
#include "journal/JournalSelection.h"
#include "journal/TfrmBilancio.h"
#include "platform/GuiServices.h"
#include "platform/Services.h"
#include "records/DateText.h"
#include "records/TextField.h"
#include "ui/entry/EntryBox.h"
#include "ui/entry/FieldRules.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Widgets.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

const QStringList kMonths = {
    QStringLiteral("Gennaio"),   QStringLiteral("Febbraio"), QStringLiteral("Marzo"),    QStringLiteral("Aprile"),
    QStringLiteral("Maggio"),    QStringLiteral("Giugno"),   QStringLiteral("Luglio"),   QStringLiteral("Agosto"),
    QStringLiteral("Settembre"), QStringLiteral("Ottobre"),  QStringLiteral("Novembre"), QStringLiteral("Dicembre"),
};

QStringList dayItems()
{
    QStringList days;
    for (int d = 1; d <= 31; ++d)
        days << QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
    return days;
}

// The month's number 1 to 12, or 0 for a text that names no month.
int monthNumber(const QString &text)
{
    const QString wanted = JournalSelection::lowerAZ(TextField::trimmed(text));
    for (int i = 0; i < kMonths.size(); ++i)
        if (JournalSelection::lowerAZ(kMonths.at(i)) == wanted)
            return i + 1;
    return 0;
}

const QString kYearWarning = QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");
const QString kStartDayMissing =
    QStringLiteral("Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata.");
const QString kStartMonthMissing =
    QStringLiteral("Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata.");
const QString kEndDayMissing =
    QStringLiteral("Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata.");
const QString kEndMonthMissing =
    QStringLiteral("Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata.");
const QString kValidDate =
    QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");
const QString kNoStartDate = QStringLiteral("Attenzione: la data %1 di inizio intervallo non esiste.") + kValidDate;
const QString kNoEndDate = QStringLiteral("Attenzione: la data %1 di fine intervallo non esiste.") + kValidDate;
const QString kEndBeforeStart = QStringLiteral(
    "Attenzione: la data di fine intervallo (%1) non può essere anteriore a quella di inizio intervallo (%2).\n\r\n\r"
    "Per poter visualizzare il riepilogo è necessario indicare un intervallo di tempo valido.");
const QString kArchiveError = QStringLiteral("Attenzione: il file di archivio non risulta accessibile.");

}

TfrmMenuBilancio::TfrmMenuBilancio(QWidget *parent)
    : ResidentWindow(QStringLiteral("TfrmMenuBilancio"), QStringLiteral(" Tarvenio 3.0 - Primanota e Bilancio"), parent)
    , m_rules(new FieldRules(this))
{
    setAttribute(Qt::WA_StyledBackground);

    QVBoxLayout *layout = AppFrame::column(this);
    imgEsci = AppFrame::addHeader(this, layout, QStringLiteral("Primanota e Bilancio"),
                                  QStringLiteral("Entrate, uscite e bilancio di un periodo"));
    AppFrame::addCentredCard(layout, buildCard(), QMargins(24, 20, 24, 20), 4, 2);

    setEntryRules();

    connect(btnVisualizza, &QPushButton::pressed, lblAttendere, &QWidget::show);
    connect(btnVisualizza, &QPushButton::clicked, this, &TfrmMenuBilancio::visualizza);
    connect(btnEsci, &QPushButton::clicked, this, [this] { close(); });
    connect(imgEsci, &PictureButton::clicked, this, [this] { close(); });
}

QGroupBox *TfrmMenuBilancio::buildDateGroup(const QString &name, const QString &title, QComboBox *&day,
                                            QLabel *&dayCaption, QComboBox *&month, QLabel *&monthCaption,
                                            QLabel *&year, FocusFrame *&dayFrame, FocusFrame *&monthFrame,
                                            const QString &dayFrameName, const QString &monthFrameName)
{
    auto *group = new QGroupBox(title);
    group->setObjectName(name);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(2);
    const bool start = name == QStringLiteral("grpDataInizio");
    day = Widgets::dropDown(group, start ? QStringLiteral("txtGiornoInizio") : QStringLiteral("txtGiornoFine"),
                            dayItems(), 2);
    day->setFont(Widgets::boldFont(day, 12));
    day->setMinimumWidth(86);
    month =
        Widgets::dropDown(group, start ? QStringLiteral("txtMeseInizio") : QStringLiteral("txtMeseFine"), kMonths, 9);
    month->setFont(Widgets::boldFont(month, 12));
    month->setMinimumWidth(170);
    dayCaption = Widgets::caption(group, QStringLiteral("Giorno:"),
                                  start ? QStringLiteral("titGiornoInizio") : QStringLiteral("titGiornoFine"));
    monthCaption = Widgets::caption(group, QStringLiteral("Mese:"),
                                    start ? QStringLiteral("titMeseInizio") : QStringLiteral("titMeseFine"));
    year = new QLabel(QStringLiteral("ANNO"), group);
    year->setObjectName(start ? QStringLiteral("lblAnnoInizio") : QStringLiteral("lblAnnoFine"));
    year->setMinimumWidth(60);
    grid->addWidget(dayCaption, 0, 0);
    grid->addWidget(monthCaption, 0, 1);
    grid->addWidget(Widgets::caption(group, QStringLiteral("Anno:"), QString()), 0, 2);
    grid->addLayout(Widgets::framed(day, dayFrameName, &dayFrame), 1, 0);
    grid->addLayout(Widgets::framed(month, monthFrameName, &monthFrame), 1, 1);
    grid->addWidget(year, 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

QWidget *TfrmMenuBilancio::buildCard()
{
    auto *card = new QFrame(this);
    card->setObjectName(QStringLiteral("panScelta"));
    card->setMaximumWidth(1120);
    auto *columns = new QHBoxLayout(card);
    columns->setContentsMargins(28, 24, 32, 24);
    columns->setSpacing(28);
    auto *picture = new QVBoxLayout;
    picture->addWidget(PictureButton::decoration(QStringLiteral("imgBilancio"),
                                                 QStringLiteral(":/pictures/app_bilancio.svg"), QSize(182, 140), card));
    picture->addStretch();
    columns->addLayout(picture);
    auto *v = new QVBoxLayout;
    v->setSpacing(8);
    columns->addLayout(v, 1);

    lblCampo01 = new QLabel(QStringLiteral("Indicare l'anno solare di interesse e una causale."), card);
    lblCampo01->setObjectName(QStringLiteral("lblCampo01"));
    lblCampo02 = new QLabel(QStringLiteral("Per ottenere lo storico di tutti i movimenti in entrata e in uscita, "
                                           "non indicare nessuna causale."),
                            card);
    lblCampo02->setObjectName(QStringLiteral("lblCampo02"));
    v->addWidget(lblCampo01);
    v->addWidget(lblCampo02);

    txtAnno = new EntryBox(QStringLiteral("txtAnno"), card);
    txtAnno->setDigitsOnly(true);
    txtAnno->setTypingLimit(4);
    txtAnno->setMaxLength(4);
    txtAnno->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    txtAnno->setFixedWidth(96);
    txtCausale = new EntryBox(QStringLiteral("txtCausale"), card);
    txtCausale->setTypingLimit(250);
    txtCausale->setMaxLength(250);
    titAnno = Widgets::caption(card, QStringLiteral("Anno:"), QStringLiteral("titAnno"));
    titCausale = Widgets::caption(card, QStringLiteral("Causale:"), QStringLiteral("titCausale"));
    auto *first = new QGridLayout;
    first->setHorizontalSpacing(14);
    first->setVerticalSpacing(2);
    first->addWidget(titAnno, 0, 0);
    first->addWidget(titCausale, 0, 1);
    first->addLayout(Widgets::framed(txtAnno, QStringLiteral("effAnno"), &effAnno), 1, 0);
    first->addLayout(Widgets::framed(txtCausale, QStringLiteral("effCausale"), &effCausale), 1, 1);
    first->setColumnStretch(1, 1);
    v->addSpacing(6);
    v->addLayout(first);

    lblCampo03 = new QLabel(QStringLiteral("Indicare l'intervallo di tempo relativo al periodo da riepilogare."), card);
    lblCampo03->setObjectName(QStringLiteral("lblCampo03"));
    v->addSpacing(10);
    v->addWidget(lblCampo03);

    grpDataInizio =
        buildDateGroup(QStringLiteral("grpDataInizio"), QStringLiteral(" Data inizio intervallo: "), txtGiornoInizio,
                       titGiornoInizio, txtMeseInizio, titMeseInizio, lblAnnoInizio, effGiornoInizio, effMeseInizio,
                       QStringLiteral("effGiornoInizio"), QStringLiteral("effMeseInizio"));
    grpDataFine = buildDateGroup(QStringLiteral("grpDataFine"), QStringLiteral(" Data fine intervallo: "),
                                 txtGiornoFine, titGiornoFine, txtMeseFine, titMeseFine, lblAnnoFine, effGiornoFine,
                                 effMeseFine, QStringLiteral("effGiornoFine"), QStringLiteral("effMeseFine"));
    grpDataInizio->setParent(card);
    grpDataFine->setParent(card);
    auto *dates = new QHBoxLayout;
    dates->setSpacing(20);
    dates->addWidget(grpDataInizio, 1);
    dates->addWidget(grpDataFine, 1);
    v->addLayout(dates);

    lblDataInizio = new QLabel(card);
    lblDataInizio->setObjectName(QStringLiteral("lblDataInizio"));
    lblDataInizio->hide();
    lblDataFine = new QLabel(card);
    lblDataFine->setObjectName(QStringLiteral("lblDataFine"));
    lblDataFine->hide();

    auto *commands = new QHBoxLayout;
    lblAttendere = new QLabel(QStringLiteral("Caricamento riepilogo in corso. Attendere..."), card);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    // Hidden, it keeps its room, so the buttons do not move when it shows.
    QSizePolicy keep = lblAttendere->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    lblAttendere->setSizePolicy(keep);
    lblAttendere->hide();
    btnVisualizza = new QPushButton(QStringLiteral("Visualizza riepilogo"), card);
    btnVisualizza->setObjectName(QStringLiteral("btnVisualizza"));
    btnEsci = new QPushButton(QStringLiteral("Esci"), card);
    btnEsci->setObjectName(QStringLiteral("btnEsci"));
    commands->addWidget(lblAttendere);
    commands->addStretch();
    for (QPushButton *b : {btnVisualizza, btnEsci}) {
        b->setAutoDefault(false);
        b->setMinimumSize(b == btnVisualizza ? 190 : 120, 36);
        commands->addWidget(b);
    }
    btnVisualizza->setFont(Widgets::boldFont(btnVisualizza));
    v->addSpacing(14);
    v->addLayout(commands);
    return card;
}

void TfrmMenuBilancio::setEntryRules()
{
    // The year takes digits only (the box itself swallows anything else).
    connect(txtAnno, &QLineEdit::textChanged, this, &TfrmMenuBilancio::copyYear);
    m_rules->setLeaving(txtAnno, [this] { copyYear(); });

    // Day and month come only from their lists: typing is discarded, and
    // Backspace or Delete empties the box at once.
    for (QComboBox *box : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine})
        m_rules->setListOnly(box, FieldRules::DeleteEmpties | FieldRules::CaretMoves);
    const QStringList days = dayItems();
    for (QComboBox *day : {txtGiornoInizio, txtGiornoFine})
        m_rules->setLeaving(day, [day, days] {
            if (!days.contains(TextField::trimmed(day->currentText())))
                day->setEditText(QString());
        });
    for (QComboBox *month : {txtMeseInizio, txtMeseFine})
        m_rules->setLeaving(month, [month] {
            if (monthNumber(month->currentText()) == 0)
                month->setEditText(QString());
        });

    // Enter walks the boxes to the button, where it opens the register.
    m_rules->setEnterChain(
        {txtAnno, txtCausale, txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine, btnVisualizza});
    m_rules->setClickOnEnter(btnVisualizza);
}

void TfrmMenuBilancio::copyYear()
{
    const QString year = TextField::trimmed(txtAnno->text());
    lblAnnoInizio->setText(year);
    lblAnnoFine->setText(year);
}

void TfrmMenuBilancio::showEvent(QShowEvent *event)
{
    ResidentWindow::showEvent(event);
    if (event->spontaneous())
        return;
    for (QComboBox *box : {txtGiornoInizio, txtMeseInizio, txtGiornoFine, txtMeseFine}) {
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    txtCausale->clear();
    txtAnno->setText(QString::number(Services::clock().today().year()).rightJustified(4, QLatin1Char('0')));
    copyYear();
    lblAttendere->hide();
    txtCausale->setFocus(Qt::OtherFocusReason);
}

void TfrmMenuBilancio::refuse(bool warning, const QString &text, QWidget *focus)
{
    if (warning)
        Services::warning(this, text);
    else
        Services::plain(this, text);
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
    lblAttendere->hide();
}

void TfrmMenuBilancio::visualizza()
{
    try {
        lblDataInizio->clear();
        lblDataFine->clear();

        const struct {
            bool ok;
            const QString &message;
            QWidget *focus;
        } checks[] = {
            {txtAnno->text().size() == 4, kYearWarning, txtAnno},
            {!TextField::trimmed(txtGiornoInizio->currentText()).isEmpty(), kStartDayMissing, txtGiornoInizio},
            {!TextField::trimmed(txtMeseInizio->currentText()).isEmpty(), kStartMonthMissing, txtMeseInizio},
            {!TextField::trimmed(txtGiornoFine->currentText()).isEmpty(), kEndDayMissing, txtGiornoFine},
            {!TextField::trimmed(txtMeseFine->currentText()).isEmpty(), kEndMonthMissing, txtMeseFine},
        };
        for (const auto &check : checks) {
            if (!check.ok) {
                refuse(true, check.message, check.focus);
                return;
            }
        }

        const auto dateText = [](QComboBox *day, QComboBox *month, QLabel *year) {
            return TextField::trimmed(day->currentText()) + QLatin1Char('/')
                   + QStringLiteral("%1").arg(monthNumber(month->currentText()), 2, 10, QLatin1Char('0'))
                   + QLatin1Char('/') + TextField::trimmed(year->text());
        };
        lblDataInizio->setText(dateText(txtGiornoInizio, txtMeseInizio, lblAnnoInizio));
        const auto start = DateText::parse(lblDataInizio->text());
        if (!start) {
            refuse(false, kNoStartDate.arg(TextField::trimmed(lblDataInizio->text())), txtGiornoInizio);
            return;
        }
        lblDataFine->setText(dateText(txtGiornoFine, txtMeseFine, lblAnnoFine));
        const auto end = DateText::parse(lblDataFine->text());
        if (!end) {
            refuse(false, kNoEndDate.arg(TextField::trimmed(lblDataFine->text())), txtGiornoFine);
            return;
        }
        if (*start > *end) {
            refuse(false, kEndBeforeStart.arg(lblDataFine->text(), lblDataInizio->text()), nullptr);
            return;
        }
        openRegister();
    } catch (...) {
        Services::plain(this, kArchiveError);
        lblAttendere->hide();
    }
}

void TfrmMenuBilancio::openRegister()
{
    TfrmBilancio registerWindow(txtCausale->text(), lblDataInizio->text(), lblDataFine->text(), this);
    connect(&registerWindow, &TfrmBilancio::closed, lblAttendere, &QWidget::hide);
    registerWindow.exec();
}
