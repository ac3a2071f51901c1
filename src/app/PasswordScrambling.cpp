#include "app/PasswordScrambling.h"

#include "records/TextField.h"

namespace {
constexpr quint16 StartKey = 7253;
constexpr quint16 Multiplier = 38461;
constexpr quint16 Addend = 60283;

// The key advances with the scrambled byte, in both directions, so that
// unscrambling walks through the same keys as scrambling did.
quint16 nextKey(quint16 key, quint8 scrambled)
{
    // Unsigned 32-bit arithmetic cut to 16 bits: a 16-bit product would be
    // promoted to int and could overflow.
    const quint32 sum = (quint32(scrambled) + key) & 0xFFFF;
    return quint16((sum * Multiplier + Addend) & 0xFFFF);
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}
}

QString ScramblePassword(const QString &password)
{
    static const char digits[] = "0123456789ABCDEF";
    QString out;
    out.reserve(password.size() * 2);
    quint16 key = StartKey;
    for (QChar ch : password) {
        const quint8 b = quint8(ch.unicode() & 0xFF);
        const quint8 c = quint8(b ^ (key >> 8));
        out += QLatin1Char(digits[c >> 4]);
        out += QLatin1Char(digits[c & 0x0F]);
        key = nextKey(key, c);
    }
    return out;
}

QString UnscramblePassword(const QString &hex)
{
    const qsizetype pairs = hex.size() / 2;
    QString out;
    out.reserve(pairs);
    quint16 key = StartKey;
    for (qsizetype i = 0; i < pairs; ++i) {
        const int high = hexDigit(hex.at(2 * i));
        const int low = hexDigit(hex.at(2 * i + 1));
        if (high < 0 || low < 0)
            throw PasswordConversionError("not a hexadecimal pair: " + hex.mid(2 * i, 2).toStdString());
        const quint8 c = quint8(high * 16 + low);
        out += QChar(char16_t(c ^ (key >> 8)));
        key = nextKey(key, c);
    }
    return out;
}

namespace PasswordText {

QString comparable(const QString &typed)
{
    QString out = typed;
    for (QChar &c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(char16_t(c.unicode() - 'a' + 'A'));
    return TextField::trimmed(out);
}

bool fitsStoredForm(const QString &password)
{
    if (password.size() > MaxLength)
        return false;
    for (QChar c : password)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

}
