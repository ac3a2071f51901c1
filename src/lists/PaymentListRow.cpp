#include "lists/PaymentListRow.h"

#include "records/TextField.h"

using TextField::fixedWidth;

QString PaymentListRow(const PaymentRecord &r)
{
    QString row;
    row.reserve(160);
    row += fixedWidth(r.Contatto, 28);
    row += QStringLiteral("  Cel. ");
    row += fixedWidth(r.Cel, 16);
    row += QStringLiteral("  Data: ");
    row += fixedWidth(r.Data, 10);
    row += QStringLiteral("  Ora: ");
    row += fixedWidth(r.Ora, 5);
    row += QStringLiteral("  Causale: ");
    row += fixedWidth(r.Causale, 38);
    row += QStringLiteral("  ");
    row += fixedWidth(r.Tipologia, 10);
    row += QStringLiteral("  € ");
    row += TextField::trimmed(r.Importo);
    return row;
}
