#include "contacts/Attachments.h"

#include "platform/Services.h"
#include "records/ContactRecord.h"
#include "records/TextField.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
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
    const QString one = QString::fromUcs4(&c, 1);
    return TextField::fromWin1252(TextField::toWin1252(one)) == one;
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
        if (::fsync(m_fd.get()) != 0)
            failWriting(errno);
        struct stat old;
        if (::stat(target.constData(), &old) == 0 && ::fchmod(m_fd.get(), old.st_mode & 07777) != 0)
            failWriting(errno);
        if (m_fd.close() != 0)
            failWriting(errno);
        if (::rename(m_path.constData(), target.constData()) != 0)
            failWriting(errno);
        m_path.clear();
    }

private:
    Descriptor m_fd {-1};
    QByteArray m_path;
};

}

QString folder() { return Services::programFolder() + FolderName + QDir::separator(); }

QString pathOf(const QString &name) { return folder() + TextField::trimmed(name); }

QString openText(const QString &name) { return QLatin1Char('"') + pathOf(name) + QLatin1Char('"'); }

QString fieldName(const QString &fileName)
{
    const int capacity = ContactRecord::layout().capacity(&ContactRecord::File01);
    QString name;
    for (const char32_t c : fileName.toUcs4())
        name += fitsTheField(c) ? QString::fromUcs4(&c, 1) : QStringLiteral("_");
    name = TextField::trimmed(name);
    if (name.size() > capacity) {
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        const QString extension =
            dot > 0 && name.size() - dot <= LongestExtension ? name.mid(dot) : QString();
        name = trimmedEnd(name.left(capacity - extension.size())) + extension;
    }
    return TextField::trimmed(name).isEmpty() ? QStringLiteral("_") : name;
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
    using Reason = AttachmentError::Reason;
    // Opened without blocking, so a pipe in the file's place cannot stall the
    // window; only a regular file is copied.
    const Descriptor in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (in.get() < 0)
        throw AttachmentError(Reason::SourceUnreadable, errno);
    struct stat st;
    if (::fstat(in.get(), &st) != 0)
        throw AttachmentError(Reason::SourceUnreadable, errno);
    if (!S_ISREG(st.st_mode))
        throw AttachmentError(Reason::SourceUnreadable, EINVAL);
    if ((st.st_mode & 0444) == 0)
        throw AttachmentError(Reason::SourceUnreadable, EACCES);

    // The mode bits, as everywhere in the program: a folder or a file marked
    // read-only stays untouched, even for an administrator.
    const QByteArray to = QFile::encodeName(target);
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    if (::stat(folder.constData(), &st) == 0 && (st.st_mode & 0222) == 0)
        failWriting(EACCES);
    if (::stat(to.constData(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            failWriting(EISDIR);
        if (!S_ISREG(st.st_mode))
            failWriting(EINVAL);
        if ((st.st_mode & 0222) == 0)
            failWriting(EACCES);
    }

    PartialCopy out(folder);
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::read(in.get(), block.data(), size_t(block.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw AttachmentError(Reason::SourceUnreadable, errno);
        if (n == 0)
            break;
        out.write(block.constData(), n);
    }
    out.replace(to);
    // The rename reaches the disk with the folder; the copy is in place already.
    const Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa, sb;
    return ::stat(QFile::encodeName(a).constData(), &sa) == 0 && ::stat(QFile::encodeName(b).constData(), &sb) == 0
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
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
