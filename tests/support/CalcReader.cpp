#include "CalcReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>

namespace CalcReader {

QString soffice() { return QStandardPaths::findExecutable(QStringLiteral("soffice")); }

bool localeInstalled(const QString &locale)
{
    QProcess p;
    p.start(QStringLiteral("locale"), {QStringLiteral("-a")});
    if (!p.waitForFinished(10000))
        return false;
    // "it_IT.UTF-8" is listed as "it_IT.utf8".
    QString wanted = locale.toLower();
    wanted.remove(QLatin1Char('-'));
    const QStringList installed = QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    for (QString name : installed) {
        name = name.trimmed().toLower();
        name.remove(QLatin1Char('-'));
        if (name == wanted)
            return true;
    }
    return false;
}

Conversion::Conversion(const QStringList &files, const QString &outDir, const QString &format, const QString &locale,
                       const QString &importFilter)
    : m_files(files)
    , m_outDir(outDir)
    , m_extension(format.section(QLatin1Char(':'), 0, 0))
{
    const QString program = soffice();
    if (program.isEmpty()) {
        m_failure = QStringLiteral("soffice is not installed (./dev installs libreoffice-calc-nogui)");
        return;
    }
    if (!localeInstalled(locale)) {
        m_failure = QStringLiteral("the locale %1 is not installed (./dev generates it)").arg(locale);
        return;
    }
    if (!m_profile.isValid()) {
        m_failure = QStringLiteral("no folder for a profile");
        return;
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), locale);
    env.insert(QStringLiteral("LANG"), locale);
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments = {QStringLiteral("-env:UserInstallation=")
                                 + QUrl::fromLocalFile(m_profile.path()).toString(),
                             QStringLiteral("--headless"), QStringLiteral("--norestore")};
    if (!importFilter.isEmpty())
        arguments << QStringLiteral("--infilter=") + importFilter;
    m_process.start(program,
                    arguments + QStringList {QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"), outDir}
                        + files);
}

Conversion::~Conversion()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished();
    }
}

QString Conversion::finish()
{
    if (!m_failure.isEmpty())
        return m_failure;
    if (!m_process.waitForFinished(180000)) {
        m_process.kill();
        m_process.waitForFinished();
        return QStringLiteral("soffice did not finish");
    }
    if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0)
        return QStringLiteral("soffice failed: ") + QString::fromLocal8Bit(m_process.readAll());
    for (const QString &file : m_files) {
        const QString out =
            QDir(m_outDir).filePath(QFileInfo(file).completeBaseName() + QLatin1Char('.') + m_extension);
        if (!QFile::exists(out))
            return QStringLiteral("soffice wrote no %1: ").arg(out) + QString::fromLocal8Bit(m_process.readAll());
    }
    return {};
}

QString convert(const QStringList &files, const QString &outDir, const QString &format, const QString &locale,
                const QString &importFilter)
{
    return Conversion(files, outDir, format, locale, importFilter).finish();
}

Cell Sheet::at(int row, int column) const
{
    if (row < 0 || row >= rows.size() || column < 0 || column >= rows[row].size())
        return {};
    return rows[row][column];
}

namespace {

const QString kOffice = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0");
const QString kTable = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0");
const QString kText = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:text:1.0");
const QString kStyle = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:style:1.0");
const QString kFo = QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0");
const QString kDc = QStringLiteral("http://purl.org/dc/elements/1.1/");

// Repeats are capped: a sheet ends in a million repeated empty rows.
constexpr int kMaxRepeat = 1000;

int repeat(const QXmlStreamAttributes &a, const QString &name)
{
    const int n = a.value(kTable, name).toInt();
    return qBound(1, n, kMaxRepeat);
}

// The text of a paragraph, its spaces, tabs and spans included; the reader
// stands on the paragraph's start and ends on its end.
QString paragraphText(QXmlStreamReader &xml)
{
    QString text;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.namespaceUri() == kText && xml.name() == QLatin1String("s"))
                text += QString(qMax(1, xml.attributes().value(kText, QStringLiteral("c")).toInt()), QLatin1Char(' '));
            else if (xml.namespaceUri() == kText && xml.name() == QLatin1String("tab"))
                text += QLatin1Char('\t');
            else if (xml.namespaceUri() == kText && xml.name() == QLatin1String("line-break"))
                text += QLatin1Char('\n');
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return text;
}

}

