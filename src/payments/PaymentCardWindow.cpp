#include "payments/PaymentCardWindow.h"

#include "payments/PaymentCard.h"
#include "platform/Services.h"
#include "report/CardReport.h"
#include "ui/FixedWindow.h"
#include "ui/PictureButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PaymentCardWindow::PaymentCardWindow(QWidget *parent, const QString &objectName, const QString &caption,
                                     const QString &actionText, const QString &picture,
                                     const QString &instructions)
    : QDialog(parent)
    , repDocumento(CardReport::layout(PaymentCard::layoutName(), PaymentCard::title(), PaymentCard::labels(),
                                      PaymentCard::boxes(), PaymentCard::FooterTop))
{
    setObjectName(objectName);
    setWindowTitle(caption);

    QLabel *imgStampa = PictureButton::decoration(QStringLiteral("imgStampa"), picture, QSize(64, 64), this);
    QLabel *imgScheda = PictureButton::decoration(QStringLiteral("imgScheda"), QStringLiteral(":/pictures/note.svg"),
                                                  QSize(32, 32), this);

    auto *lblTitolo = new QLabel(QStringLiteral("Scheda del pagamento"), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont bold = lblTitolo->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblTitolo->setFont(bold);

    lblIstruzioni = new QLabel(instructions, this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);
    lblIstruzioni->setFixedWidth(300);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnStampa = new QPushButton(actionText, this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setDefault(true);
    for (QPushButton *b : {btnAnnulla, btnStampa})
        b->setMinimumWidth(130);

    auto *heading = new QHBoxLayout;
    heading->addWidget(imgScheda);
    heading->addWidget(lblTitolo, 1);
    auto *text = new QVBoxLayout;
    text->addLayout(heading);
    text->addWidget(lblIstruzioni);
    text->addStretch();
    auto *body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(imgStampa, 0, Qt::AlignTop);
    body->addLayout(text);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnStampa);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 14);
    layout->setSpacing(14);
    layout->addLayout(body);
    layout->addLayout(buttons);
    FixedWindow::apply(this);
    FixedWindow::centreOnOwner(this);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, [this] { act(); });
}

PreparedReport PaymentCardWindow::preparedCard() const
{
    const Clock &clock = Services::clock();
    return CardReport::prepare(repDocumento, PaymentCard::values(m_payment), clock.today(), clock.now());
}
