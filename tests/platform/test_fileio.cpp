#include "platform/fileio.h"

#include "support/ambiente.h"
#include "support/arquivos.h"
#include "support/discopequeno.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>
#include <utime.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void age(const QString& path, int seconds)
{
    const time_t when = QDateTime::currentSecsSinceEpoch() - seconds;
    const struct utimbuf times = {when, when};
    ASSERT_EQ(::utime(QFile::encodeName(path).constData(), &times), 0);
}

TEST(FileIo, AWriteReplacesTheFileKeepingItsModeAndALinkPointingAtIt)
{
    QTemporaryDir dir;
    const QString real = dir.filePath(QStringLiteral("real.txt"));
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    put(real, "old contents");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(real, link));

    const FileResult result = writeFileAtomically(link, "new");
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(lerTudo(real), "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(modoDe(real), 0640u);
    EXPECT_EQ(conteudoDaPasta(dir.path()), (QStringList{QStringLiteral("link.txt"), QStringLiteral("real.txt")}));
}

TEST(FileIo, TheProgramsFilesAndFoldersAreTheUsersAloneAndAChosenFileFollowsTheUmask)
{
    QTemporaryDir dir;
    UmaskTrocada umask(022);
    const auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    ASSERT_TRUE(writeFileAtomically(path("own"), "a").ok());
    ASSERT_TRUE(appendToFile(path("appended"), "b").ok());
    ASSERT_TRUE(writeFileAtomically(path("chosen"), "c", FileAccess::User).ok());
    ASSERT_TRUE(appendToFile(path("chosen-appended"), "d", FileAccess::User).ok());
    put(path("wide"), "wide");
    ASSERT_EQ(::chmod(QFile::encodeName(path("wide")).constData(), 0644), 0);
    ASSERT_TRUE(copyFile(path("wide"), path("copy")).ok());
    EXPECT_FALSE(copyFile(path("wide"), path("copy")).ok()) << "a copy never replaces a file";
    EXPECT_EQ(lerTudo(path("copy")), "wide");

    QDir().mkpath(path("ours-wide"));
    ASSERT_EQ(::chmod(QFile::encodeName(path("ours-wide")).constData(), 0755), 0);
    ASSERT_TRUE(makePrivateFolder(path("new/deeper")).ok());
    ASSERT_TRUE(makePrivateFolder(path("ours-wide")).ok());
    EXPECT_EQ(makePrivateFolder(path("own")).error, qt_error_string(ENOTDIR));

    const struct {
        const char* name;
        mode_t mode;
    } expected[] = {
        {"own", 0600},    {"appended", 0600}, {"chosen", 0644},    {"chosen-appended", 0644}, {"copy", 0600},
        {"new", 0700},    {"new/deeper", 0700}, {"ours-wide", 0700},
    };
    for (const auto& e : expected)
        EXPECT_EQ(modoDe(path(e.name)), e.mode) << e.name << " " << std::oct << modoDe(path(e.name));
}

TEST(FileIo, AWriteIntoAMissingFolderSaysWhy)
{
    QTemporaryDir dir;
    const FileResult result = writeFileAtomically(dir.filePath(QStringLiteral("missing/x.txt")), "x");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.error, qt_error_string(ENOENT));
}

TEST(FileIo, OnAFullDiskTheOldFilesStayAsTheyWereAndNothingIsLeftBehind)
{
    DiscoPequeno disco;
    TARVELO_EXIGIR_DISCO_PEQUENO(disco);
    const QString whole = disco.filePath(QStringLiteral("calc1.fita"));
    const QString log = disco.filePath(QStringLiteral("calcula.txt"));
    const QByteArray old(10841, 'a');
    put(whole, old);
    put(log, "first block\r\n");
    disco.encher();
    const QStringList before = conteudoDaPasta(disco.path());

    const FileResult write = writeFileAtomically(whole, QByteArray(20000, 'b'));
    const FileResult append = appendToFile(log, QByteArray(20000, 'c'));

    EXPECT_EQ(write.error, qt_error_string(ENOSPC));
    EXPECT_EQ(append.error, qt_error_string(ENOSPC));
    EXPECT_EQ(lerTudo(whole), old);
    EXPECT_EQ(lerTudo(log), "first block\r\n");
    EXPECT_EQ(conteudoDaPasta(disco.path()), before);
}

