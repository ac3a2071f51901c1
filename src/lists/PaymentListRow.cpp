#include "lists/PaymentListRow.h"

#include "lists/RowBuilder.h"

#include <array>
#include <iterator>

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

QString PaymentListRow(const char *bytes)
{
    static constexpr QString PaymentRecord::*shown[] = {
        &PaymentRecord::Contatto, &PaymentRecord::Cel,       &PaymentRecord::Data,    &PaymentRecord::Ora,
        &PaymentRecord::Causale,  &PaymentRecord::Tipologia, &PaymentRecord::Importo,
    };
    static const auto fields = [] {
        std::array<FieldRef, std::size(shown)> refs {};
        for (size_t i = 0; i < refs.size(); ++i)
            refs[i] = PaymentLayout.field(shown[i]);
        return refs;
    }();
    PaymentRecord r;
    for (size_t i = 0; i < fields.size(); ++i)
        r.*shown[i] = fields[i].read(bytes);
    return PaymentListRow(r);
}
