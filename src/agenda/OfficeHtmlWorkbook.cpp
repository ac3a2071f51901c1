#include "agenda/OfficeHtmlWorkbook.h"

#include "records/TextField.h"

#include <QBuffer>
#include <QIODevice>

#include <stdexcept>

namespace {

QVector<ExportColumn> paymentColumns(bool withKey)
{
    QVector<ExportColumn> c = {
        {QStringLiteral("Data scadenza"), 180}, {QStringLiteral("Ora"), 150},
        {QStringLiteral("Tipologia"), 250},     {QStringLiteral("Causale"), 400},
        {QStringLiteral("Dettagli"), 400},      {QStringLiteral("Persona o Ditta"), 300},
        {QStringLiteral("Telefono"), 200},      {QStringLiteral("Cellulare"), 200},
        {QStringLiteral("E-mail"), 250},        {QStringLiteral("Luogo"), 300},
        {QStringLiteral("Importo"), 200},       {QStringLiteral("Impegno assolto"), 200},
        {QStringLiteral("Note"), 400},
    };
    if (withKey)
        c.append({QStringLiteral("Codice univoco"), 150});
    return c;
}

// Collects the pieces and hands them to the device in large blocks, so a big
// export costs a few hundred writes rather than millions.
class PieceWriter {
public:
    explicit PieceWriter(QIODevice &device) : m_device(device) { m_buffer.reserve(Block + 4096); }
    void operator<<(const char *piece) { append(QByteArray::fromRawData(piece, qsizetype(qstrlen(piece)))); }
    void operator<<(const QString &text) { append(TextField::toWin1252(text)); }
    void append(const QByteArray &bytes)
    {
        m_buffer.append(bytes);
        if (m_buffer.size() >= Block)
            flush();
    }
    void flush()
    {
        if (!m_buffer.isEmpty() && m_device.write(m_buffer) != m_buffer.size())
            throw std::runtime_error("export write failed");
        m_buffer.clear();
    }

private:
    static constexpr qsizetype Block = 1 << 16;
    QIODevice &m_device;
    QByteArray m_buffer;
};

}

namespace ExportLayouts {

ExportLayout imminenti()
{
    return {QStringLiteral("Scadenze_Imminenti.xls"), QStringLiteral("Scadenze imminenti"), paymentColumns(true)};
}

ExportLayout giornaliere()
{
    return {QStringLiteral("Scadenze_Giornaliere.xls"), QStringLiteral("Scadenze del giorno"), paymentColumns(true)};
}

ExportLayout mensili()
{
    return {QStringLiteral("Scadenze_Mensili.xls"), QStringLiteral("Scadenze del mese"), paymentColumns(true)};
}

ExportLayout scadenzario()
{
    return {QStringLiteral("Riepilogo_Pagamenti.xls"), QStringLiteral("Riepilogo Pagamenti"), paymentColumns(false)};
}

ExportLayout anagrafica()
{
    return {QStringLiteral("Anagrafica.xls"), QStringLiteral("Archivio Anagrafico"),
            {
                {QStringLiteral("Nome, cognome o Ragione sociale"), 350}, {QStringLiteral("Indirizzo"), 350},
                {QStringLiteral("CAP"), 180}, {QStringLiteral("Località"), 250}, {QStringLiteral("Prov."), 180},
                {QStringLiteral("Tel."), 250}, {QStringLiteral("E-mail"), 300}, {QStringLiteral("Data di nascita"), 200},
                {QStringLiteral("Luogo di nascita"), 250}, {QStringLiteral("Codice fiscale"), 250},
                {QStringLiteral("Partita IVA"), 250}, {QStringLiteral("IBAN"), 300}, {QStringLiteral("PEC"), 300},
                {QStringLiteral("Carta di credito n."), 250}, {QStringLiteral("Scadenza"), 200},
                {QStringLiteral("Tel. cellulare"), 250}, {QStringLiteral("Cittadinanza"), 250},
                {QStringLiteral("Occupazione"), 300}, {QStringLiteral("Stato civile"), 250},
                {QStringLiteral("Documento"), 300}, {QStringLiteral("Ente rilascio"), 300},
                {QStringLiteral("Data scadenza"), 200}, {QStringLiteral("Servizi di interesse"), 400},
                {QStringLiteral("Questioni in sospeso"), 400}, {QStringLiteral("Note"), 400},
            }};
}

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
            w << "<td style=\"text-align: left;\">";
            w << escaped(TextField::trimmed(cell(row, column)));
            w << "</td>";
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
