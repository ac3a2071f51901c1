#include "records/TextField.h"

#include <cstring>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80-0x9F; 0 marks the five unused bytes.
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == c && c != 0)
            return char(0x80 + i);
    // The five unused bytes of the code page read back as the same control codes.
    if (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] == 0)
        return char(c);
    return '?';
}
}

namespace TextField {

QString trimmed(const QString &text)
{
    const QStringView view = trimmedView(text);
    if (view.size() == text.size())
        return text;
    return view.toString();
}

QStringView trimmedView(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 32)
        --end;
    return text.sliced(begin, end - begin);
}

char win1252Byte(char16_t c) { return encodeChar(c); }

QByteArray toWin1252(const QString &text)
{
    QByteArray out;
    out.resize(text.size());
    qsizetype n = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            // One character outside the basic plane: one "?".
            out[n++] = '?';
            ++i;
            continue;
        }
        out[n++] = encodeChar(c.unicode());
    }
    out.truncate(n);
    return out;
}

QString fromWin1252(const char *bytes, int length)
{
    QString out(length, Qt::Uninitialized);
    QChar *d = out.data();
    for (int i = 0; i < length; ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
            d[i] = QChar(kHigh[b - 0x80]);
        else
            d[i] = QChar(b);
    }
    return out;
}

QString fixedWidth(const QString &text, int width)
{
    QString t = trimmed(text);
    if (t.size() >= width)
        return t.left(width);
    return t + QString(width - t.size(), QLatin1Char(' '));
}

QString read(const char *record, int offset, int capacity)
{
    int length = static_cast<unsigned char>(record[offset]);
    if (length > capacity)
        length = capacity;
    return trimmed(fromWin1252(record + offset + 1, length));
}

std::string_view bytes(const char *record, int offset, int capacity)
{
    int length = static_cast<unsigned char>(record[offset]);
    if (length > capacity)
        length = capacity;
    const char *begin = record + offset + 1;
    const char *end = begin + length;
    while (begin < end && static_cast<unsigned char>(*begin) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(end[-1]) <= 32)
        --end;
    return std::string_view(begin, size_t(end - begin));
}

void write(char *record, int offset, int capacity, const QString &text)
{
    const QByteArray bytes = toWin1252(trimmed(text)).left(capacity);
    record[offset] = char(static_cast<unsigned char>(bytes.size()));
    std::memcpy(record + offset + 1, bytes.constData(), size_t(bytes.size()));
    std::memset(record + offset + 1 + bytes.size(), 0, size_t(capacity - bytes.size()));
}

}
