// The contacts and journal app windows: their own content arrives with their
// records; here they are reachable from the menu and lead back to it.
#include "app/AppFrame.h"
#include "app/TfrmAnagrafica.h"
#include "app/TfrmMenuBilancio.h"
#include "ui/PictureButton.h"

#include <QLabel>
#include <QVBoxLayout>

TfrmAnagrafica::TfrmAnagrafica(QWidget *parent)
    : ResidentWindow(QStringLiteral("TfrmAnagrafica"), QStringLiteral(" Tarvenio 3.0 - Archivio Anagrafico"), parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    imgEsci = AppFrame::addHeader(this, layout, QStringLiteral("Archivio Anagrafico"),
                                  QStringLiteral("Clienti, fornitori e contatti"));
    layout->addStretch();
    connect(imgEsci, &PictureButton::clicked, this, [this] { close(); });
}

TfrmMenuBilancio::TfrmMenuBilancio(QWidget *parent)
    : ResidentWindow(QStringLiteral("TfrmMenuBilancio"), QStringLiteral(" Tarvenio 3.0 - Primanota e Bilancio"), parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    imgEsci = AppFrame::addHeader(this, layout, QStringLiteral("Primanota e Bilancio"),
                                  QStringLiteral("Entrate, uscite e saldo di un periodo"));
    layout->addStretch();
    connect(imgEsci, &PictureButton::clicked, this, [this] { close(); });
}
