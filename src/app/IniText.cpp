#include "app/IniText.h"

#include <QList>

#include <optional>

namespace {

struct Lines {
    QList<QString> lines;
    QString eol;
};

// Latin-1 maps every byte to one character and back, so lines we do not
// touch come out exactly as they went in.
Lines split(const QByteArray &content)
{
    Lines out;
    out.eol = content.contains("\r\n") || !content.contains('\n') ? QStringLiteral("\r\n") : QStringLiteral("\n");
    if (content.isEmpty())
        return out;
    QString text = QString::fromLatin1(content);
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        out.lines.append(line);
    }
    return out;
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

QByteArray withValue(const QByteArray &content, const QString &section, const QString &key,
                     const QString &value)
{
    Lines text = split(content);
    const QString entry = key + QLatin1Char('=') + value;
    const qsizetype header = findSection(text.lines, section);
    if (header < 0) {
        text.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        text.lines.append(entry);
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
        if (found >= 0)
            text.lines[found] = entry;
        else
            text.lines.insert(lastFilled + 1, entry);
    }
    return (text.lines.join(text.eol) + text.eol).toLatin1();
}

}
