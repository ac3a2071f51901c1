#include "app/TfrmInfo.h"

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
#include <QVBoxLayout>

TfrmInfo::TfrmInfo(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Tarvenio 3.0"));
    DialogFrame::setBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 20);
    layout->setSpacing(12);
    imgLogo = DialogFrame::addLogo(this, layout);
    imgProdotto = PictureButton::decoration(QStringLiteral("imgProdotto"),
                                            QStringLiteral(":/pictures/info_prodotto.svg"), QSize(420, 96), this);
    imgUtente = PictureButton::decoration(QStringLiteral("imgUtente"), QStringLiteral(":/pictures/info_utente.svg"),
                                          QSize(420, 96), this);
    layout->addWidget(imgProdotto, 0, Qt::AlignHCenter);
    layout->addWidget(imgUtente, 0, Qt::AlignHCenter);

    auto *ask = new QLabel(QStringLiteral("Per informazioni e assistenza scrivere a:"), this);
    ask->setObjectName(QStringLiteral("lblRigo01"));
    layout->addSpacing(4);
    layout->addWidget(ask);
    auto *mail = new QHBoxLayout;
    imgEmail = new PictureButton(QStringLiteral("imgEmail"), QStringLiteral(":/pictures/email.svg"), QSize(36, 36),
                                 QStringLiteral("Scrivi una e-mail"), this);
    lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), Product::email(), this);
    lnkWeb->setFont(Widgets::boldFont(lnkWeb, lnkWeb->font().pointSize() + 2));
    lnkWeb->addPicture(imgEmail);
    btnChiudi = DialogFrame::button(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    mail->addWidget(imgEmail);
    mail->addWidget(lnkWeb);
    mail->addStretch();
    mail->addWidget(btnChiudi);
    layout->addLayout(mail);

    FixedWindow::apply(this);
    FixedWindow::centreOnScreen(this);

    connect(lnkWeb, &LinkLabel::clicked, this, [] { TMisc::OpenMail(Product::email(), mailSubject(), mailBody()); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

QString TfrmInfo::mailSubject() { return QStringLiteral("Software Tarvenio 3.0"); }

QString TfrmInfo::mailBody()
{
    return QStringLiteral("Salve, desidererei avere le seguenti informazioni sul software in oggetto:");
}

void TfrmInfo::showOver(QWidget *opener)
{
    TfrmInfo window(opener);
    window.exec();
}
