#include "contacts/ContactGrid.h"

namespace ExportLayouts {

ExportLayout anagrafica()
{
    return {QStringLiteral("Anagrafica.xls"), QStringLiteral("Archivio Anagrafico"),
            {
                {QStringLiteral("Nome, cognome o Ragione sociale"), 350}, {QStringLiteral("Indirizzo"), 350},
                {QStringLiteral("CAP"), 180}, {QStringLiteral("Località"), 250}, {QStringLiteral("Prov."), 180},
                {QStringLiteral("Tel."), 250}, {QStringLiteral("E-mail"), 300}, {QStringLiteral("Data di nascita"), 200},
                {QStringLiteral("Luogo di nascita"), 250}, {QStringLiteral("Codice fiscale"), 250},
                {QStringLiteral("Partita IVA"), 250}, {QStringLiteral("IBAN"), 300}, {QStringLiteral("PEC"), 300},
                {QStringLiteral("Carta di credito n."), 250}, {QStringLiteral("Scadenza"), 200},
                {QStringLiteral("Tel. cellulare"), 250}, {QStringLiteral("Cittadinanza"), 250},
                {QStringLiteral("Occupazione"), 300}, {QStringLiteral("Stato civile"), 250},
                {QStringLiteral("Documento"), 300}, {QStringLiteral("Ente rilascio"), 300},
                {QStringLiteral("Data scadenza"), 200}, {QStringLiteral("Servizi di interesse"), 400},
                {QStringLiteral("Questioni in sospeso"), 400}, {QStringLiteral("Note"), 400},
            }};
}

}
