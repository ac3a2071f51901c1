#include "payments/PaymentListWindows.h"

#include "platform/GuiServices.h"
#include "platform/Services.h"
#include "records/ArchiveMessages.h"
#include "ui/RowList.h"

#include <QLineEdit>
#include <QShowEvent>
#include <QTimer>

PaymentStatusWindow::PaymentStatusWindow(PaymentStatus status, const QString &name, const QString &caption,
                                         const QString &printTitle, QWidget *parent)
    : ListWindow(name, caption, printTitle, printTitle, parent)
    , m_status(status)
{
}

void PaymentStatusWindow::showEvent(QShowEvent *event)
{
    ListWindow::showEvent(event);
    if (!event->spontaneous())
        load();
}

void PaymentStatusWindow::load()
{
    resetSearch();
    auto read = PaymentLists::loadStatusList(m_status, Services::clock().today());
    // Read to the end or not, the rows read are shown; the user is told when
    // the list is not the whole archive.
    setRows(std::move(read.rows));
    txtTrova->setFocus();
    if (!read.complete())
        QTimer::singleShot(0, this, [this] { Services::error(this, ArchiveMessages::accessError()); });
}

TfrmConfermati::TfrmConfermati(QWidget *parent)
    : PaymentStatusWindow(PaymentStatus::DaAssolvere, QStringLiteral("TfrmConfermati"),
                          QStringLiteral(" Riepilogo impegni da assolvere"), QStringLiteral("Riepilogo impegni da assolvere"), parent)
{
}

TfrmScaduti::TfrmScaduti(QWidget *parent)
    : PaymentStatusWindow(PaymentStatus::Scaduti, QStringLiteral("TfrmScaduti"),
                          QStringLiteral(" Riepilogo impegni scaduti e non assolti"),
                          QStringLiteral("Riepilogo impegni scaduti e non assolti"), parent)
{
}

TfrmAssolti::TfrmAssolti(QWidget *parent)
    : PaymentStatusWindow(PaymentStatus::Assolti, QStringLiteral("TfrmAssolti"),
                          QStringLiteral(" Riepilogo impegni assolti"), QStringLiteral("Riepilogo impegni assolti"), parent)
{
}
