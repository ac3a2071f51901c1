#include "agenda/TfrmAgenda.h"

#include "agenda/Imminence.h"
#include "agenda/PaymentGridWindows.h"
#include "ui/widgets/AppFrame.h"
#include "lists/ListReport.h"
#include "ui/windows/HelpTexts.h"
#include "ui/windows/TfrmGuida.h"
#include "platform/Colours.h"
#include "platform/GuiServices.h"
#include "platform/Services.h"
#include "records/ArchiveMessages.h"
#include "ui/widgets/PictureButton.h"
#include "ui/windows/Residents.h"
#include "ui/widgets/RowList.h"
#include "ui/widgets/Widgets.h"

#include <QCalendarWidget>
#include <QTextCharFormat>
#include <QTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
QString pic(const char *name) { return QStringLiteral(":/pictures/") + QLatin1String(name); }
}

TfrmAgenda::TfrmAgenda(QWidget *parent)
    : ResidentWindow(QStringLiteral("TfrmAgenda"), QStringLiteral(" Tarvenio 3.0 - Gestione Scadenze"), parent)
{
    QVBoxLayout *layout = AppFrame::column(this);
    imgEsci = AppFrame::addHeader(this, layout, QStringLiteral("Gestione Scadenze"),
                                  QStringLiteral("Pagamenti in entrata e in uscita: le scadenze imminenti"));

    auto *body = new QVBoxLayout;
    body->setContentsMargins(16, 12, 16, 8);
    body->setSpacing(8);
    layout->addLayout(body, 1);

    // Above: the calendar with the day and month summaries, and the state
    // pictures. Below, across the whole width: the imminent list, so that a
    // row is read whole, amount included.
    auto *top = new QHBoxLayout;
    top->setSpacing(16);
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setFixedSize(330, 230);
    calAppuntamenti->setSelectedDate(Services::clock().today());
    Widgets::selectionFollowsPage(calAppuntamenti);
    markToday();
    top->addWidget(calAppuntamenti, 0, Qt::AlignTop);
    auto *summaries = new QVBoxLayout;
    summaries->setSpacing(10);
    btnGiorno = new PictureButton(QStringLiteral("btnGiorno"), pic("btn_giorno.svg"), QSize(220, 48),
                                  QStringLiteral("Scadenze del giorno"), this);
    btnMese = new PictureButton(QStringLiteral("btnMese"), pic("btn_mese.svg"), QSize(220, 48),
                                QStringLiteral("Scadenze del mese"), this);
    auto *summariesCaption =
        new QLabel(QStringLiteral("Le scadenze del giorno o del mese\nscelto nel calendario:"), this);
    summariesCaption->setObjectName(QStringLiteral("lblRiepiloghi"));
    summaries->addWidget(summariesCaption);
    summaries->addWidget(btnGiorno);
    summaries->addWidget(btnMese);
    summaries->addStretch();
    top->addLayout(summaries);
    top->addSpacing(8);
    imgAppuntamentiNO =
        PictureButton::decoration(QStringLiteral("imgAppuntamentiNO"), pic("figura_calma.svg"), QSize(170, 221), this);
    imgAppuntamentiSI = PictureButton::decoration(QStringLiteral("imgAppuntamentiSI"), pic("figura_allarme.svg"),
                                                  QSize(170, 221), this);
    top->addWidget(imgAppuntamentiNO, 0, Qt::AlignTop);
    top->addWidget(imgAppuntamentiSI, 0, Qt::AlignTop);
    imgAssenti =
        PictureButton::decoration(QStringLiteral("imgAssenti"), pic("fumetto_assenti.svg"), QSize(392, 140), this);
    imgPresenti =
        PictureButton::decoration(QStringLiteral("imgPresenti"), pic("fumetto_presenti.svg"), QSize(392, 140), this);
    top->addWidget(imgAssenti, 0, Qt::AlignTop);
    top->addWidget(imgPresenti, 0, Qt::AlignTop);
    top->addStretch();
    body->addLayout(top);

    auto *caption = new QLabel(QStringLiteral("Scadenze imminenti (in ordine di data e ora)"), this);
    caption->setFont(Widgets::boldFont(caption, caption->font().pointSize() + 2));
    body->addWidget(caption);
    lstRecords = new RowListView(QStringLiteral("lstRecords"), 14, this);
    // At 14 points a row of 150 characters needs 1710 pixels: a little less
    // space between the characters lets the whole row, amount included, fit
    // the width of a 1600-pixel screen.
    lstRecords->setCharacterSpacing(-1.3);
    body->addWidget(lstRecords, 1);

    auto *commands = new QHBoxLayout;
    m_lblConteggio = new QLabel(this);
    m_lblConteggio->setObjectName(QStringLiteral("lblConteggio"));
    m_lblConteggio->setFont(Widgets::boldFont(m_lblConteggio));
    btnArchivio = new PictureButton(QStringLiteral("btnArchivio"), pic("btn_archivio.svg"), QSize(220, 48),
                                    QStringLiteral("Archivio Pagamenti"), this);
    appApriArchivio = new PictureButton(QStringLiteral("appApriArchivio"), pic("apri_archivio.svg"), QSize(48, 48),
                                        QStringLiteral("Apri l'archivio pagamenti"), this);
    btnExcel = new PictureButton(QStringLiteral("btnExcel"), pic("btn_excel.svg"), QSize(220, 48),
                                 QStringLiteral("Esporta in Excel"), this);
    btnStampa = new PictureButton(QStringLiteral("btnStampa"), pic("btn_stampa.svg"), QSize(220, 48),
                                  QStringLiteral("Stampa elenco"), this);
    imgGuida =
        new PictureButton(QStringLiteral("imgGuida"), pic("guida.svg"), QSize(48, 48), QStringLiteral("Guida"), this);
    commands->addWidget(appApriArchivio);
    commands->addWidget(btnArchivio);
    commands->addSpacing(16);
    commands->addWidget(m_lblConteggio, 1);
    commands->addWidget(btnExcel);
    commands->addWidget(btnStampa);
    commands->addSpacing(16);
    commands->addWidget(imgGuida);
    body->addLayout(commands);

    btnCaricaLista = new QPushButton(QStringLiteral("Carica lista"), this);
    btnCaricaLista->setObjectName(QStringLiteral("btnCaricaLista"));
    btnCaricaLista->hide();
    connect(btnCaricaLista, &QPushButton::clicked, this, &TfrmAgenda::loadList);
    connect(imgEsci, &PictureButton::clicked, this, [this] { close(); });
    connect(btnGiorno, &PictureButton::clicked, this,
            [this] { TfrmExpGiornaliere(calAppuntamenti->selectedDate(), this).exec(); });
    connect(btnMese, &PictureButton::clicked, this,
            [this] { TfrmExpMensili(calAppuntamenti->selectedDate(), this).exec(); });
    connect(btnExcel, &PictureButton::clicked, this, [this] { TfrmExpImminenti(this).exec(); });
    connect(btnStampa, &PictureButton::clicked, this,
            [this] { ListReport::print(this, QStringLiteral("Riepilogo scadenze imminenti"), lstRecords->texts()); });
    connect(imgGuida, &PictureButton::clicked, this, [this] { TfrmGuida::showTopic(this, HelpTexts::forAgenda()); });
    // The editor opens over the agenda's place; an alarm that is playing goes on.
    for (PictureButton *archive : {btnArchivio, appApriArchivio})
        connect(archive, &PictureButton::clicked, this, [this] { Residents::switchTo(this, Resident::Archivio); });

    setAlertState(false);
}

