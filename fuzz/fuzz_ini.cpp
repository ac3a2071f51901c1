// The INI reader and writer on any password file: no crash, and the value
// written is the value read back.
#include "FuzzCheck.h"

#include "app/IniText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString section = QStringLiteral("Accesso");
    const QString key = QStringLiteral("Valore");
    IniText::value(content, section, key);
    const QString value = QStringLiteral("48FB0B18011FF052");
    const QByteArray written = IniText::withValue(content, section, key, value);
    FUZZ_CHECK(IniText::value(written, section, key) == value);
    // Writing it again changes nothing more.
    FUZZ_CHECK(IniText::withValue(written, section, key, value) == written);
    return 0;
}
