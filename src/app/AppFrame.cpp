#include "app/AppFrame.h"

#include "ui/PictureButton.h"

#include <QBoxLayout>
#include <QLabel>

namespace AppFrame {

PictureButton *addHeader(QWidget *window, QBoxLayout *layout, const QString &title, const QString &subtitle)
{
    auto *band = new QWidget(window);
    band->setObjectName(QStringLiteral("bkgTitolo"));
    band->setAttribute(Qt::WA_StyledBackground);
    band->setStyleSheet(QStringLiteral("#bkgTitolo { background: #1f4e79; }"
                                       "#bkgTitolo QLabel { color: white; }"));
    auto *row = new QHBoxLayout(band);
    row->setContentsMargins(16, 8, 16, 8);
    row->addWidget(PictureButton::decoration(QStringLiteral("icoApp"), QStringLiteral(":/pictures/icona_app.svg"), QSize(48, 48), band));
    auto *texts = new QVBoxLayout;
    auto *t = new QLabel(title, band);
    t->setObjectName(QStringLiteral("lblTitolo"));
    QFont f = t->font();
    f.setPointSize(18);
    f.setBold(true);
    t->setFont(f);
    auto *s = new QLabel(subtitle, band);
    s->setObjectName(QStringLiteral("lblSottotitolo"));
    texts->addWidget(t);
    texts->addWidget(s);
    row->addLayout(texts, 1);
    auto *exit = new PictureButton(QStringLiteral("imgEsci"), QStringLiteral(":/pictures/esci.svg"), QSize(44, 44), QStringLiteral("Esci"), band);
    row->addWidget(exit);
    layout->addWidget(band);
    return exit;
}

}
