#include "contacts/Attachments.h"

#include "platform/SafeFile.h"
#include "platform/Services.h"
#include "records/ContactRecord.h"
#include "records/TextField.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <sys/stat.h>

namespace Attachments {

namespace {

const QLatin1String FolderName("Documenti_Allegati");

// An extension longer than this is taken for part of the name.
constexpr qsizetype LongestExtension = 32;

bool fitsTheField(char32_t c)
{
    if (c < 32 || c == 127)
        return false; // a control character would not show in the box, nor survive trimming
    if (c == U'/' || c == U'\\')
        return false; // the name of a file in the folder, never a path
    const QString one = QString::fromUcs4(&c, 1);
    return TextField::fromWin1252(TextField::toWin1252(one)) == one;
}

// The extension kept when a name is cut: from its last dot, unless that starts
// the name or leaves too long a tail.
QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && name.size() - dot <= LongestExtension ? name.mid(dot) : QString();
}

QString trimmedEnd(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).unicode() <= 32)
        --end;
    return text.left(end);
}

// The hidden name of a copy being made: a target's name may already be as
// long as the system allows, with no room for more.
const QLatin1String TemporaryStem("allegato");

// Only a readable regular file is copied. The chosen file is opened without
// blocking, so a pipe in its place cannot stall the window.
void requireCopyable(const SourceFile &in)
{
    int error = in.error();
    if (!error && !in.isRegular())
        error = EINVAL;
    else if (!error && !in.isReadable())
        error = EACCES;
    if (error)
        throw AttachmentError(in.path(), QStringLiteral("Impossibile leggere"), error,
                              AttachmentError::Reason::SourceUnreadable);
}

}

QString folder() { return Services::programFolder() + FolderName + QDir::separator(); }

QString pathOf(const QString &name) { return folder() + TextField::trimmed(name); }

QString openText(const QString &name) { return QLatin1Char('"') + pathOf(name) + QLatin1Char('"'); }

bool isInFolder(const QString &name)
{
    const QString t = TextField::trimmed(name);
    return !t.contains(QLatin1Char('/')) && !t.contains(QLatin1Char('\\')) && t != QLatin1String("..");
}

QString outsideFolderWarning(const QString &name)
{
    return QStringLiteral("Attenzione: il nome \"%1\" non indica un file della cartella dei documenti allegati, "
                          "quindi il file non viene aperto.\r\n\r\n"
                          "Il nome è stato scritto nella scheda da un altro programma: allegare di nuovo il file "
                          "con \"Sfoglia...\".")
        .arg(TextField::trimmed(name));
}

QString fieldName(const QString &fileName)
{
    const int capacity = ContactRecord::layout().capacity(&ContactRecord::File01);
    QString name;
    for (const char32_t c : TextField::foldToWin1252(fileName).toUcs4())
        name += fitsTheField(c) ? QString::fromUcs4(&c, 1) : QStringLiteral("_");
    name = TextField::trimmed(name);
    if (name.size() > capacity) {
        const QString extension = extensionOf(name);
        name = trimmedEnd(name.left(capacity - extension.size())) + extension;
    }
    // Nothing left, or a name that stands for a folder.
    if (TextField::trimmed(name).isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("_");
    return name;
}

QString numberedName(const QString &name, int n)
{
    if (n <= 1)
        return name;
    const int capacity = ContactRecord::layout().capacity(&ContactRecord::File01);
    const QString number = QStringLiteral(" (%1)").arg(n);
    const QString extension = extensionOf(name);
    const QString stem = name.left(name.size() - extension.size());
    return trimmedEnd(stem.left(capacity - number.size() - extension.size())) + number + extension;
}

namespace {
// Why a copy failed, in a sentence the user can act on.
QString explanation(const AttachmentError &error)
{
    using Reason = AttachmentError::Reason;
    switch (error.reason()) {
    case Reason::NoPermission:
        return QStringLiteral("Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                              "programma e nella sua cartella Documenti_Allegati.");
    case Reason::SourceUnreadable:
        return QStringLiteral("Il file scelto non può essere letto: accertarsi che esista ancora e di possedere i "
                              "privilegi per leggerlo.");
    case Reason::NoSpace:
        return QStringLiteral("Lo spazio disponibile sul disco non è sufficiente per contenere la copia.");
    case Reason::Other:
        break;
    }
    return QStringLiteral("La copia si è interrotta per un errore del sistema (codice %1).").arg(error.systemError());
}
}

void ensureFolder() { SafeFile::makeFolder(folder()); }

void copy(const QString &source, const QString &target)
{
    const SourceFile in(source);
    requireCopyable(in);
    SafeFile out(target, {.temporaryStem = TemporaryStem});
    out.create();
    out.copyFrom(in);
    out.commit();
}

QString copyAsNew(const QString &source, const QString &name)
{
    const SourceFile in(source);
    requireCopyable(in);
    SafeFile out(pathOf(name), {.temporaryStem = TemporaryStem, .neverReplace = true});
    out.create();
    out.copyFrom(in);
    // Far more than a folder ever holds; past it something is wrong.
    for (int n = 1; n <= 100000; ++n) {
        const QString candidate = numberedName(name, n);
        if (out.commitNew(pathOf(candidate)))
            return candidate;
    }
    throw AttachmentError(pathOf(name), QStringLiteral("Nessun nome libero per"), EEXIST);
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool isTemporaryName(const QString &fileName) { return SafeFile::isTemporaryNameOf(fileName, TemporaryStem); }

QString overwriteQuestion()
{
    return QStringLiteral(
        "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
        "Si vuole sovrascrivere il file esistente?");
}

QString copyFailedWarning(const QString &name, const AttachmentError &error)
{
    return QStringLiteral("Attenzione: non è stato possibile copiare il file \"%1\" nella cartella dei documenti "
                          "allegati, quindi il file non è stato allegato.\r\n\r\n%2")
        .arg(name, explanation(error));
}

}
