#include "payments/TfrmTrovaScadenze.h"

#include "lists/PaymentLists.h"

namespace {
const QVector<CriterionBox> kBoxes = {
    {"txtData", "Data scadenza (gg/mm/aaaa):", "effCampo01"},
    {"txtOra", "Ora (hh:mm):", "effCampo02"},
    {"txtTipologia", "Tipologia:", "effCampo09"},
    {"txtCausale", "Causale:", "effCampo10"},
    {"txtDettagli", "Dettagli:", "effCampo05"},
    {"txtContatto", "Persona / Ditta:", "effCampo06"},
    {"txtTel", "Telefono:", "effCampo07"},
    {"txtCel", "Cellulare:", "effCampo08"},
    {"txtLuogo", "Luogo:", "effCampo03"},
    {"txtNote", "Note:", "effCampo04"},
};
}

TfrmTrovaScadenze::TfrmTrovaScadenze(Opener opener, QWidget *parent)
    : SearchWindow(QStringLiteral("TfrmTrovaScadenze"), QStringLiteral(" Trova pagamenti in archivio"),
                   QStringLiteral("Trova pagamenti in archivio"), QStringLiteral("Riepilogo pagamenti in archivio"),
                   QStringLiteral("Compilare uno o più campi: sono trovati i pagamenti che contengono tutti i testi "
                                  "indicati, senza distinzione tra maiuscole e minuscole. Lasciando vuoti tutti i "
                                  "campi si ottiene l'elenco completo."),
                   kBoxes, opener, parent)
{
}

ArchiveRead<QVector<ListRow>> TfrmTrovaScadenze::findRows()
{
    const QStringList t = criteriaTexts();
    return PaymentLists::search({t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9]});
}

QString TfrmTrovaScadenze::countText(int rows) const
{
    return QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(rows);
}

void TfrmTrovaScadenze::chooseRow(int row)
{
    // Only the payment editor takes a payment from here.
    if (openedBy(Opener::PaymentEditor)) {
        SearchWindow::chooseRow(row);
        return;
    }
    accept();
}
