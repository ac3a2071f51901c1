// The contacts app window: its own content arrives with its records; here it
// is reachable from the menu and leads back to it.
#include "app/AppFrame.h"
#include "app/TfrmAnagrafica.h"
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
