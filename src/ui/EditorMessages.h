#pragma once
// The notices shared by the two editors and their lookups, written once.

#include "records/ArchiveMessages.h"

#include <QString>

namespace EditorMessages {
// A file that cannot be opened, read or written; LF CR LF CR between the sentences.
inline QString accessError() { return ArchiveMessages::accessError(); }
inline QString emptyArchive() { return QStringLiteral("L'archivio non contiene nessuna scheda."); }
inline QString duplicateRefused()
{
    return QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
                          "inserita in archivio.");
}
inline QString duplicated()
{
    return QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                          "Al termine premere Salva per inserire la scheda in archivio.");
}
inline QString changesSaved() { return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."); }
inline QString inserted() { return QStringLiteral("La scheda corrente è stata inserita in archivio."); }
}
