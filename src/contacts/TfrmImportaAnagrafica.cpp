#include "contacts/TfrmImportaAnagrafica.h"

#include "records/RecordArchive.h"
#include "ui/widgets/RowList.h"

TfrmImportaAnagrafica::TfrmImportaAnagrafica(Opener opener, QWidget *parent)
    : ContactSearchWindow(QStringLiteral("TfrmImportaAnagrafica"),
                          QStringLiteral(" Importa dati da archivio anagrafico"),
                          QStringLiteral("Importa dati da archivio anagrafico"), QStringLiteral("Riepilogo clienti"),
                          opener, parent)
{
}

void TfrmImportaAnagrafica::chooseRow(int row)
{
    const QVector<ListRow> &rows = lstRecords->rowModel()->rows();
    // The row knows its record: the contact clicked is the one imported, even
    // when another contact gives the same row text. It is read again so the
    // payment gets what the file holds now.
    if (openedBy(Opener::PaymentEditor) && row >= 0 && row < rows.size() && rows[row].record > 0) {
        try {
            const ContactRecord contact = ContactArchive::read(rows[row].record);
            emit contactChosen(contact);
        } catch (const ArchiveError &) {
            // The window closes without a message; nothing is imported.
        }
    }
    accept();
}
