#include "payments/PaymentListWindows.h"

#include "platform/Services.h"
#include "ui/widgets/RowList.h"

#include <QLineEdit>

PaymentStatusWindow::PaymentStatusWindow(PaymentStatus status, const QString &name, const QString &caption,
                                         const QString &printTitle, QWidget *parent)
    : ListWindow(name, caption, printTitle, printTitle, parent)
    , m_status(status)
{
}

void PaymentStatusWindow::fill()
{
    resetSearch();
    auto read = PaymentLists::loadStatusList(m_status, Services::clock().today());
    // Read to the end or not, the rows read are shown; the user is told when
    // the list is not the whole archive.
    setRows(std::move(read.rows));
    txtTrova->setFocus();
    if (!read.complete())
        readFailed();
}

TfrmConfermati::TfrmConfermati(QWidget *parent)
    : PaymentStatusWindow(PaymentStatus::DaAssolvere, QStringLiteral("TfrmConfermati"),
                          QStringLiteral(" Riepilogo impegni da assolvere"),
                          QStringLiteral("Riepilogo impegni da assolvere"), parent)
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
                          QStringLiteral(" Riepilogo impegni assolti"), QStringLiteral("Riepilogo impegni assolti"),
                          parent)
{
}
