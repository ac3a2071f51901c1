#include "contacts/TfrmExpAnagrafica.h"

#include "contacts/ContactGrid.h"
#include "records/RecordArchive.h"

TfrmExpAnagrafica::TfrmExpAnagrafica(QWidget *parent)
    : GridWindow(QStringLiteral("TfrmExpAnagrafica"), QStringLiteral(" Esporta archivio anagrafico in Microsoft Excel"),
                 QStringLiteral("Esporta archivio anagrafico in Microsoft Excel"), ContactGrid::headers(),
                 ContactGrid::editableColumns(), ExportLayouts::anagrafica(), parent)
{
    setHelp(HelpTexts::forContactsExport());
    setColumnWidths(ContactGrid::widths());
}

void TfrmExpAnagrafica::fill()
{
    GridTable rows;
    try {
        if (auto all = ContactGrid::load(&rows))
            model()->setRows(std::move(*all));
    } catch (const ArchiveError &) {
        // The archive cannot be read to the end: the rows read before the
        // failure are shown; none read, the empty rows stay. Either way the
        // user is told, and nothing is exported as if it were the archive.
        if (!rows.isEmpty())
            model()->setRows(std::move(rows));
        readFailed();
    }
}
