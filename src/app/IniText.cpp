#include "app/IniText.h"

#include <QList>
#include <QStringDecoder>

#include <optional>

namespace {

// The encodings an editor on another system may leave behind, told by the
// byte-order mark. Without one the bytes are taken as they are.
enum class Encoding { Plain, Utf8Bom, Utf16LE, Utf16BE };

struct Lines {
    QList<QString> lines;
    // Each line's own end ("\r\n", "\n", "\r"; empty for a last line without one).
    QList<QString> ends;
    QString eol; // for new lines and a last line that had none: the text's first kind
    Encoding encoding = Encoding::Plain;
};

// The bytes to work on: without the mark, UTF-16 turned to UTF-8, so that
// names and values in ASCII are found and nothing else changes.
QByteArray unwrap(const QByteArray &content, Encoding &encoding)
{
    if (content.startsWith("\xEF\xBB\xBF")) {
        encoding = Encoding::Utf8Bom;
        return content.mid(3);
    }
    const bool le = content.startsWith("\xFF\xFE");
    if (le || content.startsWith("\xFE\xFF")) {
        encoding = le ? Encoding::Utf16LE : Encoding::Utf16BE;
        QString text;
        const qsizetype units = (content.size() - 2) / 2;
        text.resize(units);
        const auto *b = reinterpret_cast<const uchar *>(content.constData() + 2);
        for (qsizetype i = 0; i < units; ++i)
            text[i] = QChar(le ? char16_t(b[2 * i] | b[2 * i + 1] << 8) : char16_t(b[2 * i] << 8 | b[2 * i + 1]));
        return text.toUtf8();
    }
    encoding = Encoding::Plain;
    return content;
}

QByteArray wrap(const QByteArray &bytes, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Plain:
        return bytes;
    case Encoding::Utf8Bom:
        return "\xEF\xBB\xBF" + bytes;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        // Not QString::fromUtf8: it would drop a U+FEFF at the start of the text.
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        const QString text = utf8(bytes);
        const bool le = encoding == Encoding::Utf16LE;
        QByteArray out(le ? "\xFF\xFE" : "\xFE\xFF");
        out.reserve(2 + 2 * text.size());
        for (QChar c : text) {
            const char16_t u = c.unicode();
            const char lo = char(u & 0xFF), hi = char(u >> 8);
            out.append(le ? lo : hi);
            out.append(le ? hi : lo);
        }
        return out;
    }
    }
    return bytes;
}

// Latin-1 maps every byte to one character and back, so lines we do not
// touch come out exactly as they went in. CR LF, LF and a lone CR all end a
// line: files edited on other systems use any of them.
Lines split(const QByteArray &content)
{
    Lines out;
    const QString text = QString::fromLatin1(unwrap(content, out.encoding));
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
        out.lines.append(text.mid(start, i - start));
        out.ends.append(crlf ? QStringLiteral("\r\n") : QString(c));
        if (out.eol.isEmpty())
            out.eol = out.ends.back();
        if (crlf)
            ++i;
        start = i + 1;
    }
    if (start < text.size()) {
        out.lines.append(text.mid(start));
        out.ends.append(QString());
    }
    if (out.eol.isEmpty())
        out.eol = QStringLiteral("\r\n");
    return out;
}

QByteArray joined(const Lines &text)
{
    QString all;
    for (qsizetype i = 0; i < text.lines.size(); ++i)
        all += text.lines[i] + (text.ends[i].isEmpty() ? text.eol : text.ends[i]);
    return wrap(all.toLatin1(), text.encoding);
}

bool isComment(const QString &trimmedLine) { return trimmedLine.startsWith(QLatin1Char(';')); }

// The section name of a header line; nothing for any other line.
std::optional<QString> sectionName(const QString &trimmedLine)
{
    if (!trimmedLine.startsWith(QLatin1Char('[')))
        return std::nullopt;
    const qsizetype close = trimmedLine.indexOf(QLatin1Char(']'));
    return (close < 0 ? trimmedLine.mid(1) : trimmedLine.mid(1, close - 1)).trimmed();
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// Index of the first header of section, or -1.
qsizetype findSection(const QList<QString> &lines, const QString &section)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const std::optional<QString> name = sectionName(lines[i].trimmed());
        if (name && sameName(*name, section))
            return i;
    }
    return -1;
}

// The key of an entry line; nothing for blank, comment and other lines.
std::optional<QString> entryKey(const QString &trimmedLine)
{
    if (trimmedLine.isEmpty() || isComment(trimmedLine))
        return std::nullopt;
    const qsizetype eq = trimmedLine.indexOf(QLatin1Char('='));
    if (eq < 0)
        return std::nullopt;
    return trimmedLine.left(eq).trimmed();
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && (value.front() == QLatin1Char('"') || value.front() == QLatin1Char('\''))
        && value.back() == value.front())
        return value.mid(1, value.size() - 2);
    return value;
}

}

namespace IniText {

QString value(const QByteArray &content, const QString &section, const QString &key)
{
    const Lines text = split(content);
    const qsizetype header = findSection(text.lines, section);
    if (header < 0)
        return QStringLiteral("");
    for (qsizetype i = header + 1; i < text.lines.size(); ++i) {
        const QString line = text.lines[i].trimmed();
        if (sectionName(line))
            break;
        const std::optional<QString> k = entryKey(line);
        if (k && sameName(*k, key))
            return unquoted(line.mid(line.indexOf(QLatin1Char('=')) + 1).trimmed());
    }
    return QStringLiteral("");
}

QByteArray withValue(const QByteArray &content, const QString &section, const QString &key, const QString &value)
{
    Lines text = split(content);
    const QString entry = key + QLatin1Char('=') + value;
    const qsizetype header = findSection(text.lines, section);
    if (header < 0) {
        text.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        text.lines.append(entry);
        text.ends.append({QString(), QString()});
    } else {
        qsizetype lastFilled = header;
        qsizetype found = -1;
        for (qsizetype i = header + 1; i < text.lines.size(); ++i) {
            const QString line = text.lines[i].trimmed();
            if (sectionName(line))
                break;
            if (!line.isEmpty())
                lastFilled = i;
            const std::optional<QString> k = entryKey(line);
            if (found < 0 && k && sameName(*k, key))
                found = i;
        }
        if (found >= 0) {
            text.lines[found] = entry;
        } else {
            text.lines.insert(lastFilled + 1, entry);
            text.ends.insert(lastFilled + 1, QString());
        }
    }
    return joined(text);
}

}
