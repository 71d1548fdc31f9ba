// Saving a workbook file: links planted where the file is written are never
// followed, the file is its owner's alone, every byte arrives through short
// writes and interruptions, and a failure leaves the old file as it was.

#include "sample_workbooks.h"

#include "spreadsheet/xls/private_file_p.h"
#include "spreadsheet/xls/xls_io.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo::xls {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::set<std::string> namesIn(const fs::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

std::span<const uint8_t> bytesOf(const std::string& s)
{
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

class PrivateFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "jubilo_private_XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        target = dir / "plan.xls";
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path dir, target;
};

TEST_F(PrivateFile, LinksPlantedAtTheOldTemporaryNameOrTheTargetAreNeverFollowed)
{
    const fs::path victim = dir / "victim.txt";
    put(victim, "the victim's own text");
    fs::create_symlink(victim, dir / "plan.xls.saving");
    fs::create_symlink(dir / "made-through-a-link", dir / ".plan.xls.saving");
    fs::create_symlink(victim, target);

    const XlsWorkbook wb = testing::representativeWorkbook();
    writeWorkbook(wb, target);

    EXPECT_EQ(contents(victim), "the victim's own text");
    EXPECT_FALSE(fs::exists(dir / "made-through-a-link"));
    EXPECT_TRUE(fs::is_symlink(dir / "plan.xls.saving"));
    ASSERT_TRUE(fs::is_regular_file(fs::symlink_status(target)));  // the link itself was replaced
    const std::vector<uint8_t> expected = writeWorkbookBytes(wb);
    EXPECT_EQ(contents(target), std::string(expected.begin(), expected.end()));
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"victim.txt", "plan.xls", "plan.xls.saving", ".plan.xls.saving"}));
}

TEST_F(PrivateFile, TheFileIsTheOwnersAloneWhateverTheUmask)
{
    for (const mode_t mask : {mode_t(0), mode_t(022), mode_t(0277)}) {
        const mode_t before = ::umask(mask);
        writeWorkbook(makeDefaultWorkbook(), target);
        ::umask(before);
        EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write) << "umask " << mask;
    }
    // Replacing a file others could read leaves one they cannot.
    fs::permissions(target, fs::perms::all);
    writeWorkbook(makeDefaultWorkbook(), target);
    EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(PrivateFile, ShortWritesAndInterruptionsStillDeliverEveryByte)
{
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += char('a' + i % 26);
    FileCalls calls = systemFileCalls();
    int call = 0, fsyncs = 0;
    calls.write = [&](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++call % 3 == 0) {
            errno = EINTR;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 7));
    };
    calls.fsync = [&](int fd) {
        if (fsyncs++ == 0) {
            errno = EINTR;
            return -1;
        }
        return ::fsync(fd);
    };
    replaceFilePrivately(target, bytesOf(text), calls);
    EXPECT_EQ(contents(target), text);
    EXPECT_GE(fsyncs, 2);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"plan.xls"});
}

struct InjectedFailure {
    const char* name;
    const char* reason;  // as strerror gives it
    void (*inject)(FileCalls&);
};

const InjectedFailure kFailures[] = {
    {"disk full halfway", "No space left on device",
     [](FileCalls& c) {
         c.write = [n = 0](int fd, const void* data, std::size_t size) mutable -> ssize_t {
             if (n++ > 0) {
                 errno = ENOSPC;
                 return -1;
             }
             return ::write(fd, data, size / 2);
         };
     }},
    {"a write that makes no progress", "Input/output error",
     [](FileCalls& c) { c.write = [](int, const void*, std::size_t) -> ssize_t { return 0; }; }},
    {"flushing to disk fails", "Input/output error",
     [](FileCalls& c) {
         c.fsync = [](int) {
             errno = EIO;
             return -1;
         };
     }},
    {"the rename is refused", "Invalid cross-device link",
     [](FileCalls& c) {
         c.rename = [](const char*, const char*) {
             errno = EXDEV;
             return -1;
         };
     }},
    {"creating is refused", "Permission denied",
     [](FileCalls& c) {
         c.open = [](const char*, int, mode_t) {
             errno = EACCES;
             return -1;
         };
     }},
};

TEST_F(PrivateFile, AFailureLeavesTheOldFileAndNothingBeside)
{
    put(target, "the previous save");
    for (const InjectedFailure& f : kFailures) {
        FileCalls calls = systemFileCalls();
        f.inject(calls);
        try {
            replaceFilePrivately(target, bytesOf(std::string(9000, 'x')), calls);
            ADD_FAILURE() << f.name << ": no error";
        } catch (const XlsError& e) {
            EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << f.name << ": " << e.what();
            EXPECT_NE(std::string(e.what()).find(f.reason), std::string::npos) << f.name << ": " << e.what();
        }
        EXPECT_EQ(contents(target), "the previous save") << f.name;
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"plan.xls"}) << f.name;
    }
}

TEST_F(PrivateFile, AFolderThatIsNotThereIsAClearError)
{
    const fs::path missing = dir / "no such folder" / "plan.xls";
    try {
        writeWorkbook(makeDefaultWorkbook(), missing);
        ADD_FAILURE() << "no error";
    } catch (const XlsError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "cannot create a file beside " + missing.string() + ": " + std::strerror(ENOENT));
    }
    EXPECT_TRUE(namesIn(dir).empty());
}

TEST_F(PrivateFile, TakenNamesAreSkippedUpToTheLimit)
{
    std::set<std::string> tried;
    int taken = 3;
    FileCalls calls = systemFileCalls();
    calls.open = [&](const char* path, int flags, mode_t mode) {
        tried.insert(path);
        if (taken-- > 0) {
            errno = EEXIST;
            return -1;
        }
        return ::open(path, flags, mode);
    };
    replaceFilePrivately(target, bytesOf("saved"), calls);
    EXPECT_EQ(contents(target), "saved");
    ASSERT_EQ(tried.size(), 4u);  // a fresh name each time
    for (const std::string& name : tried) {
        EXPECT_EQ(fs::path(name).parent_path(), dir) << name;
        EXPECT_EQ(fs::path(name).filename().string().rfind(".plan.xls.", 0), 0u) << name;
    }

    taken = kMaxPrivateNameTries;
    tried.clear();
    EXPECT_THROW(replaceFilePrivately(target, bytesOf("again"), calls), XlsError);
    EXPECT_EQ(tried.size(), std::size_t(kMaxPrivateNameTries));
    EXPECT_EQ(contents(target), "saved");
}

}  // namespace
}  // namespace jubilo::xls
