#include "platform/fileio.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tarvelo {
namespace {

constexpr int kTemporarySuffixLength = 6;
constexpr qint64 kStaleAfterSeconds = 60;
constexpr qsizetype kBlockBytes = 64 * 1024;

std::function<QString(int)>& errorWording()
{
    static std::function<QString(int)> wording;
    return wording;
}

FileResult failure(int error)
{
    return {systemErrorText(error)};
}

mode_t creationMode(FileAccess access)
{
    return access == FileAccess::Private ? 0600 : 0666;
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

// Closes on every path out, keeping the first error that close reports.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // 0, or the errno of a failed close.
    int close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

// 0, or the errno of the write that failed.
int writeAll(int fd, QByteArrayView bytes)
{
    const char* data = bytes.data();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return EIO;
        data += written;
        left -= written;
    }
    return 0;
}

// What one read gave: the count of bytes, 0 at the end, or -1 with errno set. A read cut
// short by a signal is no failure: it is made again.
ssize_t readSome(int fd, char* into, qsizetype size)
{
    ssize_t got;
    do
        got = ::read(fd, into, static_cast<size_t>(size));
    while (got < 0 && errno == EINTR);
    return got;
}

// Filesystems that cannot sync say so with EINVAL; anything else means the data may be lost.
int syncFile(int fd)
{
    return ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
}

// A rename is only durable once the folder holding both names is synced; after the rename
// the new file is in place either way, so a folder that cannot be synced is no failure.
void syncFolder(const QString& folder)
{
    const int fd = ::open(nativePath(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

QString randomSuffix()
{
    static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString suffix;
    for (int i = 0; i < kTemporarySuffixLength; ++i)
        suffix += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return suffix;
}

bool isTemporarySuffix(QStringView suffix)
{
    if (suffix.size() != kTemporarySuffixLength)
        return false;
    for (const QChar c : suffix)
        if (!(c.isDigit() || (c.unicode() < 0x80 && c.isLetter())))
            return false;
    return true;
}

// The file a write really replaces: the target of a symbolic link, the path itself otherwise.
QString writeTarget(const QString& path)
{
    const QFileInfo info(path);
    return info.isSymLink() ? info.symLinkTarget() : path;
}

// 0 for a regular file, else why it is none.
int whyNotRegular(const struct stat& info)
{
    return S_ISREG(info.st_mode) ? 0 : S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFile;
}

// 0 when `file` was opened from `path` and is a regular file (its `info` filled in); else
// why it is no file to use: a FIFO, a device or a folder in the file's place (which may
// have refused the open itself), or the open's failure.
int regularFileOpen(const Descriptor& file, const QByteArray& path, struct stat& info)
{
    if (!file.valid()) {
        const int error = errno;
        struct stat there {};
        const int notRegular = ::stat(path.constData(), &there) == 0 ? whyNotRegular(there) : 0;
        return notRegular != 0 ? notRegular : error;
    }
    if (::fstat(file.get(), &info) != 0)
        return errno;
    return whyNotRegular(info);
}

// Creates the folder and its missing parents, each for the user alone; one that exists is
// left as it is.
int createFolders(const QString& path)
{
    struct stat st {};
    if (::stat(nativePath(path).constData(), &st) == 0)
        return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
    const QString parent = QFileInfo(path).path();
    if (parent != path) {
        if (const int error = createFolders(parent))
            return error;
    }
    return ::mkdir(nativePath(path).constData(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

FileRead& unreadable(FileRead& result, int error)
{
    result.status = FileRead::Status::Unreadable;
    result.error = systemErrorText(error);
    return result;
}

// The regular file at `path` opened for reading, its `info` filled in; or an invalid
// descriptor with `result` Missing or Unreadable. Only a regular file is opened, without
// blocking: a FIFO, a device, a folder or a dangling link is never waited on.
int openForReading(const QString& path, FileRead& result)
{
    const QByteArray native = nativePath(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0) {
        // A link whose target is gone is there, and is no file we can read.
        const int error = errno;
        struct stat link {};
        const bool dangling = error == ENOENT && ::lstat(native.constData(), &link) == 0;
        if (error != ENOENT || dangling)
            unreadable(result, error);
        return -1;
    }
    // Checked before opening: opening a device can have effects of its own.
    if (const int error = whyNotRegular(info)) {
        unreadable(result, error);
        return -1;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        unreadable(result, errno);
        return -1;
    }
    // Whatever is open now is what counts: the name may have been replaced meanwhile.
    const int error = ::fstat(fd, &info) != 0 ? errno : whyNotRegular(info);
    if (error != 0) {
        ::close(fd);
        unreadable(result, error);
        return -1;
    }
    result.info = info;
    return fd;
}

}  // namespace

QString systemErrorText(int error)
{
    if (const auto& wording = errorWording()) {
        if (QString text = wording(error); !text.isEmpty())
            return text;
    }
    return error == kNotRegularFile ? QStringLiteral("Not a regular file") : qt_error_string(error);
}

void setSystemErrorWording(std::function<QString(int error)> wording)
{
    errorWording() = std::move(wording);
}

FileResult writeFileAtomically(const QString& path, QByteArrayView bytes, FileAccess access)
{
    const QString target = writeTarget(path);
    QString temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target + QLatin1Char('.') + randomSuffix();
        fd = ::open(nativePath(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, creationMode(access));
        if (fd < 0 && errno != EEXIST)
            return failure(errno);
    }
    if (fd < 0)
        return failure(EEXIST);
    Descriptor file(fd);

    // The new file keeps the permissions the user gave the old one.
    struct stat old {};
    if (::stat(nativePath(target).constData(), &old) == 0 && S_ISREG(old.st_mode))
        ::fchmod(file.get(), old.st_mode & 07777);

    int error = writeAll(file.get(), bytes);
    if (error == 0)
        error = syncFile(file.get());
    if (const int closeError = file.close(); error == 0)
        error = closeError;
    if (error == 0 && ::rename(nativePath(temporary).constData(), nativePath(target).constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(nativePath(temporary).constData());
        return failure(error);
    }
    syncFolder(QFileInfo(target).absolutePath());
    return {};
}

FileResult appendToFile(const QString& path, QByteArrayView bytes, FileAccess access)
{
    // Non-blocking, so that a FIFO put in the file's place is refused instead of waited on.
    const QByteArray native = nativePath(path);
    Descriptor file(
        ::open(native.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, creationMode(access)));
    struct stat info {};
    if (const int notRegular = regularFileOpen(file, native, info))
        return failure(notRegular);
    int error = writeAll(file.get(), bytes);
    if (error == 0)
        error = syncFile(file.get());
    if (error != 0) {
        // The cut-back must not fail for lack of space: it only frees blocks.
        if (::ftruncate(file.get(), info.st_size) == 0)
            ::fsync(file.get());
        return failure(error);
    }
    if (const int closeError = file.close())
        return failure(closeError);
    return {};
}

FileResult copyFile(const QString& from, const QString& to)
{
    const QByteArray native = nativePath(from);
    Descriptor source(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (const int notRegular = regularFileOpen(source, native, info))
        return failure(notRegular);
    Descriptor target(::open(nativePath(to).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (!target.valid())
        return failure(errno);
    QByteArray block(kBlockBytes, Qt::Uninitialized);
    int error = 0;
    for (;;) {
        const ssize_t got = readSome(source.get(), block.data(), block.size());
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        if ((error = writeAll(target.get(), QByteArrayView(block.constData(), got))) != 0)
            break;
    }
    if (error == 0)
        error = syncFile(target.get());
    if (const int closeError = target.close(); error == 0)
        error = closeError;
    if (error != 0) {
        ::unlink(nativePath(to).constData());
        return failure(error);
    }
    return {};
}

FileResult makePrivateFolder(const QString& path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    const QByteArray native = nativePath(folder);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        const int error = createFolders(folder);
        return error == 0 ? FileResult{} : failure(error);
    }
    if (!S_ISDIR(st.st_mode))
        return failure(ENOTDIR);
    // Only the owner can narrow a folder; another's is left as it is.
    if ((st.st_mode & 077) != 0 && st.st_uid == ::getuid() && ::chmod(native.constData(), st.st_mode & 07700) != 0)
        return failure(errno);
    return {};
}

FileRead readRegularFile(const QString& path, qint64 limit, Oversize oversize)
{
    FileRead result;
    const Descriptor file(openForReading(path, result));
    if (!file.valid())
        return result;
    if (result.info.st_size > limit && oversize == Oversize::Refuse) {
        result.status = FileRead::Status::TooLarge;
        result.error = systemErrorText(EFBIG);
        return result;
    }
    // The size may change under us: never take more than one byte past the limit.
    QByteArray bytes(static_cast<qsizetype>(std::min<qint64>(result.info.st_size, limit + 1)), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > limit)
                break;
            bytes.resize(std::min<qint64>(bytes.size() + 4096, limit + 1));
        }
        const ssize_t got = readSome(file.get(), bytes.data() + filled, bytes.size() - filled);
        if (got < 0)
            return unreadable(result, errno);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.truncate(filled);
    result.status = bytes.size() > limit ? FileRead::Status::TooLarge : FileRead::Status::Ok;
    if (result.status == FileRead::Status::TooLarge)
        result.error = systemErrorText(EFBIG);
    result.bytes = std::move(bytes);
    return result;
}

FileRead readFileInBlocks(const QString& path, const std::function<bool(QByteArrayView block)>& take)
{
    FileRead result;
    const Descriptor file(openForReading(path, result));
    if (!file.valid())
        return result;
    QByteArray block(kBlockBytes, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = readSome(file.get(), block.data(), block.size());
        if (got < 0)
            return unreadable(result, errno);
        if (got == 0 || !take(QByteArrayView(block.constData(), got)))
            break;
    }
    result.status = FileRead::Status::Ok;
    return result;
}

void removeStaleTemporaryFiles(const QString& folder, const QStringList& names)
{
    const QDir dir(folder);
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString& name : names) {
        const QString prefix = name + QLatin1Char('.');
        const QFileInfoList found =
            dir.entryInfoList({prefix + QString(kTemporarySuffixLength, QLatin1Char('?'))}, QDir::Files | QDir::Hidden);
        for (const QFileInfo& info : found) {
            if (info.isSymLink() || !isTemporarySuffix(QStringView(info.fileName()).sliced(prefix.size())))
                continue;
            if (info.lastModified().secsTo(now) > kStaleAfterSeconds)
                QFile::remove(info.filePath());
        }
    }
}

QString damagedFileName(const QString& path)
{
    const QString base =
        path + QStringLiteral(".damaged-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = base;
    for (int n = 2; QFileInfo(name).exists() || QFileInfo(name).isSymLink(); ++n)
        name = base + QLatin1Char('-') + QString::number(n);
    return name;
}

}  // namespace tarvelo
