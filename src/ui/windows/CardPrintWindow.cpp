#include "ui/windows/CardPrintWindow.h"

#include "platform/FixedWindow.h"
#include "ui/widgets/PictureButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CardPrintWindow::CardPrintWindow(QWidget *parent, const CardPrintLook &look, ReportLayout layout)
    : QDialog(parent)
    , repDocumento(std::move(layout))
{
    setObjectName(look.objectName);
    setWindowTitle(look.caption);

    QLabel *imgStampa = PictureButton::decoration(QStringLiteral("imgStampa"), look.bigPicture, QSize(64, 64), this);
    QLabel *imgScheda = PictureButton::decoration(QStringLiteral("imgScheda"), look.smallPicture, QSize(32, 32), this);

    auto *lblTitolo = new QLabel(look.title, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont bold = lblTitolo->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblTitolo->setFont(bold);

    lblIstruzioni = new QLabel(look.instructions, this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);
    lblIstruzioni->setFixedWidth(300);
    // The fixed-size window takes the label's height from its size hint, which
    // a wrapped text works out for a width of its own choosing: ask for the
    // height at the real width, or the last line of a long text is cut off.
    lblIstruzioni->setMinimumHeight(lblIstruzioni->heightForWidth(300));

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnStampa = new QPushButton(look.actionText, this);
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

    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(18, 16, 18, 14);
    box->setSpacing(14);
    box->addLayout(body);
    box->addLayout(buttons);
    FixedWindow::apply(this);
    FixedWindow::centreOnOwner(this);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnStampa, &QPushButton::clicked, this, [this] { act(); });
}
