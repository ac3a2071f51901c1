#include "agenda/PaymentGridWindows.h"

#include "agenda/TfrmAgenda.h"
#include "app/Windows.h"
#include "platform/Services.h"
#include "records/RecordFile.h"

#include <QCalendarWidget>
#include <QTableView>

PaymentGridWindow::PaymentGridWindow(PaymentGrid kind, const QString &name, const QString &caption,
                                     const QString &title, const ExportLayout &layout, QWidget *parent)
    : GridWindow(name, caption, title, PaymentGrids::headers(kind), PaymentGrids::editableColumns(kind), layout, parent)
    , m_kind(kind)
{
    setHelp(kind == PaymentGrid::Scadenzario ? HelpTexts::forPaymentExport() : HelpTexts::forPaymentSummaries());
    setColumnWidths({56, 110, 60, 100, 260, 220, 200, 120, 120, 200, 160, 100, 120, 220, 130});
}

QDate PaymentGridWindow::calendarDay() const
{
    if (TfrmAgenda *agenda = Windows::resident().agenda)
        return agenda->calAppuntamenti->selectedDate();
    return Services::clock().today();
}

void PaymentGridWindow::fill()
{
    try {
        if (auto rows = PaymentGrids::load(m_kind, Services::clock().today(), calendarDay()))
            model()->setRows(std::move(*rows));
    } catch (const RecordFileError &) {
        // The archive cannot be read: the grid keeps its empty rows, as it was drawn.
    }
}

TfrmExpImminenti::TfrmExpImminenti(QWidget *parent)
    : PaymentGridWindow(PaymentGrid::Imminenti, QStringLiteral("TfrmExpImminenti"), QStringLiteral(" Scadenze imminenti"),
                        QStringLiteral("Scadenze imminenti"), ExportLayouts::imminenti(), parent)
{
}

TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget *parent)
    : PaymentGridWindow(PaymentGrid::Giornaliere, QStringLiteral("TfrmExpGiornaliere"), QStringLiteral(" Scadenze del giorno"),
                        QStringLiteral("Scadenze del giorno"), ExportLayouts::giornaliere(), parent)
{
}

TfrmExpMensili::TfrmExpMensili(QWidget *parent)
    : PaymentGridWindow(PaymentGrid::Mensili, QStringLiteral("TfrmExpMensili"), QStringLiteral(" Scadenze del mese"),
                        QStringLiteral("Scadenze del mese"), ExportLayouts::mensili(), parent)
{
}

TfrmExpScadenzario::TfrmExpScadenzario(QWidget *parent)
    : PaymentGridWindow(PaymentGrid::Scadenzario, QStringLiteral("TfrmExpScadenzario"),
                        QStringLiteral(" Esportazione archivio pagamenti"), QStringLiteral("Archivio pagamenti"),
                        ExportLayouts::scadenzario(), parent)
{
}
