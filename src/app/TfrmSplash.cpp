#include "app/TfrmSplash.h"

#include "ui/widgets/DialogFrame.h"
#include "app/Product.h"
#include "ui/windows/TMisc.h"
#include "platform/FixedWindow.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmSplash::TfrmSplash(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral(" ") + Product::name() + QStringLiteral(" - ") + Product::copyright());
    DialogFrame::setBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 18);
    layout->setSpacing(14);
    // The logo carries the copyright notice.
    imgLogo = PictureButton::decoration(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/splash.svg"),
                                        QSize(520, 230), this);
    imgLogo->setAccessibleName(Product::copyright());
    layout->addWidget(imgLogo, 0, Qt::AlignHCenter);

    auto *foot = new QHBoxLayout;
    imgWeb = new PictureButton(QStringLiteral("imgWeb"), QStringLiteral(":/pictures/globo.svg"), QSize(36, 36),
                               QStringLiteral("Sito web"), this);
    lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), Product::webSiteText(), this);
    lnkWeb->setFont(Widgets::boldFont(lnkWeb, lnkWeb->font().pointSize() + 2));
    lnkWeb->addPicture(imgWeb);
    btnChiudi = DialogFrame::button(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    foot->addWidget(imgWeb);
    foot->addWidget(lnkWeb);
    foot->addStretch();
    foot->addWidget(btnChiudi);
    layout->addLayout(foot);

    FixedWindow::apply(this);

    connect(lnkWeb, &LinkLabel::clicked, this, [] { TMisc::Open(Product::webSite()); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

void TfrmSplash::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Over its owner, unlike the other small windows.
    if (!event->spontaneous())
        FixedWindow::centreOnOwner(this);
}

void TfrmSplash::showOver(QWidget *opener)
{
    TfrmSplash window(opener);
    window.exec();
}
