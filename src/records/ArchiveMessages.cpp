#include "records/ArchiveMessages.h"

namespace ArchiveMessages {

QString accessError()
{
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
        "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

QString inUse()
{
    return QStringLiteral("Attenzione: l'archivio è in uso da parte di un'altra copia del programma "
                          "e la scheda non è stata salvata.\n\r\n\r"
                          "Attendere qualche istante e riprovare.");
}

}
