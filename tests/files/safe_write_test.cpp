// Replacing a file: every byte arrives through short writes and
// interruptions, a failure anywhere leaves the old file exactly as it was
// and nothing beside it, and the pending name never makes a legal target
// name too long.

#include "file_fixture.h"

#include "files/file_error.h"
#include "files/safe_write.h"

#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo::files {
namespace {

using namespace testing;

QByteArrayView bytesOf(const std::string& text) { return QByteArrayView(text.data(), qsizetype(text.size())); }

using SafeWrite = FileFixture;

TEST_F(SafeWrite, ANewFileIsTheOwnersAloneAndAReplacedOneKeepsItsMode)
{
    for (const mode_t mask : {mode_t(0), mode_t(022), mode_t(0277)}) {
        fs::remove(target);
        const mode_t before = ::umask(mask);
        replaceFile(target, "new");
        ::umask(before);
        EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write) << "umask " << mask;
    }
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    replaceFile(target, "again");
    EXPECT_EQ(contents(target), "again");
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(SafeWrite, ShortWritesAndInterruptionsStillDeliverEveryByte)
{
    std::string text(5000, 'a');
    for (std::size_t i = 0; i < text.size(); ++i)
        text[i] = char('a' + i % 26);
    FileCalls calls = systemFileCalls();
    calls.write = [n = 0](int fd, const void* data, std::size_t size) mutable -> ssize_t {
        if (++n % 3 == 0) {
            errno = EINTR;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 7));
    };
    calls.fsync = [n = 0](int fd) mutable {
        errno = EINTR;
        return n++ == 0 ? -1 : ::fsync(fd);
    };
    replaceFile(target, bytesOf(text), calls);
    EXPECT_EQ(contents(target), text);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"plan.xls"});
}

TEST_F(SafeWrite, AFailureLeavesTheOldFileAndNothingBeside)
{
    const FileCalls& real = systemFileCalls();
    struct Failure {
        const char* name;
        int reason;
        std::function<void(FileCalls&)> inject;
    };
    const std::function<ssize_t(int, const void*, std::size_t)> half
        = [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size / 2); };
    const Failure failures[] = {
        {"creating", EACCES, [&](FileCalls& c) { c.openat = failing(real.openat, EACCES); }},
        {"disk full halfway", ENOSPC, [&](FileCalls& c) { c.write = failing(half, ENOSPC, 1); }},
        {"a write without progress", EIO,
         [](FileCalls& c) { c.write = [](int, const void*, std::size_t) { return ssize_t(0); }; }},
        {"flushing", EIO, [&](FileCalls& c) { c.fsync = failing(real.fsync, EIO); }},
        {"renaming", EXDEV, [&](FileCalls& c) { c.renameat = failing(real.renameat, EXDEV); }},
    };
    for (const Failure& f : failures) {
        plant(target, "the previous save");
        FileCalls calls = real;
        f.inject(calls);
        try {
            replaceFile(target, bytesOf(std::string(9000, 'x')), calls);
            ADD_FAILURE() << f.name << ": no error";
        } catch (const FileError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(target.string()), std::string::npos) << what;
            EXPECT_NE(what.find(std::strerror(f.reason)), std::string::npos) << what;
        }
        EXPECT_EQ(contents(target), "the previous save") << f.name;
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"plan.xls"}) << f.name;
    }
    EXPECT_THROW(replaceFile(dir / "no such folder" / "plan.xls", "x"), FileError);
}

// A file replaced only in place takes its new bytes while it stands, and
// one moved or deleted while the new bytes were written is not made again.
TEST_F(SafeWrite, AFileReplacedInPlaceIsNeverMadeAgainOnceGone)
{
    plant(target, "before");
    ::chmod(target.c_str(), 0640);
    replaceExistingFile(target, "after");
    EXPECT_EQ(contents(target), "after");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"plan.xls"}) << "the old bytes went with the pending name";

    FileCalls calls = systemFileCalls();
    calls.fsync = [&](int fd) {
        std::filesystem::rename(target, dir / "moved.xls");  // gone while the new bytes reach the disk
        return ::fsync(fd);
    };
    EXPECT_THROW(replaceExistingFile(target, "lost?", calls), TargetGone);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"moved.xls"});
    EXPECT_EQ(contents(dir / "moved.xls"), "after");
    EXPECT_THROW(replaceExistingFile(target, "again"), TargetGone);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"moved.xls"});
}

TEST_F(SafeWrite, TakenNamesAreSkippedUpToTheLimit)
{
    std::set<std::string> tried;
    int taken = 3;
    FileCalls calls = systemFileCalls();
    calls.openat = [&](int folder, const char* name, int flags, mode_t mode) {
        tried.insert(name);
        errno = EEXIST;
        return taken-- > 0 ? -1 : ::openat(folder, name, flags, mode);
    };
    replaceFile(target, "saved", calls);
    EXPECT_EQ(contents(target), "saved");
    ASSERT_EQ(tried.size(), 4u);  // a fresh hidden name each time, all of one length
    for (const std::string& name : tried) {
        EXPECT_EQ(name.rfind(kPendingPrefix, 0), 0u) << name;
        EXPECT_EQ(name.size(), std::strlen(kPendingPrefix) + 16 + std::strlen(kPendingSuffix)) << name;
    }
    taken = kMaxFreshNameTries;
    tried.clear();
    EXPECT_THROW(replaceFile(target, "again", calls), FileError);
    EXPECT_EQ(tried.size(), std::size_t(kMaxFreshNameTries));
    EXPECT_EQ(contents(target), "saved");
}

// The longest name a folder holds (255 bytes) is written and replaced; the
// pending name is as short as ever.
TEST_F(SafeWrite, NamesUpToTheFileSystemsLimitAreWritten)
{
    for (const std::size_t length : {std::size_t(231), std::size_t(254), std::size_t(255)}) {
        const fs::path longName = dir / (std::string(length - 4, 'n') + ".pdf");
        replaceFile(longName, "first");
        replaceFile(longName, "second");
        EXPECT_EQ(contents(longName), "second") << length;
        fs::remove(longName);
    }
    EXPECT_THROW(replaceFile(dir / (std::string(256, 'n')), "too long"), FileError);
    EXPECT_TRUE(namesIn(dir).empty());
}

// A real full disk: a small tmpfs of the test's own, when this machine
// lets the test mount one (root in CI does).
TEST_F(SafeWrite, AFullDiskKeepsTheOldFileWhole)
{
    const fs::path mountPoint = dir / "small-disk";
    fs::create_directory(mountPoint);
    const std::string mount = "mount -t tmpfs -o size=64k tmpfs '" + mountPoint.string() + "' 2>/dev/null";
    if (std::system(mount.c_str()) != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const fs::path onDisk = mountPoint / "Tarvel.ini";
    const std::string old(40'000, 'o');
    replaceFile(onDisk, bytesOf(old));
    EXPECT_THROW(replaceFile(onDisk, bytesOf(std::string(41'000, 'n'))), FileError);
    EXPECT_EQ(contents(onDisk), old);
    EXPECT_EQ(namesIn(mountPoint), std::set<std::string>{"Tarvel.ini"});
    std::system(("umount '" + mountPoint.string() + "'").c_str());
}

}  // namespace
}  // namespace jubilo::files
