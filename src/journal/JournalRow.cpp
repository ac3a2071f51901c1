#include "journal/JournalRow.h"

#include "journal/JournalTotals.h"
#include "lists/RowBuilder.h"

QString JournalRow(const PaymentRecord &r)
{
    QString head;
    switch (journalSide(r)) {
    case JournalSide::Income:
        head = QStringLiteral("ENTRATA  Data: ");
        break;
    case JournalSide::Expense:
        head = QStringLiteral("USCITA   Data: ");
        break;
    case JournalSide::None:
        return QString();
    }
    return RowBuilder()
        .text(head)
        .field(r.Data, 10)
        .text(QStringLiteral("  Ora: "))
        .field(r.Ora, 5)
        .text(QStringLiteral("  "))
        .field(r.Causale, 40)
        .text(QStringLiteral("  "))
        .field(r.Contatto, 28)
        .text(QStringLiteral("  Cel. "))
        .field(r.Cel, 14)
        .text(QStringLiteral("  Assolto: "))
        .field(r.Ottemperata, 2)
        .text(QStringLiteral("  € "))
        .rest(r.Importo)
        .row();
}
