#include "ui/windows/SpreadsheetExport.h"

#include "ui/windows/TMisc.h"
#include "platform/GuiServices.h"
#include "platform/SafeFile.h"
#include "platform/Services.h"

#include <stdexcept>

namespace {
const QString kAskExport = QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a seconda "
                                          "del numero di schede presenti in archivio.\r\n\r\n"
                                          "Si vuole esportare i dati adesso?");
const QString kExportFailed = QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                             "Accertarsi che il file di Excel non sia già aperto.");
const QString kAskOpen = QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                        "Si vuole aprire il file di Excel?");
}

namespace SpreadsheetExport {

bool run(QWidget *parent, const ExportLayout &layout, int rowCount, const OfficeHtmlWorkbook::CellText &cell)
{
    if (!Services::ask(parent, kAskExport))
        return false;
    const QString path = Services::programFile(layout.fileName);
    try {
        // The document goes to a temporary file beside the old export, which
        // is replaced only once the new one is complete: a full disk or a size
        // limit leaves the previous export whole.
        SafeFile file(path);
        file.create();
        OfficeHtmlWorkbook::write(file, layout, rowCount, cell);
        file.commit();
    } catch (const std::exception &) {
        Services::plain(parent, kExportFailed);
        return false;
    }
    if (Services::ask(parent, kAskOpen))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
    return true;
}

}