void TfrmAgenda::markToday()
{
    // Today stays marked when another day is chosen in the calendar.
    QTextCharFormat today;
    today.setFontWeight(QFont::Bold);
    today.setBackground(QColor(Colour::TodayFill));
    today.setForeground(QColor(Colour::TodayText));
    today.setToolTip(QStringLiteral("Oggi"));
    calAppuntamenti->setDateTextFormat(Services::clock().today(), today);
}

bool TfrmAgenda::isAlertState() const { return !imgPresenti->isHidden(); }

void TfrmAgenda::setAlertState(bool alert)
{
    imgPresenti->setVisible(alert);
    imgAppuntamentiSI->setVisible(alert);
    imgAssenti->setVisible(!alert);
    imgAppuntamentiNO->setVisible(!alert);
}

void TfrmAgenda::loadList()
{
    markToday();
    m_lastScan = scanImminent(Services::clock().today());
    if (m_lastScan.outcome == ReadOutcome::NotOpened) {
        // Cannot open: the list keeps the previous rows, and no line of ours
        // says anything about an archive that could not be read.
        m_lblConteggio->clear();
        return;
    }
    // Read to the end or not, the rows read are listed.
    lstRecords->setItemWidth(1600);
    lstRecords->setRows(m_lastScan.rows);
}

void TfrmAgenda::showEvent(QShowEvent *event)
{
    ResidentWindow::showEvent(event);
    if (!event->spontaneous())
        showHandling();
}

void TfrmAgenda::showHandling()
{
    // One reading of the archive serves the list, the count and the state.
    btnCaricaLista->click();
    if (!m_lastScan.complete()) {
        // The archive cannot be read: the pictures keep their state, no
        // sound, and the user is told, rather than shown a calm screen.
        m_lblConteggio->clear();
        QTimer::singleShot(0, this, [this] { Services::error(this, ArchiveMessages::accessError()); });
        return;
    }
    const int count = int(m_lastScan.rows.size());
    if (m_lastScan.records == 0) {
        setAlertState(false);
        m_lblConteggio->setText(QStringLiteral("Nessun pagamento in archivio."));
        return;
    }
    m_lblConteggio->setText(count == 1 ? QStringLiteral("1 scadenza imminente.")
                                       : QStringLiteral("%1 scadenze imminenti.").arg(count));
    setAlertState(count > 0);
    if (count > 0)
        soundAlarm();
}

void TfrmAgenda::soundAlarm()
{
    AlarmPlayer &player = Services::alarmPlayer();
    if (player.load(Services::programFile(QStringLiteral("Avviso.mp3"))))
        player.play();
}

void TfrmAgenda::handleClose()
{
    AlarmPlayer &player = Services::alarmPlayer();
    if (player.isLoaded())
        player.stop();
    backToMenu();
}
