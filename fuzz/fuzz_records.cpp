// The record decoders on any bytes: never a crash, and once decoded a record
// encodes to bytes that decode and encode to themselves again.
#include "FuzzCheck.h"

#include "records/ContactRecord.h"
#include "records/PaymentRecord.h"
#include "records/TextField.h"

#include <cstdint>

namespace {
template <typename Record>
void roundTrip(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(std::min<size_t>(size, Record::Size)));
    bytes.append(QByteArray(Record::Size - bytes.size(), '\0'));
    const QByteArray once = Record::decode(bytes).encode();
    FUZZ_CHECK(once.size() == Record::Size);
    FUZZ_CHECK(Record::decode(once).encode() == once);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    roundTrip<PaymentRecord>(data, size);
    roundTrip<ContactRecord>(data, size);
    // The code page both ways: one byte a character, and back unchanged for
    // every character it holds.
    const int n = int(std::min<size_t>(size, 4096));
    const QString text = TextField::fromWin1252(reinterpret_cast<const char *>(data), n);
    FUZZ_CHECK(text.size() == n);
    const QByteArray back = TextField::toWin1252(text);
    FUZZ_CHECK(back.size() == n);
    for (int i = 0; i < n; ++i)
        FUZZ_CHECK(text[i] == QChar::ReplacementCharacter ? back[i] == '?' : uint8_t(back[i]) == data[i]);
    return 0;
}
