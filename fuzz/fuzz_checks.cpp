// The four identifier checks on any text: no crash, results in their range.
#include "FuzzCheck.h"

#include "checks/CardNumber.h"
#include "checks/FiscalCode.h"
#include "checks/Iban.h"
#include "checks/VatNumber.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &text : {QString::fromUtf8(bytes), QString::fromLatin1(bytes)}) {
        const QChar check = FiscalCode::checkCharacter(text);
        FUZZ_CHECK(check.isNull() || (check >= QLatin1Char('A') && check <= QLatin1Char('Z')));
        // Taken in upper case, as the check window shows it: "ß" becomes "SS".
        if (FiscalCode::isValid(text))
            FUZZ_CHECK(text.toUpper().size() == 16 && FiscalCode::isValid(text.toUpper()));

        const int remainder = Iban::remainder(text);
        FUZZ_CHECK(remainder >= 0 && remainder < 97);
        Iban::isValid(text);

        const int digit = VatNumber::checkDigit(text);
        FUZZ_CHECK(digit >= -1 && digit <= 9);
        if (VatNumber::isValid(text))
            FUZZ_CHECK(text.size() == 11 && digit == text.at(10).digitValue());
        VatNumber::officeName(VatNumber::officeCode(text));

        const QString digits = CardNumber::digitsOf(text);
        for (QChar c : digits)
            FUZZ_CHECK(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        if (!digits.isEmpty())
            CardNumber::passesLuhn(digits);
        const int code = CardNumber::check(text);
        FUZZ_CHECK(code >= -2 && code <= 7);
        CardNumber::kindName(code, text.trimmed());
    }
    return 0;
}
