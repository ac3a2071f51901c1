#include "ui/widgets/AppFrame.h"

#include "ui/widgets/InfoBar.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/TitleBand.h"

#include <QBoxLayout>

namespace AppFrame {

QVBoxLayout *column(QWidget *window)
{
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

namespace {
TitleBand band(QWidget *window, QBoxLayout *layout, const QString &title, const QString &subtitle)
{
    const TitleBand header = makeTitleBand(window, QStringLiteral("icoApp"), title, subtitle, 18);
    layout->addWidget(header.band);
    return header;
}
}

PictureButton *addHeader(QWidget *window, QBoxLayout *layout, const QString &title, const QString &subtitle)
{
    const TitleBand header = band(window, layout, title, subtitle);
    auto *exit = new PictureButton(QStringLiteral("imgEsci"), QStringLiteral(":/pictures/esci.svg"), QSize(44, 44),
                                   QStringLiteral("Esci"), header.band);
    header.row->addWidget(exit);
    return exit;
}

void addTitle(QWidget *window, QBoxLayout *layout, const QString &title, const QString &subtitle)
{
    band(window, layout, title, subtitle);
}

void addCentredCard(QBoxLayout *layout, QWidget *card, QMargins room, int weight, int below)
{
    auto *middle = new QHBoxLayout;
    middle->setContentsMargins(room);
    middle->addStretch(1);
    middle->addWidget(card, weight);
    middle->addStretch(1);
    layout->addStretch(1);
    layout->addLayout(middle);
    layout->addStretch(below);
}

InfoBar *addInfoBar(QWidget *window, QBoxLayout *layout)
{
    auto *bar = new InfoBar(window);
    layout->addWidget(bar);
    return bar;
}

}
