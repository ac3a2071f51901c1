#include "ui/SpreadsheetExport.h"

#include "ui/TMisc.h"
#include "platform/GuiServices.h"
#include "platform/Services.h"

#include <QFile>

#include <stdexcept>

namespace SpreadsheetExport {

bool run(QWidget *parent, const ExportLayout &layout, int rowCount, const OfficeHtmlWorkbook::CellText &cell)
{
    if (!Services::ask(parent, QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi minuti a "
                                              "seconda del numero di schede presenti in archivio.\r\n\r\n"
                                              "Si vuole esportare i dati adesso?")))
        return false;
    const QString path = Services::programFile(layout.fileName);
    try {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw std::runtime_error("cannot create the export file");
        OfficeHtmlWorkbook::write(file, layout, rowCount, cell);
        if (!file.flush())
            throw std::runtime_error("cannot write the export file");
        file.close();
        if (file.error() != QFileDevice::NoError)
            throw std::runtime_error("cannot close the export file");
    } catch (const std::exception &) {
        Services::plain(parent, QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                                               "Accertarsi che il file di Excel non sia già aperto."));
        return false;
    }
    if (Services::ask(parent, QStringLiteral("Le schede in archivio sono state esportate con successo.\r\n\r\n"
                                             "Si vuole aprire il file di Excel?")))
        TMisc::Open(QLatin1Char('"') + path + QLatin1Char('"'));
    return true;
}

}
