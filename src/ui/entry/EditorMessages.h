#pragma once
// The notices shared by the two editors and their lookups, written once. The
// archive's own messages (the access error) are ArchiveMessages.

#include <QString>

namespace EditorMessages {
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
inline QString changesSaved()
{
    return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}
inline QString inserted() { return QStringLiteral("La scheda corrente è stata inserita in archivio."); }
inline QString nameRequired()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del contatto.");
}
}
