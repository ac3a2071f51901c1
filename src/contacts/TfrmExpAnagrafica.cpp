#include "contacts/TfrmExpAnagrafica.h"

#include "contacts/ContactGrid.h"

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
    auto read = ContactGrid::load();
    // An archive with no record leaves the empty rows as they were drawn. One
    // that cannot be read to the end shows the rows read before the failure
    // (none read, the empty rows stay); either way the user is told, and
    // nothing is exported as if it were the archive.
    if (read.records > 0)
        model()->setRows(std::move(read.rows));
    if (!read.complete())
        readFailed();
}
