#include "ui/widgets/TitleBand.h"

#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

TitleBand makeTitleBand(QWidget *parent, const QString &logoName, const QString &title, const QString &subtitle,
                        int titlePoints)
{
    auto *band = new QWidget(parent);
    band->setObjectName(QStringLiteral("bkgTitolo"));
    band->setAttribute(Qt::WA_StyledBackground);
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(16, 8, 16, 8);
    row->addWidget(
        PictureButton::decoration(logoName, QStringLiteral(":/pictures/icona_app.svg"), QSize(48, 48), band));
    auto *texts = new QVBoxLayout;
    auto *label = new QLabel(title, band);
    label->setObjectName(QStringLiteral("lblTitolo"));
    label->setFont(Widgets::boldFont(label, titlePoints));
    texts->addWidget(label);
    if (!subtitle.isEmpty()) {
        auto *s = new QLabel(subtitle, band);
        s->setObjectName(QStringLiteral("lblSottotitolo"));
        texts->addWidget(s);
    }
    row->addLayout(texts, 1);
    return {band, row, label};
}
