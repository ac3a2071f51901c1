#include "contacts/TfrmStampaAnagrafica.h"

#include "contacts/ContactCard.h"
#include "platform/GuiServices.h"
#include "platform/Services.h"
#include "report/CardReport.h"
#include "report/ReportOutput.h"
#include "ui/FixedWindow.h"
#include "ui/PictureButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmStampaAnagrafica::TfrmStampaAnagrafica(QWidget *parent)
    : QDialog(parent)
    , repDocumento(CardReport::layout(ContactCard::layoutName(), ContactCard::title(), ContactCard::labels(),
                                      ContactCard::boxes(), ContactCard::FooterTop))
{
    setObjectName(QStringLiteral("TfrmStampaAnagrafica"));
    setWindowTitle(QStringLiteral(" Stampa scheda"));

    QLabel *imgStampa = PictureButton::decoration(QStringLiteral("imgStampa"), QStringLiteral(":/pictures/stampa.svg"),
                                                  QSize(64, 64), this);
    QLabel *imgContatto = PictureButton::decoration(QStringLiteral("imgContatto"),
                                                    QStringLiteral(":/pictures/contatto.svg"), QSize(32, 32), this);

    auto *lblTitolo = new QLabel(QStringLiteral("Scheda del contatto"), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont bold = lblTitolo->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblTitolo->setFont(bold);

    lblIstruzioni = new QLabel(QStringLiteral("Premere \"Stampa\" per stampare su un foglio A4 la scheda del "
                                              "contatto così come appare nell'archivio anagrafico, anche se non "
                                              "ancora salvata. Nella finestra successiva si sceglie la stampante."),
                               this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);
    lblIstruzioni->setFixedWidth(300);

    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    btnStampa = new QPushButton(QStringLiteral("Stampa"), this);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnStampa->setDefault(true);
    for (QPushButton *b : {btnAnnulla, btnStampa})
        b->setMinimumWidth(130);

    auto *heading = new QHBoxLayout;
    heading->addWidget(imgContatto);
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
    connect(btnStampa, &QPushButton::clicked, this, &TfrmStampaAnagrafica::print);
}

void TfrmStampaAnagrafica::print()
{
    // A cancelled printer dialog closes the window without a word; a missing
    // box, no printer or a printer error all end in the one warning.
    bool failed = false;
    try {
        const Clock &clock = Services::clock();
        const PreparedReport card
            = CardReport::prepare(repDocumento, ContactCard::values(m_contact), clock.today(), clock.now());
        failed = Services::reportOutput().print(this, card) == PrintResult::Failed;
    } catch (...) {
        failed = true;
    }
    if (failed)
        Services::warning(this, CardReport::printFailedWarning());
    accept();
}
