#pragma once
// The exports as a user's spreadsheet program reads them: LibreOffice Calc,
// headless, converting files under the user's language settings, and the
// flat spreadsheet files it writes, read back cell by cell.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

namespace CalcReader {

// The program, or empty when it is not installed.
QString soffice();
// Whether the system can give a program these settings (LC_ALL, e.g. "it_IT.UTF-8").
bool localeInstalled(const QString &locale);
// Converts the files into outDir ("fods", or a filter such as
// "csv:Text - txt - csv (StarCalc):59,34,76") as a user with these settings
// would open them; importFilter, when given, stands for what the user picks
// in the import dialog (e.g. "calc_HTML_WebQuery:1033 1"). Every run has a
// profile of its own, so that runs side by side never meet. Empty when it
// worked, otherwise what went wrong.
QString convert(const QStringList &files, const QString &outDir, const QString &format,
                const QString &locale = QStringLiteral("it_IT.UTF-8"), const QString &importFilter = QString());

// The same conversion, started at once and waited for by finish(), so that
// several run side by side.
class Conversion {
public:
    Conversion(const QStringList &files, const QString &outDir, const QString &format, const QString &locale,
               const QString &importFilter = QString());
    ~Conversion();
    Conversion(const Conversion &) = delete;
    Conversion &operator=(const Conversion &) = delete;
    // Empty when it worked, otherwise what went wrong.
    QString finish();

private:
    QStringList m_files;
    QString m_outDir, m_extension, m_failure;
    QTemporaryDir m_profile;
    QProcess m_process;
};

struct Cell {
    // "string", "float", "date", "time", ...; empty for an empty cell.
    QString type;
    // The value as the file gives it: office:value, date-value or time-value.
    QString value;
    // What the cell shows.
    QString text;
    bool bold = false;
};

struct Sheet {
    bool read = false; // false when the file could not be read
    QString name;
    // The document's title.
    QString title;
    // Each column's width as written ("2.258cm"), one entry per column.
    QStringList columnWidths;
    QVector<QVector<Cell>> rows;
    // An empty cell outside the rows read.
    Cell at(int row, int column) const;
};

// The first sheet of a flat spreadsheet file (.fods).
Sheet readFods(const QString &path);

}
