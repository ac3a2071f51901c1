#include "ui/widgets/AppFrame.h"

#include "ui/widgets/PictureButton.h"
#include "ui/widgets/TitleBand.h"

#include <QBoxLayout>

namespace AppFrame {

PictureButton *addHeader(QWidget *window, QBoxLayout *layout, const QString &title, const QString &subtitle)
{
    const TitleBand header = makeTitleBand(window, QStringLiteral("icoApp"), title, subtitle, 18);
    QWidget *band = header.band;
    QHBoxLayout *row = header.row;
    auto *exit = new PictureButton(QStringLiteral("imgEsci"), QStringLiteral(":/pictures/esci.svg"), QSize(44, 44), QStringLiteral("Esci"), band);
    row->addWidget(exit);
    layout->addWidget(band);
    return exit;
}

}
