#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <sys/stat.h>

#include <functional>

namespace tarvelo {

// The one way the program writes and reads the files it keeps. A full disk, a kill or a
// power cut at any moment leaves either the old file or the new one, never a cut one, and
// a failure is always reported with the system's reason ("No space left on device").

// A reason of the program's own beside the errno values: the name is a FIFO, a device or a
// socket, no regular file. (The system has no errno for it, and its EINVAL says nothing.)
inline constexpr int kNotRegularFile = -1;

// The reason a system call failed (an errno value, or kNotRegularFile) as the user reads
// it: the program's own wording in the interface language where it has one, else the
// system's.
QString systemErrorText(int error);
// The program's wording for a reason, "" where it has none; read at every failure, so that
// it follows a change of language.
void setSystemErrorWording(std::function<QString(int error)> wording);

// Who may read a file the program makes. Its own data (tape, settings, payees, backup) is
// the user's alone; a file the user saves where they choose is made as their umask says.
// A file that exists keeps the mode it has.
enum class FileAccess { Private, User };

// The outcome of a write: empty error text means the bytes are on disk.
struct FileResult {
    QString error;
    bool ok() const { return error.isEmpty(); }
    explicit operator bool() const { return ok(); }
};

// Replaces the whole file: the bytes go to a temporary file beside it ("<name>.XXXXXX"),
// every write, the flush and the fsync are checked, then it is renamed over the file and
// the folder is synced. On any failure the temporary file is removed and the old file is
// left untouched. A symbolic link is followed: its target is replaced, the link stays.
FileResult writeFileAtomically(const QString& path, QByteArrayView bytes, FileAccess access = FileAccess::Private);

// Adds the bytes at the end of a regular file, creating it when missing. When not all of
// them reach the disk the file is cut back to its old size, so it never ends in a part.
FileResult appendToFile(const QString& path, QByteArrayView bytes, FileAccess access = FileAccess::Private);

// A copy of a regular file under a new name that must not exist yet, made private.
FileResult copyFile(const QString& from, const QString& to);

// A folder of the program's own (the data and settings folders): created with its missing
// parents for the user alone (0700), or, when it exists and others may enter it, narrowed
// to the user.
FileResult makePrivateFolder(const QString& path);

// A file read whole. Only a regular file is opened, without blocking: a FIFO, a device, a
// folder or a dangling link is Unreadable (kNotRegularFile, EISDIR, ENOENT) and never
// waited on. A file over `limit` bytes is TooLarge; with Oversize::KeepHead its first
// limit + 1 bytes come with it, for a reader that takes what it can of a file cut at the
// limit.
struct FileRead {
    enum class Status { Ok, Missing, Unreadable, TooLarge };
    Status status = Status::Missing;
    QByteArray bytes;
    QString error;         // why it is Unreadable or TooLarge
    struct stat info {};   // of the file read (status Ok and TooLarge)
    bool ok() const { return status == Status::Ok; }
};
enum class Oversize { Refuse, KeepHead };
FileRead readRegularFile(const QString& path, qint64 limit, Oversize oversize = Oversize::Refuse);

// A regular file of any size gone through from the start in blocks, each handed to `take`
// until it answers false; the file is opened as readRegularFile does. The status is Ok,
// Missing or Unreadable; the bytes are only ever the block in hand.
FileRead readFileInBlocks(const QString& path, const std::function<bool(QByteArrayView block)>& take);

// Removes the temporary files a killed write left beside `names` in `folder` (the pattern
// of writeFileAtomically), once they are older than a minute: a younger one may belong to
// a write still running in another copy of the program.
void removeStaleTemporaryFiles(const QString& folder, const QStringList& names);

// A name beside `path` for keeping a damaged file: "<path>.damaged-yyyyMMdd-HHmmss", with
// "-2", "-3"... when that exists already.
QString damagedFileName(const QString& path);

}  // namespace tarvelo
