// An append-only file: made exclusively and owner-only, never through a
// link; an append the disk cannot take is cut off again; opening one cuts
// a torn end and refuses a file replaced since it was looked at.

#include "file_fixture.h"

#include "files/append_file.h"
#include "files/file_error.h"

#include <cstring>

namespace jubilo::files {
namespace {

using namespace testing;

using AppendFileTest = FileFixture;

TEST_F(AppendFileTest, IsMadeOwnerOnlyAndNeverOverOrThroughWhatHoldsTheName)
{
    const std::unique_ptr<AppendFile> file = AppendFile::create(dir / "journal", "head\n");
    ASSERT_TRUE(file);
    file->append("one\n");
    EXPECT_EQ(contents(dir / "journal"), "head\none\n");
    EXPECT_EQ(fs::status(dir / "journal").permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(file->size(), 9);

    plant(dir / "victim", "precious");
    fs::create_symlink(dir / "victim", dir / "link");
    for (const char* name : {"journal", "link"})
        EXPECT_FALSE(AppendFile::create(dir / name, "planted")) << name;
    EXPECT_EQ(contents(dir / "journal"), "head\none\n");
    EXPECT_EQ(contents(dir / "victim"), "precious");
}

TEST_F(AppendFileTest, AnAppendTheDiskCannotTakeIsCutOff)
{
    bool full = false;
    FileCalls calls = systemFileCalls();
    calls.write = [&full](int fd, const void* data, std::size_t size) -> ssize_t {
        if (full && size <= 1) {
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, full ? size - 1 : size);
    };
    const std::unique_ptr<AppendFile> file = AppendFile::create(dir / "journal", "head\n", calls);
    ASSERT_TRUE(file);
    full = true;
    try {
        file->append("two\n");
        ADD_FAILURE() << "an append the disk could not take was taken";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find(std::strerror(ENOSPC)), std::string::npos) << e.what();
    }
    EXPECT_EQ(contents(dir / "journal"), "head\n");
    full = false;
    file->append("three\n");
    EXPECT_EQ(contents(dir / "journal"), "head\nthree\n");

    full = true;
    EXPECT_THROW(AppendFile::create(dir / "other", "head\n", calls), FileError);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"journal"});
}

TEST_F(AppendFileTest, OpeningCutsATornEndAndRefusesAFileReplacedMeanwhile)
{
    plant(dir / "journal", "head\nwhole\n");
    const FileIdentity looked = identityAt(dir / "journal", Links::DoNotFollow);
    std::ofstream(dir / "journal", std::ios::binary | std::ios::app) << "tor";
    const std::unique_ptr<AppendFile> file = AppendFile::open(dir / "journal", looked, 11);
    ASSERT_TRUE(file);
    file->append("next\n");
    EXPECT_EQ(contents(dir / "journal"), "head\nwhole\nnext\n");

    fs::rename(dir / "journal", dir / "moved");
    plant(dir / "journal", "head\nwhole\n");
    EXPECT_FALSE(AppendFile::open(dir / "journal", looked, 11));
    fs::remove(dir / "journal");
    fs::create_symlink(dir / "moved", dir / "journal");
    EXPECT_FALSE(AppendFile::open(dir / "journal", looked, 11));
    EXPECT_EQ(contents(dir / "moved"), "head\nwhole\nnext\n");
}

}  // namespace
}  // namespace jubilo::files
