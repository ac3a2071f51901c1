#include "lists/PaymentListRow.h"

#include "lists/RowBuilder.h"

QString PaymentListRow(const PaymentRecord &r)
{
    return RowBuilder()
        .field(r.Contatto, 28)
        .text(QStringLiteral("  Cel. "))
        .field(r.Cel, 16)
        .text(QStringLiteral("  Data: "))
        .field(r.Data, 10)
        .text(QStringLiteral("  Ora: "))
        .field(r.Ora, 5)
        .text(QStringLiteral("  Causale: "))
        .field(r.Causale, 38)
        .text(QStringLiteral("  "))
        .field(r.Tipologia, 10)
        .text(QStringLiteral("  € "))
        .rest(r.Importo)
        .row();
}
