#include "agenda/TfrmAgenda.h"

#include "agenda/Imminence.h"
#include "agenda/PaymentGridWindows.h"
#include "ui/AppFrame.h"
#include "lists/ListReport.h"
#include "ui/HelpTexts.h"
#include "ui/TfrmGuida.h"
#include "platform/GuiServices.h"
#include "platform/Services.h"
#include "records/RecordArchive.h"
#include "ui/PictureButton.h"
#include "ui/Residents.h"
#include "ui/RowList.h"

#include <QCalendarWidget>
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
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    imgEsci = AppFrame::addHeader(this, layout, QStringLiteral("Gestione Scadenze"),
                                  QStringLiteral("Pagamenti in entrata e in uscita: le scadenze imminenti"));

    auto *body = new QHBoxLayout;
    body->setContentsMargins(16, 16, 16, 8);
    body->setSpacing(16);
    layout->addLayout(body, 1);

    // Left: the calendar and the day and month summaries.
    auto *left = new QVBoxLayout;
    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setFixedSize(340, 260);
    calAppuntamenti->setSelectedDate(Services::clock().today());
    left->addWidget(calAppuntamenti);
    btnGiorno = new PictureButton(QStringLiteral("btnGiorno"), pic("btn_giorno.svg"), QSize(220, 48), QStringLiteral("Scadenze del giorno"), this);
    btnMese = new PictureButton(QStringLiteral("btnMese"), pic("btn_mese.svg"), QSize(220, 48), QStringLiteral("Scadenze del mese"), this);
    left->addSpacing(8);
    left->addWidget(btnGiorno, 0, Qt::AlignHCenter);
    left->addWidget(btnMese, 0, Qt::AlignHCenter);
    left->addSpacing(16);
    imgAppuntamentiNO = PictureButton::decoration(QStringLiteral("imgAppuntamentiNO"), pic("figura_calma.svg"), QSize(200, 260), this);
    imgAppuntamentiSI = PictureButton::decoration(QStringLiteral("imgAppuntamentiSI"), pic("figura_allarme.svg"), QSize(200, 260), this);
    left->addWidget(imgAppuntamentiNO, 0, Qt::AlignHCenter);
    left->addWidget(imgAppuntamentiSI, 0, Qt::AlignHCenter);
    left->addStretch();
    body->addLayout(left);

    // Right: the state bubble, the imminent list and the commands.
    auto *right = new QVBoxLayout;
    auto *state = new QHBoxLayout;
    imgAssenti = PictureButton::decoration(QStringLiteral("imgAssenti"), pic("fumetto_assenti.svg"), QSize(420, 150), this);
    imgPresenti = PictureButton::decoration(QStringLiteral("imgPresenti"), pic("fumetto_presenti.svg"), QSize(420, 150), this);
    state->addWidget(imgAssenti);
    state->addWidget(imgPresenti);
    state->addStretch();
    right->addLayout(state);

    auto *caption = new QLabel(QStringLiteral("Scadenze imminenti (in ordine di data e ora)"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    caption->setFont(bold);
    right->addWidget(caption);
    lstRecords = new RowListView(QStringLiteral("lstRecords"), 14, this);
    right->addWidget(lstRecords, 1);
    m_lblConteggio = new QLabel(this);
    m_lblConteggio->setObjectName(QStringLiteral("lblConteggio"));
    right->addWidget(m_lblConteggio);

    auto *commands = new QHBoxLayout;
    btnArchivio = new PictureButton(QStringLiteral("btnArchivio"), pic("btn_archivio.svg"), QSize(220, 48), QStringLiteral("Archivio Pagamenti"), this);
    appApriArchivio = new PictureButton(QStringLiteral("appApriArchivio"), pic("apri_archivio.svg"), QSize(48, 48), QStringLiteral("Apri l'archivio pagamenti"), this);
    btnExcel = new PictureButton(QStringLiteral("btnExcel"), pic("btn_excel.svg"), QSize(220, 48), QStringLiteral("Esporta in Excel"), this);
    btnStampa = new PictureButton(QStringLiteral("btnStampa"), pic("btn_stampa.svg"), QSize(220, 48), QStringLiteral("Stampa elenco"), this);
    imgGuida = new PictureButton(QStringLiteral("imgGuida"), pic("guida.svg"), QSize(48, 48), QStringLiteral("Guida"), this);
    commands->addWidget(appApriArchivio);
    commands->addWidget(btnArchivio);
    commands->addStretch();
    commands->addWidget(btnExcel);
    commands->addWidget(btnStampa);
    commands->addSpacing(16);
    commands->addWidget(imgGuida);
    right->addLayout(commands);
    body->addLayout(right, 1);

    btnCaricaLista = new QPushButton(QStringLiteral("Carica lista"), this);
    btnCaricaLista->setObjectName(QStringLiteral("btnCaricaLista"));
    btnCaricaLista->hide();
    connect(btnCaricaLista, &QPushButton::clicked, this, &TfrmAgenda::loadList);
    connect(imgEsci, &PictureButton::clicked, this, [this] { close(); });
    connect(btnGiorno, &PictureButton::clicked, this, [this] { TfrmExpGiornaliere(calAppuntamenti->selectedDate(), this).exec(); });
    connect(btnMese, &PictureButton::clicked, this, [this] { TfrmExpMensili(calAppuntamenti->selectedDate(), this).exec(); });
    connect(btnExcel, &PictureButton::clicked, this, [this] { TfrmExpImminenti(this).exec(); });
    connect(btnStampa, &PictureButton::clicked, this, [this] {
        ListReport::print(this, QStringLiteral("Riepilogo scadenze imminenti"), lstRecords->texts());
    });
    connect(imgGuida, &PictureButton::clicked, this, [this] { TfrmGuida::showTopic(this, HelpTexts::forAgenda()); });
    // The editor opens over the agenda's place; an alarm that is playing goes on.
    for (PictureButton *archive : {btnArchivio, appApriArchivio})
        connect(archive, &PictureButton::clicked, this,
                [this] { Residents::switchTo(this, Resident::Archivio); });

    setAlertState(false);
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
    m_lastScan.reset();
    try {
        ImminentScan scan = scanImminent(Services::clock().today());
        lstRecords->setItemWidth(1600);
        lstRecords->setRows(scan.rows);
        m_lastScan = std::move(scan);
    } catch (const ArchiveError &) {
        // Cannot open: the list keeps the previous rows.
    }
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
    if (!m_lastScan || !m_lastScan->complete) {
        // The archive cannot be read: the pictures keep their state, no sound.
        return;
    }
    const int count = int(m_lastScan->rows.size());
    if (m_lastScan->records == 0) {
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
