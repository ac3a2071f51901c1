#include "contacts/ContactSearchWindow.h"

#include "lists/ContactLists.h"

namespace {
const QVector<CriterionBox> kBoxes = {
    {"txtNome", "Nome, cognome o Ragione sociale:", "effNome"},
    {"txtLocalita", "Località:", "effLocalita"},
    {"txtTel", "Tel.", "effTel"},
    {"txtDataNasc", "Data di nascita:", "effDataNasc"},
    {"txtCodFisc", "Codice fiscale:", "effCodFisc"},
    {"txtPartitaIva", "Partita IVA:", "effPartitaIva"},
    {"txtOccupazione", "Occupazione:", "effOccupazione"},
    {"txtProdotti", "Servizi di interesse:", "effProdotti"},
    {"txtQuestioni", "Questioni in sospeso:", "effQuestioni"},
    {"txtNote", "Note:", "effNote"},
};
}

ContactSearchWindow::ContactSearchWindow(const QString &name, const QString &caption, const QString &heading,
                                         const QString &printTitle, Opener opener, QWidget *parent)
    : SearchWindow(name, caption, heading, printTitle,
                   QStringLiteral("Compilare uno o più campi: sono trovati i contatti che contengono tutti i testi "
                                  "indicati, senza distinzione tra maiuscole e minuscole. Lasciando vuoti tutti i "
                                  "campi si ottiene l'elenco completo."),
                   kBoxes, opener, parent)
{
}

ArchiveRead<QVector<ListRow>> ContactSearchWindow::findRows()
{
    const QStringList t = criteriaTexts();
    return ContactLists::search({t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9]});
}

QString ContactSearchWindow::countText(int rows) const
{
    // No full stop here, unlike the payment search.
    return QStringLiteral("Il presente riepilogo contiene %1 schede").arg(rows);
}
