#include "contacts/Attachments.h"

#include "platform/Services.h"
#include "records/ContactRecord.h"
#include "records/TextField.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

AttachmentError::Reason writeReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS:
        return AttachmentError::Reason::NoPermission;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return AttachmentError::Reason::NoSpace;
    default:
        return AttachmentError::Reason::Other;
    }
}

[[noreturn]] void failWriting(int error) { throw AttachmentError(writeReason(error), error); }

void makeFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) == 0) {
        if (!S_ISDIR(st.st_mode))
            throw AttachmentError(AttachmentError::Reason::Other, ENOTDIR);
        return;
    }
    if (errno != ENOENT)
        failWriting(errno);
    const QString parent = QFileInfo(path).absolutePath();
    if (parent != path)
        makeFolder(parent);
    // The mode bits, not what the current user may do: a folder marked
    // read-only stays untouched even for an administrator, as everywhere else.
    if (::stat(QFile::encodeName(parent).constData(), &st) == 0 && (st.st_mode & 0222) == 0)
        failWriting(EACCES);
    if (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST)
        failWriting(errno);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { close(); }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    int close()
    {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }
    void reset(int fd)
    {
        close();
        m_fd = fd;
    }
    void release() { m_fd = -1; }
private:
    int m_fd;
};

// The copy being written, under a short hidden name of its own beside the
// target (a target's name may already be as long as the system allows): it
// is removed unless it was renamed over the target.
class PartialCopy {
public:
    explicit PartialCopy(const QByteArray &folder)
    {
        for (int attempt = 0; attempt < 100 && m_fd.get() < 0; ++attempt) {
            m_path = folder + "/.allegato." + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
            m_fd.reset(::open(m_path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666));
            if (m_fd.get() < 0 && errno != EEXIST)
                break;
        }
        if (m_fd.get() < 0) {
            const int error = errno;
            m_path.clear();
            failWriting(error);
        }
    }
    ~PartialCopy()
    {
        m_fd.close();
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
    }
    PartialCopy(const PartialCopy &) = delete;
    PartialCopy &operator=(const PartialCopy &) = delete;

    void write(const char *data, qint64 size)
    {
        qint64 done = 0;
        while (done < size) {
            const ssize_t n = ::write(m_fd.get(), data + done, size_t(size - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                failWriting(n < 0 ? errno : ENOSPC); // a short write means no room
            done += n;
        }
    }
    // On disk, then in the target's place with the target's permissions.
    void replace(const QByteArray &target)
    {
        struct stat old;
        if (::stat(target.constData(), &old) == 0 && ::fchmod(m_fd.get(), old.st_mode & 07777) != 0)
            failWriting(errno);
        finish();
        if (::rename(m_path.constData(), target.constData()) != 0)
            failWriting(errno);
        m_path.clear();
    }
    // On disk, then under target only if nothing has that name: false when
    // something has, and the copy waits for another name.
    bool placeNew(const QByteArray &target)
    {
        finish();
        if (::renameat2(AT_FDCWD, m_path.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) != 0) {
            if (errno == EEXIST)
                return false;
            if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
                failWriting(errno);
            // A file system that cannot rename without replacing: look first.
            struct stat st;
            if (::lstat(target.constData(), &st) == 0)
                return false;
            if (::rename(m_path.constData(), target.constData()) != 0)
                failWriting(errno);
        }
        m_path.clear();
        return true;
    }

private:
    void finish()
    {
        if (m_fd.get() < 0)
            return;
        if (::fsync(m_fd.get()) != 0)
            failWriting(errno);
        if (m_fd.close() != 0)
            failWriting(errno);
    }

    Descriptor m_fd {-1};
    QByteArray m_path;
};

// The chosen file, opened without blocking, so a pipe in the file's place
// cannot stall the window; only a readable regular file is copied.
int openSource(const QString &source)
{
    using Reason = AttachmentError::Reason;
    Descriptor in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (in.get() < 0)
        throw AttachmentError(Reason::SourceUnreadable, errno);
    struct stat st;
    if (::fstat(in.get(), &st) != 0)
        throw AttachmentError(Reason::SourceUnreadable, errno);
    if (!S_ISREG(st.st_mode))
        throw AttachmentError(Reason::SourceUnreadable, EINVAL);
    if ((st.st_mode & 0444) == 0)
        throw AttachmentError(Reason::SourceUnreadable, EACCES);
    const int fd = in.get();
    in.release();
    return fd;
}

// The mode bits, as everywhere in the program: a folder marked read-only stays
// untouched, even for an administrator.
void requireWritableFolder(const QByteArray &folder)
{
    struct stat st;
    if (::stat(folder.constData(), &st) == 0 && (st.st_mode & 0222) == 0)
        failWriting(EACCES);
}

void fill(PartialCopy &out, int in)
{
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(in, block.data(), size_t(block.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw AttachmentError(AttachmentError::Reason::SourceUnreadable, errno);
        if (n == 0)
            break;
        out.write(block.constData(), n);
    }
}

// The rename reaches the disk with the folder; the copy is in place already.
void syncFolder(const QByteArray &folder)
{
    const Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
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

AttachmentError::AttachmentError(Reason reason, int systemError)
    : std::runtime_error("attachment not copied")
    , m_reason(reason)
    , m_error(systemError)
{
}

QString AttachmentError::explanation() const
{
    switch (m_reason) {
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
    return QStringLiteral("La copia si è interrotta per un errore del sistema (codice %1).").arg(m_error);
}

void ensureFolder() { makeFolder(QDir::cleanPath(folder())); }

void copy(const QString &source, const QString &target)
{
    const Descriptor in(openSource(source));
    const QByteArray to = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    requireWritableFolder(folder);
    struct stat st;
    if (::stat(to.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            failWriting(EISDIR);
        if (!S_ISREG(st.st_mode))
            failWriting(EINVAL);
        if ((st.st_mode & 0222) == 0)
            failWriting(EACCES);
    }
    PartialCopy out(folder);
    fill(out, in.get());
    out.replace(to);
    syncFolder(folder);
}

QString copyAsNew(const QString &source, const QString &name)
{
    const Descriptor in(openSource(source));
    const QByteArray folder = QFile::encodeName(QDir::cleanPath(Attachments::folder()));
    requireWritableFolder(folder);
    PartialCopy out(folder);
    fill(out, in.get());
    // Far more than a folder ever holds; past it something is wrong.
    for (int n = 1; n <= 100000; ++n) {
        const QString candidate = numberedName(name, n);
        if (out.placeNew(QFile::encodeName(pathOf(candidate)))) {
            syncFolder(folder);
            return candidate;
        }
    }
    failWriting(EEXIST);
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool isTemporaryName(const QString &fileName)
{
    static const QRegularExpression name(QStringLiteral("^\\.allegato\\.([0-9a-z]{1,7})\\.tmp$"));
    const QRegularExpressionMatch m = name.match(fileName);
    bool ok = false;
    if (m.hasMatch())
        m.captured(1).toUInt(&ok, 36);
    return ok;
}

QString overwriteQuestion()
{
    return QStringLiteral("Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
                          "Si vuole sovrascrivere il file esistente?");
}

QString copyFailedWarning(const QString &name, const AttachmentError &error)
{
    return QStringLiteral("Attenzione: non è stato possibile copiare il file \"%1\" nella cartella dei documenti "
                          "allegati, quindi il file non è stato allegato.\r\n\r\n%2")
        .arg(name, error.explanation());
}

}
