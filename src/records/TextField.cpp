#include "records/TextField.h"

#include <QList>

#include <algorithm>
#include <cstring>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80-0x9F; 0 marks the five unused bytes.
constexpr char16_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
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

// Latin letters outside the code page that have no accent to take away.
struct Folding {
    char32_t letter;
    const char *base;
};
constexpr Folding kNoAccent[] = {
    {0x0110, "D"}, {0x0111, "d"}, {0x0126, "H"}, {0x0127, "h"}, {0x0131, "i"}, {0x0132, "IJ"}, {0x0133, "ij"},
    {0x0138, "k"}, {0x013F, "L"}, {0x0140, "l"}, {0x0141, "L"}, {0x0142, "l"}, {0x014A, "N"},  {0x014B, "n"},
    {0x0166, "T"}, {0x0167, "t"}, {0x017F, "s"}, {0x0180, "b"}, {0x0189, "D"}, {0x0197, "I"},  {0x019A, "l"},
    {0x01B5, "Z"}, {0x01B6, "z"}, {0x01E4, "G"}, {0x01E5, "g"}, {0x0237, "j"}, {0x1E9E, "SS"},
};

bool isMark(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
        return true;
    default:
        return false;
    }
}

// The base Latin letters of one letter the code page cannot hold; empty when
// it has none.
QString baseLetters(char32_t c)
{
    if (!QChar::isLetter(c))
        return {}; // a symbol keeps its meaning only whole: ≠ is not =
    for (const Folding &f : kNoAccent)
        if (f.letter == c)
            return QString::fromLatin1(f.base);
    QString base;
    for (const char32_t part : QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_D).toUcs4()) {
        if (isMark(part))
            continue;
        if (!QChar::isLetter(part) || !TextField::holds(part))
            return {}; // not a Latin letter under its accents (Cyrillic й, Greek ά)
        base += QChar(part);
    }
    return base;
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

bool holds(char32_t c) { return c == U'?' || (c <= 0xFFFF && encodeChar(char16_t(c)) != '?'); }

QString foldToWin1252(const QString &text)
{
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return holds(c.unicode()); }))
        return text;
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const QString base = holds(c) ? QString() : baseLetters(c);
        if (base.isEmpty())
            out.append(QString::fromUcs4(&c, 1));
        else
            out.append(base);
    }
    return out;
}

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
