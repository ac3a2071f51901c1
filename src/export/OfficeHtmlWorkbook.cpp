#include "export/OfficeHtmlWorkbook.h"

#include "records/TextField.h"

#include <QBuffer>
#include <QDate>
#include <QIODevice>

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string_view>

namespace {

// A cell's type goes in the attributes LibreOffice reads from an HTML table
// (Excel and Gnumeric take no notice of them): sdnum="<language of sdval>;
// <language of the format>;<format>" and sdval, the value. Text cells get the
// text format "@", so that 00186, 01987650585 or "=1+1" stay as written. A
// value is always written with "." and read as English (USA), 1033, so that
// it is the same number whatever the user's settings: read as Italian, 1040,
// 1250.5 became 0 with English settings. Only the spreadsheet's built-in
// formats survive its import, hence these exact formats: "0.00" in the user's
// own language (0), for the decimal separator of their settings, and dates
// and times in Italian, so that they show dd/mm/yyyy and hh:mm as the grid
// does whatever the settings.
constexpr std::string_view kOpen = "<td style=\"text-align: left;\"";
constexpr std::string_view kText = " sdnum=\"1033;1033;@\">";
constexpr std::string_view kValue = " sdval=\"";
constexpr std::string_view kAmount = "\" sdnum=\"1033;0;0.00\">";
constexpr std::string_view kDate = "\" sdnum=\"1033;1040;DD/MM/YYYY\">";
constexpr std::string_view kTime = "\" sdnum=\"1033;1040;HH:MM\">";
// The longest tag: the opening, a value of at most 24 characters, the longest format.
constexpr qsizetype kMaxTag = qsizetype(kOpen.size() + kValue.size() + 24 + kDate.size());

char *put(char *d, std::string_view piece) { return std::copy(piece.begin(), piece.end(), d); }

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// An amount as the payment file holds it: an optional "-", digits without a
// needless leading zero, and "," with one or two decimals; at most 15 digits,
// which a spreadsheet's number keeps to the cent. Written at d as the same
// digits with "."; nullptr for any other text.
char *writeAmount(char *d, QStringView t)
{
    qsizetype i = 0;
    const bool negative = !t.isEmpty() && t[0] == u'-';
    if (negative)
        ++i;
    const qsizetype intStart = i;
    while (i < t.size() && isDigit(t[i]))
        ++i;
    const qsizetype intDigits = i - intStart;
    if (intDigits < 1 || intDigits > 13 || (intDigits > 1 && t[intStart] == u'0'))
        return nullptr;
    qsizetype decimals = 0;
    if (i < t.size()) {
        if (t[i] != u',')
            return nullptr;
        for (++i; i < t.size() && isDigit(t[i]); ++i)
            ++decimals;
        if (i != t.size() || decimals < 1 || decimals > 2)
            return nullptr;
    }
    // "-0,00" is nought, not a negative amount.
    bool zero = true;
    for (qsizetype k = intStart; k < t.size(); ++k)
        zero = zero && (t[k] == u'0' || t[k] == u',');
    if (negative && !zero)
        *d++ = '-';
    for (qsizetype k = intStart; k < t.size(); ++k)
        *d++ = t[k] == u',' ? '.' : char(t[k].unicode());
    return d;
}

// Two digits at t[i], as a number; -1 when they are not digits.
int twoDigits(QStringView t, qsizetype i)
{
    return isDigit(t[i]) && isDigit(t[i + 1]) ? (t[i].unicode() - u'0') * 10 + (t[i + 1].unicode() - u'0') : -1;
}

// A date exactly as the grid shows it, dd/mm/yyyy, from 1900 on (earlier
// dates fall in calendars the spreadsheets count differently): the number of
// days since 30/12/1899, the spreadsheets' day nought.
char *writeDate(char *d, QStringView t)
{
    if (t.size() != 10 || t[2] != u'/' || t[5] != u'/')
        return nullptr;
    const int day = twoDigits(t, 0), month = twoDigits(t, 3), century = twoDigits(t, 6), year = twoDigits(t, 8);
    if (day < 0 || month < 0 || century < 19 || year < 0)
        return nullptr;
    const QDate date(century * 100 + year, month, day);
    if (!date.isValid())
        return nullptr;
    static const qint64 dayNought = QDate(1899, 12, 30).toJulianDay();
    return std::to_chars(d, d + 24, date.toJulianDay() - dayNought).ptr;
}

// A time exactly as the grid shows it, hh:mm: the fraction of the day, in
// the fewest digits that read back as the same number.
char *writeTime(char *d, QStringView t)
{
    if (t.size() != 5 || t[2] != u':')
        return nullptr;
    const int hour = twoDigits(t, 0), minute = twoDigits(t, 3);
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59)
        return nullptr;
    return std::to_chars(d, d + 24, (hour * 60 + minute) / 1440.0).ptr;
}

// Writes the opening tag of a data cell at d (room for kMaxTag): typed when
// its column is and its text is such a value, text otherwise.
char *writeCellTag(char *d, CellKind kind, QStringView trimmed)
{
    d = put(d, kOpen);
    if (kind != CellKind::Text) {
        char *value = put(d, kValue);
        char *end = kind == CellKind::Amount ? writeAmount(value, trimmed)
                    : kind == CellKind::Date ? writeDate(value, trimmed)
                                             : writeTime(value, trimmed);
        if (end)
            return put(end, kind == CellKind::Amount ? kAmount : kind == CellKind::Date ? kDate : kTime);
    }
    return put(d, kText);
}

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
        } else if (c < 0x80) {
            // ASCII is itself in the code page: most characters take this way.
            *d++ = char(c);
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
    explicit PieceWriter(QIODevice &device)
        : m_device(device)
    {
        m_buffer.reserve(Block + 4096);
    }
    void operator<<(const char *piece) { append(QByteArray::fromRawData(piece, qsizetype(qstrlen(piece)))); }
    void operator<<(const QString &text) { append(TextField::toWin1252(text)); }
    // A data cell whole, its tags included, written straight into the block:
    // appended piece by piece, a large export spent more time appending than
    // converting.
    void cell(CellKind kind, const QString &text)
    {
        static constexpr std::string_view close = "</td>";
        const QStringView trimmed = TextField::trimmedView(text);
        const qsizetype start = m_buffer.size();
        m_buffer.resize(start + kMaxTag + maxCellBytes(trimmed) + qsizetype(close.size()));
        char *d = writeCellTag(m_buffer.data() + start, kind, trimmed);
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
    w << "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
         "xmlns=\"";
    w << "http://www.w3.org/TR/REC-html40";
    w << "\">";
    w << "<head>";
    w << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    // LibreOffice and Gnumeric ignore the sheet name below; LibreOffice takes
    // the title for the document's.
    w << "<title>";
    w << escaped(layout.sheetName);
    w << "</title>";
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
        // Bold by the <b> too: LibreOffice and Gnumeric ignore the style.
        w << "><b>";
        w << escaped(c.header);
        w << "</b></td>";
    }
    w << "</tr>";
    const int columns = int(layout.columns.size());
    for (int row = 0; row < rowCount; ++row) {
        w << "<tr>";
        for (int column = 1; column <= columns; ++column)
            w.cell(layout.columns[column - 1].kind, cell(row, column));
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

QByteArray OfficeHtmlWorkbook::cellTag(CellKind kind, QStringView text)
{
    QByteArray tag(kMaxTag, Qt::Uninitialized);
    tag.resize(writeCellTag(tag.data(), kind, text) - tag.constData());
    return tag;
}
