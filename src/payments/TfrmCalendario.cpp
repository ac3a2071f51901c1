#include "payments/TfrmCalendario.h"

#include "platform/Services.h"
#include "platform/FixedWindow.h"
#include "ui/widgets/Widgets.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmCalendario::TfrmCalendario(Opener opener, QWidget *parent)
    : QDialog(parent)
    , m_opener(opener)
{
    setObjectName(QStringLiteral("TfrmCalendario"));
    setWindowTitle(QStringLiteral(" Importazione data"));

    lblCampo001 = new QLabel(QStringLiteral("Importare una data:"), this);
    lblCampo001->setObjectName(QStringLiteral("lblCampo001"));
    lblCampo001->setFont(Widgets::boldFont(lblCampo001));

    calAppuntamenti = new QCalendarWidget(this);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setGridVisible(true);
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setSelectedDate(Services::clock().today());
    Widgets::selectionFollowsPage(calAppuntamenti);

    btnImportaData = new QPushButton(QStringLiteral("Importa"), this);
    btnImportaData->setObjectName(QStringLiteral("btnImportaData"));
    btnImportaData->setDefault(true);
    btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    for (QPushButton *b : {btnImportaData, btnAnnulla})
        b->setMinimumWidth(110);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnImportaData);
    buttons->addWidget(btnAnnulla);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(lblCampo001);
    layout->addWidget(calAppuntamenti);
    layout->addLayout(buttons);
    FixedWindow::apply(this);
    // The picker opens over the card that asked for the date.
    FixedWindow::centreOnOwner(this);

    connect(btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::importDate);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmCalendario::importDate()
{
    // Only the due date receives the date; for any other opener the picker
    // stays open.
    if (m_opener != Opener::PaymentDueDate)
        return;
    emit dateChosen(calAppuntamenti->selectedDate());
    accept();
}