Sheet readFods(const QString &path)
{
    Sheet sheet;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sheet;
    QXmlStreamReader xml(&file);
    QHash<QString, QString> columnWidth; // column style -> width
    QHash<QString, bool> boldStyle;      // cell style -> bold
    QString currentStyle, currentFamily;
    bool inTitle = false, inTable = false, tableDone = false;
    QVector<Cell> row;
    int rowRepeat = 1;
    Cell cell;
    int cellRepeat = 1;
    bool inCell = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QXmlStreamAttributes a = xml.attributes();
            const auto is = [&](const QString &ns, const char *name) {
                return xml.namespaceUri() == ns && xml.name() == QLatin1String(name);
            };
            if (is(kDc, "title")) {
                inTitle = true;
            } else if (is(kStyle, "style")) {
                currentStyle = a.value(kStyle, QStringLiteral("name")).toString();
                currentFamily = a.value(kStyle, QStringLiteral("family")).toString();
            } else if (is(kStyle, "table-column-properties") && currentFamily == QLatin1String("table-column")) {
                columnWidth[currentStyle] = a.value(kStyle, QStringLiteral("column-width")).toString();
            } else if (is(kStyle, "text-properties") && currentFamily == QLatin1String("table-cell")) {
                boldStyle[currentStyle] = a.value(kFo, QStringLiteral("font-weight")) == QLatin1String("bold");
            } else if (is(kTable, "table") && !tableDone) {
                inTable = true;
                sheet.name = a.value(kTable, QStringLiteral("name")).toString();
            } else if (inTable && is(kTable, "table-column")) {
                const QString width = columnWidth.value(a.value(kTable, QStringLiteral("style-name")).toString());
                for (int i = repeat(a, QStringLiteral("number-columns-repeated")); i > 0; --i)
                    sheet.columnWidths << width;
            } else if (inTable && is(kTable, "table-row")) {
                row.clear();
                rowRepeat = repeat(a, QStringLiteral("number-rows-repeated"));
            } else if (inTable && (is(kTable, "table-cell") || is(kTable, "covered-table-cell"))) {
                inCell = true;
                cell = Cell();
                cell.type = a.value(kOffice, QStringLiteral("value-type")).toString();
                for (const char *name : {"value", "date-value", "time-value", "boolean-value", "string-value"})
                    if (a.hasAttribute(kOffice, QLatin1String(name)))
                        cell.value = a.value(kOffice, QLatin1String(name)).toString();
                cell.bold = boldStyle.value(a.value(kTable, QStringLiteral("style-name")).toString());
                cellRepeat = repeat(a, QStringLiteral("number-columns-repeated"));
            } else if (inCell && is(kText, "p")) {
                if (!cell.text.isEmpty())
                    cell.text += QLatin1Char('\n');
                cell.text += paragraphText(xml);
            }
        } else if (xml.isCharacters() && inTitle) {
            sheet.title += xml.text();
        } else if (xml.isEndElement()) {
            if (xml.namespaceUri() == kDc && xml.name() == QLatin1String("title")) {
                inTitle = false;
            } else if (inTable && xml.namespaceUri() == kTable
                       && (xml.name() == QLatin1String("table-cell")
                           || xml.name() == QLatin1String("covered-table-cell"))) {
                for (int i = 0; i < cellRepeat; ++i)
                    row << cell;
                inCell = false;
            } else if (inTable && xml.namespaceUri() == kTable && xml.name() == QLatin1String("table-row")) {
                for (int i = 0; i < rowRepeat; ++i)
                    sheet.rows << row;
            } else if (inTable && xml.namespaceUri() == kTable && xml.name() == QLatin1String("table")) {
                inTable = false;
                tableDone = true;
            }
        }
    }
    // Rows that hold nothing at the end are the sheet's unused rest.
    const auto empty = [](const QVector<Cell> &r) {
        return std::all_of(r.begin(), r.end(), [](const Cell &c) { return c.type.isEmpty() && c.text.isEmpty(); });
    };
    while (!sheet.rows.isEmpty() && empty(sheet.rows.last()))
        sheet.rows.removeLast();
    sheet.read = !xml.hasError() && tableDone;
    return sheet;
}

}
