#include "export/OfficeHtmlWorkbook.h"

#include "records/TextField.h"

#include <QBuffer>
#include <QIODevice>

#include <algorithm>
#include <stdexcept>
#include <string_view>

namespace {

// Room for the longest outcome of a trimmed cell text: "&amp;" for every character.
qsizetype maxCellBytes(QStringView trimmed) { return 5 * trimmed.size(); }

// Writes a trimmed cell text at d, escaped and in Windows-1252, in one pass (an
// export writes millions of cells); d has room for maxCellBytes(). Returns the
// end of what it wrote.
char *writeCell(char *d, QStringView text)
{
    const auto put = [&d](std::string_view reference) { d = std::copy(reference.begin(), reference.end(), d); };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'&') {
            put("&amp;");
        } else if (c == u'<') {
            put("&lt;");
        } else if (c == u'>') {
            put("&gt;");
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            // One character outside the basic plane: one "?", as TextField::toWin1252 writes it.
            *d++ = '?';
            ++i;
        } else {
            *d++ = TextField::win1252Byte(c);
        }
    }
    return d;
}

// Collects the pieces and hands them to the device in large blocks, so a big
// export costs a few hundred writes rather than millions.
class PieceWriter {
public:
    explicit PieceWriter(QIODevice &device) : m_device(device) { m_buffer.reserve(Block + 4096); }
    void operator<<(const char *piece) { append(QByteArray::fromRawData(piece, qsizetype(qstrlen(piece)))); }
    void operator<<(const QString &text) { append(TextField::toWin1252(text)); }
    // A data cell whole, its tags included, written straight into the block:
    // appended piece by piece, a large export spent more time appending than
    // converting.
    void cell(const QString &text)
    {
        static constexpr std::string_view open = "<td style=\"text-align: left;\">", close = "</td>";
        const QStringView trimmed = TextField::trimmedView(text);
        const qsizetype start = m_buffer.size();
        m_buffer.resize(start + qsizetype(open.size()) + maxCellBytes(trimmed) + qsizetype(close.size()));
        char *d = std::copy(open.begin(), open.end(), m_buffer.data() + start);
        d = writeCell(d, trimmed);
        d = std::copy(close.begin(), close.end(), d);
        m_buffer.resize(d - m_buffer.constData());
        flushWhenFull();
    }
    void append(const QByteArray &bytes)
    {
        m_buffer.append(bytes);
        flushWhenFull();
    }
    void flush()
    {
        if (!m_buffer.isEmpty() && m_device.write(m_buffer) != m_buffer.size())
            throw std::runtime_error("export write failed");
        // Emptied, not cleared: the block keeps its room for the next one.
        m_buffer.resize(0);
    }

private:
    void flushWhenFull()
    {
        if (m_buffer.size() >= Block)
            flush();
    }
    static constexpr qsizetype Block = 1 << 16;
    QIODevice &m_device;
    QByteArray m_buffer;
};

}

QString OfficeHtmlWorkbook::escaped(const QString &text)
{
    if (!text.contains(QLatin1Char('&')) && !text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char('>')))
        return text;
    QString out;
    out.reserve(text.size() + 16);
    for (QChar c : text) {
        if (c == QLatin1Char('&'))
            out += QStringLiteral("&amp;");
        else if (c == QLatin1Char('<'))
            out += QStringLiteral("&lt;");
        else if (c == QLatin1Char('>'))
            out += QStringLiteral("&gt;");
        else
            out += c;
    }
    return out;
}

void OfficeHtmlWorkbook::appendCell(QByteArray &out, QStringView text)
{
    text = TextField::trimmedView(text);
    const qsizetype start = out.size();
    out.resize(start + maxCellBytes(text));
    out.resize(writeCell(out.data() + start, text) - out.constData());
}

void OfficeHtmlWorkbook::write(QIODevice &device, const ExportLayout &layout, int rowCount, const CellText &cell)
{
    PieceWriter w(device);
    w << "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"";
    w << "http://www.w3.org/TR/REC-html40";
    w << "\">";
    w << "<head>";
    w << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    w << "<!--[if gte mso 9]><xml>";
    w << "<x:ExcelWorkbook>";
    w << "<x:ExcelWorksheets>";
    w << "<x:ExcelWorksheet>";
    w << "<x:Name>";
    w << escaped(layout.sheetName);
    w << "</x:Name>";
    w << "<x:WorksheetOptions>";
    w << "<x:Selected/>";
    w << "<x:Panes>";
    w << "<x:Pane>";
    w << "<x:Number>1</x:Number>";
    w << "<x:ActiveRow>3</x:ActiveRow>";
    w << "</x:Pane>";
    w << "</x:Panes>";
    w << "<x:ProtectContents>False</x:ProtectContents>";
    w << "<x:ProtectObjects>False</x:ProtectObjects>";
    w << "<x:ProtectScenarios>False</x:ProtectScenarios>";
    w << "</x:WorksheetOptions>";
    w << "</x:ExcelWorksheet>";
    w << "</x:ExcelWorksheets>";
    w << "</x:ExcelWorkbook>";
    w << "</xml><![endif]-->";
    w << "</head>";
    w << "<body>";
    w << "<table x:str>";
    w << "<tr>";
    for (const ExportColumn &c : layout.columns) {
        w << "<td style=\"text-align: left; font-weight: bold;\" width=";
        w << QString::number(c.width);
        w << ">";
        w << escaped(c.header);
        w << "</td>";
    }
    w << "</tr>";
    const int columns = int(layout.columns.size());
    for (int row = 0; row < rowCount; ++row) {
        w << "<tr>";
        for (int column = 1; column <= columns; ++column) {
            w.cell(cell(row, column));
        }
        w << "</tr>";
    }
    w << "</table>";
    w << "</body>";
    w << "</html>";
    w.flush();
}

QByteArray OfficeHtmlWorkbook::document(const ExportLayout &layout, int rowCount, const CellText &cell)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    write(buffer, layout, rowCount, cell);
    return bytes;
}
