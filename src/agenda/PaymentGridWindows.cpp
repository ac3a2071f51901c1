#include "agenda/PaymentGridWindows.h"

#include "platform/Services.h"

#include <QTableView>

PaymentGridWindow::PaymentGridWindow(PaymentGrid kind, const QString &name, const QString &caption,
                                     const QString &title, const ExportLayout &layout, QDate calendarDay,
                                     QWidget *parent)
    : GridWindow(name, caption, title, PaymentGrids::headers(kind), PaymentGrids::editableColumns(kind), layout, parent)
    , m_kind(kind)
    , m_calendarDay(calendarDay)
{
    setHelp(kind == PaymentGrid::Scadenzario ? HelpTexts::forPaymentExport() : HelpTexts::forPaymentSummaries());
    setColumnWidths({56, 110, 60, 100, 260, 220, 200, 120, 120, 200, 160, 100, 120, 220, 130});
}

void PaymentGridWindow::fill()
{
    auto read = PaymentGrids::load(m_kind, Services::clock().today(), m_calendarDay);
    if (!read.complete()) {
        // The archive cannot be read (at all, or to the end): the grid keeps
        // its empty rows, as it was drawn, and says so instead of offering to
        // export them.
        readFailed();
        return;
    }
    // An archive with no record leaves the empty rows as they were drawn.
    if (read.records > 0)
        model()->setRows(std::move(read.rows));
}

TfrmExpImminenti::TfrmExpImminenti(QWidget *parent)
    : PaymentGridWindow(PaymentGrid::Imminenti, QStringLiteral("TfrmExpImminenti"),
                        QStringLiteral(" Scadenze imminenti"), QStringLiteral("Scadenze imminenti"),
                        ExportLayouts::imminenti(), {}, parent)
{
}

TfrmExpGiornaliere::TfrmExpGiornaliere(QDate calendarDay, QWidget *parent)
    : PaymentGridWindow(PaymentGrid::Giornaliere, QStringLiteral("TfrmExpGiornaliere"),
                        QStringLiteral(" Scadenze del giorno"), PaymentGrids::dayTitle(calendarDay),
                        ExportLayouts::giornaliere(), calendarDay, parent)
{
}

TfrmExpMensili::TfrmExpMensili(QDate calendarDay, QWidget *parent)
    : PaymentGridWindow(PaymentGrid::Mensili, QStringLiteral("TfrmExpMensili"), QStringLiteral(" Scadenze del mese"),
                        PaymentGrids::monthTitle(calendarDay), ExportLayouts::mensili(), calendarDay, parent)
{
}

TfrmExpScadenzario::TfrmExpScadenzario(QWidget *parent)
    : PaymentGridWindow(PaymentGrid::Scadenzario, QStringLiteral("TfrmExpScadenzario"),
                        QStringLiteral(" Esportazione archivio pagamenti"), QStringLiteral("Archivio pagamenti"),
                        ExportLayouts::scadenzario(), {}, parent)
{
}
