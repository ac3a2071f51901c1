// The amount box's leaving rule on any text: always an amount with "," and
// two decimals, and an amount it wrote stays as it is.
#include "FuzzCheck.h"

#include "payments/AmountNormalisation.h"

#include <QRegularExpression>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression amount(QStringLiteral("^-?[0-9]+,[0-9]{2}$"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        const QString once = normaliseAmount(text);
        // The amount box and the record field hold at most 15 characters; a
        // longer text only has to pass without harm.
        if (text.size() > 15)
            continue;
        FUZZ_CHECK(amount.match(once).hasMatch());
        // Only up to 15 significant digits survive the general format, so the
        // second pass is exact from the first pass's text on.
        FUZZ_CHECK(normaliseAmount(once) == once);
    }
    return 0;
}
