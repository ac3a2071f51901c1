#include "app/TfrmAvvio.h"

#include "ui/windows/HelpTexts.h"
#include "ui/widgets/Look.h"
#include "app/Product.h"
#include "ui/windows/TMisc.h"
#include "ui/windows/TfrmGuida.h"
#include "app/TfrmInfo.h"
#include "app/TfrmSplash.h"
#include "app/Windows.h"
#include "contacts/TfrmAnagrafica.h"
#include "journal/TfrmMenuBilancio.h"
#include "agenda/TfrmAgenda.h"
#include "ui/widgets/PictureButton.h"

#include <QLabel>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace {
QString pic(const char *name) { return QStringLiteral(":/pictures/") + QLatin1String(name); }
}

TfrmAvvio::TfrmAvvio(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TfrmAvvio"));
    setWindowTitle(QStringLiteral(" Tarvenio 3.0"));

    const QSize tile(260, 200), button(260, 54), icon(56, 56);
    imgApp01 = new PictureButton(QStringLiteral("imgApp01"), pic("app_anagrafica.svg"), tile,
                                 QStringLiteral("Archivio Anagrafico"), this);
    btnApp01 = new PictureButton(QStringLiteral("btnApp01"), pic("btn_anagrafica.svg"), button,
                                 QStringLiteral("Archivio Anagrafico"), this);
    imgApp02 = new PictureButton(QStringLiteral("imgApp02"), pic("app_scadenze.svg"), tile,
                                 QStringLiteral("Gestione Scadenze"), this);
    btnApp02 = new PictureButton(QStringLiteral("btnApp02"), pic("btn_scadenze.svg"), button,
                                 QStringLiteral("Gestione Scadenze"), this);
    imgApp03 = new PictureButton(QStringLiteral("imgApp03"), pic("app_bilancio.svg"), tile,
                                 QStringLiteral("Primanota e Bilancio"), this);
    btnApp03 = new PictureButton(QStringLiteral("btnApp03"), pic("btn_bilancio.svg"), button,
                                 QStringLiteral("Primanota e Bilancio"), this);
    imgInfo = new PictureButton(QStringLiteral("imgInfo"), pic("info.svg"), icon, QStringLiteral("Informazioni"), this);
    imgGuida = new PictureButton(QStringLiteral("imgGuida"), pic("guida.svg"), icon, QStringLiteral("Guida"), this);
    imgCopyright = new PictureButton(QStringLiteral("imgCopyright"), pic("copyright.svg"), icon,
                                     QStringLiteral("Copyright"), this);
    imgEsci = new PictureButton(QStringLiteral("imgEsci"), pic("esci.svg"), icon, QStringLiteral("Esci"), this);
    imgSito = new PictureButton(QStringLiteral("imgSito"), pic("banner_sito.svg"), QSize(800, 50),
                                QStringLiteral("Sito web"), this);

    auto *icoTitoloApp =
        PictureButton::decoration(QStringLiteral("icoTitoloApp"), pic("titolo_app.svg"), QSize(640, 110), this);
    auto *imgSottotitolo =
        PictureButton::decoration(QStringLiteral("imgSottotitolo"), pic("sottotitolo.svg"), QSize(640, 40), this);
    auto *icoApp = PictureButton::decoration(QStringLiteral("icoApp"), pic("icona_app.svg"), QSize(56, 56), this);
    auto *icoDeco = PictureButton::decoration(QStringLiteral("icoDeco"), pic("icona_deco.svg"), QSize(56, 56), this);

    auto *top = new QHBoxLayout;
    top->addWidget(imgInfo, 0, Qt::AlignTop);
    top->addStretch();
    auto *titles = new QVBoxLayout;
    titles->addWidget(icoTitoloApp, 0, Qt::AlignHCenter);
    titles->addWidget(imgSottotitolo, 0, Qt::AlignHCenter);
    top->addLayout(titles);
    top->addStretch();
    top->addWidget(imgGuida, 0, Qt::AlignTop);

    auto *apps = new QGridLayout;
    apps->setHorizontalSpacing(48);
    apps->setVerticalSpacing(12);
    apps->addWidget(imgApp01, 0, 0, Qt::AlignHCenter);
    apps->addWidget(btnApp01, 1, 0, Qt::AlignHCenter);
    apps->addWidget(imgApp02, 0, 1, Qt::AlignHCenter);
    apps->addWidget(btnApp02, 1, 1, Qt::AlignHCenter);
    apps->addWidget(imgApp03, 0, 2, Qt::AlignHCenter);
    apps->addWidget(btnApp03, 1, 2, Qt::AlignHCenter);
    auto *appsRow = new QHBoxLayout;
    appsRow->addStretch();
    appsRow->addLayout(apps);
    appsRow->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(imgCopyright, 0, Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(icoApp, 0, Qt::AlignBottom);
    bottom->addSpacing(16);
    bottom->addWidget(imgSito, 0, Qt::AlignBottom);
    bottom->addSpacing(16);
    bottom->addWidget(icoDeco, 0, Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(imgEsci, 0, Qt::AlignBottom);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addLayout(top);
    layout->addStretch(1);
    layout->addLayout(appsRow);
    layout->addStretch(2);
    layout->addLayout(bottom);

    connect(imgApp01, &PictureButton::clicked, this, [this] { openApp(Windows::resident().anagrafica); });
    connect(btnApp01, &PictureButton::clicked, this, [this] { openApp(Windows::resident().anagrafica); });
    connect(imgApp02, &PictureButton::clicked, this, [this] { openApp(Windows::resident().agenda); });
    connect(btnApp02, &PictureButton::clicked, this, [this] { openApp(Windows::resident().agenda); });
    connect(imgApp03, &PictureButton::clicked, this, [this] { openApp(Windows::resident().menuBilancio); });
    connect(btnApp03, &PictureButton::clicked, this, [this] { openApp(Windows::resident().menuBilancio); });
    connect(imgEsci, &PictureButton::clicked, this, [] { Residents::endProgram(); });
    connect(imgSito, &PictureButton::clicked, this, [] { TMisc::Open(webSite()); });
    connect(imgInfo, &PictureButton::clicked, this, [this] { TfrmInfo::showOver(this); });
    connect(imgGuida, &PictureButton::clicked, this, [this] { TfrmGuida::showTopic(this, HelpTexts::forMainMenu()); });
    connect(imgCopyright, &PictureButton::clicked, this, [this] { TfrmSplash::showOver(this); });
}

QString TfrmAvvio::webSite() { return Product::webSite(); }

void TfrmAvvio::openApp(QWidget *target)
{
    if (target)
        Residents::switchTo(this, target);
}

void TfrmAvvio::closeEvent(QCloseEvent *event)
{
    event->accept();
    Residents::endProgram();
}

void TfrmAvvio::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(Colour::Mist));
    sky.setColorAt(1, QColor(Colour::Sky));
    painter.fillRect(rect(), sky);
}