TEST(FileIo, AnAppendThatOnlyPartlyFitsIsCutBack)
{
    DiscoPequeno disco;
    TARVELO_EXIGIR_DISCO_PEQUENO(disco);
    const QString log = disco.filePath(QStringLiteral("calcula.txt"));
    put(log, "first block\r\n");
    // More than the whole file system: some of it is written before the disk is full.
    const FileResult append = appendToFile(log, QByteArray(128 * 1024, 'c'));
    EXPECT_EQ(append.error, qt_error_string(ENOSPC));
    EXPECT_EQ(lerTudo(log), "first block\r\n");
    // Then the space is back and the same append goes through.
    EXPECT_TRUE(appendToFile(log, "second\r\n").ok());
    EXPECT_EQ(lerTudo(log), "first block\r\nsecond\r\n");
}

TEST(FileIo, OnlyRegularFilesAreReadAndNoneIsWaitedOn)
{
    QTemporaryDir dir;
    const auto path = [&dir](const char* name) { return dir.filePath(QString::fromLatin1(name)); };
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    ASSERT_TRUE(QFile::link(path("gone"), path("dangling")));
    put(path("empty"), {});
    put(path("small"), "12345");
    {
        // Over the limit without writing it: a sparse file.
        QFile big(path("big"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(1024 * 1024 + 1));
    }

    // Each with the reason it gives: a FIFO or a device is no regular file, not EINVAL's
    // "Invalid argument".
    struct Case {
        const char* name;
        FileRead::Status status;
        QByteArray bytes;
        int reason;
    };
    const Case cases[] = {
        {"missing", FileRead::Status::Missing, {}, 0},
        {"fifo", FileRead::Status::Unreadable, {}, kNotRegularFile},
        {"folder", FileRead::Status::Unreadable, {}, EISDIR},
        {"dangling", FileRead::Status::Unreadable, {}, ENOENT},
        {"/dev/zero", FileRead::Status::Unreadable, {}, kNotRegularFile},
        {"big", FileRead::Status::TooLarge, {}, EFBIG},
        {"empty", FileRead::Status::Ok, {}, 0},
        {"small", FileRead::Status::Ok, "12345", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QElapsedTimer clock;
        clock.start();
        const QString name = QString::fromLatin1(c.name);
        const FileRead read = readRegularFile(name.startsWith(u'/') ? name : path(c.name), 1024 * 1024);
        EXPECT_LT(clock.elapsed(), 1000);
        EXPECT_EQ(read.status, c.status);
        EXPECT_EQ(read.bytes, c.bytes);
        EXPECT_EQ(read.error, c.reason ? systemErrorText(c.reason) : QString());
    }
    EXPECT_EQ(systemErrorText(kNotRegularFile), QStringLiteral("Not a regular file"));
    // Nor is anything written into them.
    EXPECT_EQ(appendToFile(path("fifo"), "x").error, systemErrorText(kNotRegularFile));
    EXPECT_EQ(appendToFile(path("folder"), "x").error, systemErrorText(EISDIR));
}

TEST(FileIo, StaleTemporaryFilesOfOurOwnFilesGoAndNothingElse)
{
    QTemporaryDir dir;
    const QString keep[] = {QStringLiteral("calc1.fita"), QStringLiteral("calc1.fita.Ab3dE9"),
                            QStringLiteral("calc1.fita.damaged-20250305-090507"), QStringLiteral("calc1.fita.abc"),
                            QStringLiteral("notes.txt.Zz9Yy8")};
    for (const QString& name : keep) {
        put(dir.filePath(name), "x");
        age(dir.filePath(name), 3600);
    }
    // The young one may be a write in progress in another copy.
    age(dir.filePath(QStringLiteral("calc1.fita.Ab3dE9")), 5);
    for (const char* stale : {"calc1.fita.q1W2e3", "HKEY_CURRENT_USER.reg.Xy12Ab"}) {
        put(dir.filePath(QString::fromLatin1(stale)), "x");
        age(dir.filePath(QString::fromLatin1(stale)), 120);
    }

    removeStaleTemporaryFiles(dir.path(), {QStringLiteral("calc1.fita"), QStringLiteral("HKEY_CURRENT_USER.reg")});

    QStringList expected(std::begin(keep), std::end(keep));
    expected.sort();
    EXPECT_EQ(conteudoDaPasta(dir.path()), expected);
}

TEST(FileIo, DamagedNamesNeverMeetAnExistingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("calc1.fita"));
    const QString first = damagedFileName(path);
    EXPECT_TRUE(first.startsWith(path + QStringLiteral(".damaged-")));
    put(first, "x");
    const QString second = damagedFileName(path);
    EXPECT_NE(second, first);
    EXPECT_FALSE(QFileInfo::exists(second));
}

}  // namespace
