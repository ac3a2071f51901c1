// The journal app window: its own content arrives with the journal; here it is
// reachable from the menu and leads back to it.
#include "ui/AppFrame.h"
#include "app/TfrmMenuBilancio.h"
#include "ui/PictureButton.h"

#include <QLabel>
#include <QVBoxLayout>

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
