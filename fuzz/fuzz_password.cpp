// Unscrambling any stored value: a conversion error or the password, which
// scrambles back to the same hex digits.
#include "FuzzCheck.h"

#include "app/PasswordScrambling.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString hex = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
    QString plain;
    try {
        plain = UnscramblePassword(hex);
    } catch (const PasswordConversionError &) {
        return 0;
    }
    FUZZ_CHECK(plain.size() == hex.size() / 2);
    for (QChar c : plain)
        FUZZ_CHECK(c.unicode() < 256);
    FUZZ_CHECK(ScramblePassword(plain).compare(hex.left(plain.size() * 2), Qt::CaseInsensitive) == 0);
    return 0;
}
