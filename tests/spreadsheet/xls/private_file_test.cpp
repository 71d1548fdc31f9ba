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

// A call that fails with `error` from its `after`-th use on.
template <typename R, typename... A>
std::function<R(A...)> failing(std::function<R(A...)> real, int error, int after = 0)
{
    return [=, n = 0](A... a) mutable -> R {
        if (n++ < after)
            return real(a...);
        errno = error;
        return R(-1);
    };
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
    std::ofstream(victim) << "the victim's own text";
    fs::create_symlink(victim, dir / "plan.xls.saving");
    fs::create_symlink(dir / "made-through-a-link", dir / ".plan.xls.saving");
    fs::create_symlink(victim, target);

    const XlsWorkbook wb = testing::representativeWorkbook();
    writeWorkbook(wb, target);

    EXPECT_EQ(contents(victim), "the victim's own text");
    EXPECT_FALSE(fs::exists(dir / "made-through-a-link"));
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
        fs::permissions(target, fs::perms::all);  // the next save replaces a file anyone could read
    }
}

TEST_F(PrivateFile, ShortWritesAndInterruptionsStillDeliverEveryByte)
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
    replaceFilePrivately(target, bytesOf(text), calls);
    EXPECT_EQ(contents(target), text);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"plan.xls"});
}

TEST_F(PrivateFile, AFailureLeavesTheOldFileAndNothingBeside)
{
    const FileCalls& real = systemFileCalls();
    struct Failure {
        const char* name;
        int reason;
        std::function<void(FileCalls&)> inject;
    };
    const Failure failures[] = {
        {"creating", EACCES, [&](FileCalls& c) { c.open = failing(real.open, EACCES); }},
        {"disk full halfway", ENOSPC,
         [&](FileCalls& c) {
             const std::function<ssize_t(int, const void*, std::size_t)> half
                 = [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size / 2); };
             c.write = failing(half, ENOSPC, 1);
         }},
        {"a write without progress", EIO,
         [](FileCalls& c) { c.write = [](int, const void*, std::size_t) { return 0; }; }},
        {"flushing", EIO, [&](FileCalls& c) { c.fsync = failing(real.fsync, EIO); }},
        {"renaming", EXDEV, [&](FileCalls& c) { c.rename = failing(real.rename, EXDEV); }},
    };
    for (const Failure& f : failures) {
        std::ofstream(target) << "the previous save";
        FileCalls calls = real;
        f.inject(calls);
        try {
            replaceFilePrivately(target, bytesOf(std::string(9000, 'x')), calls);
            ADD_FAILURE() << f.name << ": no error";
        } catch (const XlsError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find(target.string() + ": " + std::strerror(f.reason)), std::string::npos) << what;
        }
        EXPECT_EQ(contents(target), "the previous save") << f.name;
        EXPECT_EQ(namesIn(dir), std::set<std::string>{"plan.xls"}) << f.name;
    }
    const fs::path missing = dir / "no such folder" / "plan.xls";
    EXPECT_THROW(writeWorkbook(makeDefaultWorkbook(), missing), XlsError);
}

TEST_F(PrivateFile, TakenNamesAreSkippedUpToTheLimit)
{
    std::set<std::string> tried;
    int taken = 3;
    FileCalls calls = systemFileCalls();
    calls.open = [&](const char* path, int flags, mode_t mode) {
        tried.insert(path);
        errno = EEXIST;
        return taken-- > 0 ? -1 : ::open(path, flags, mode);
    };
    replaceFilePrivately(target, bytesOf("saved"), calls);
    EXPECT_EQ(contents(target), "saved");
    ASSERT_EQ(tried.size(), 4u);  // a fresh name each time, hidden beside the target
    for (const std::string& name : tried)
        EXPECT_EQ(name.rfind((dir / ".plan.xls.").string(), 0), 0u) << name;

    taken = kMaxPrivateNameTries;
    tried.clear();
    EXPECT_THROW(replaceFilePrivately(target, bytesOf("again"), calls), XlsError);
    EXPECT_EQ(tried.size(), std::size_t(kMaxPrivateNameTries));
    EXPECT_EQ(contents(target), "saved");
}

}  // namespace
}  // namespace jubilo::xls
