// Creating a new file: owner-only and whole, never through or over what
// already holds the name.

#include "file_fixture.h"

#include "files/file_error.h"
#include "files/safe_write.h"

#include <sys/stat.h>

namespace jubilo::files {
namespace {

using namespace testing;

using CreateNewFile = FileFixture;

TEST_F(CreateNewFile, ANewFileIsOwnerOnlyAndWrittenWhole)
{
    const std::string big(3 << 20, 'x');
    ASSERT_TRUE(createNewFile(dir / "copy", QByteArrayView(big.data(), qsizetype(big.size()))));
    EXPECT_EQ(contents(dir / "copy"), big);
    EXPECT_EQ(fs::status(dir / "copy").permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// Whatever holds the name already, a file or a link planted by someone
// else, is left as it is, and so is the file a link points at.
TEST_F(CreateNewFile, ANameAlreadyTakenIsNeverWrittenThroughOrOver)
{
    plant(dir / "notes", "precious");
    fs::create_symlink(dir / "notes", dir / "link");
    fs::create_symlink(dir / "would-be-made", dir / "dangling");
    plant(dir / "taken", "old");
    for (const char* name : {"link", "dangling", "taken"})
        EXPECT_FALSE(createNewFile(dir / name, "planted")) << name;
    EXPECT_EQ(contents(dir / "notes"), "precious");
    EXPECT_EQ(contents(dir / "taken"), "old");
    EXPECT_FALSE(fs::exists(dir / "would-be-made"));
}

TEST_F(CreateNewFile, AFailureThrowsNamingThePathAndLeavesNothingBehind)
{
    try {
        createNewFile(dir / "no-such-folder" / "copy", "bytes");
        ADD_FAILURE() << "a file in a missing folder was made";
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("no-such-folder/copy"), std::string::npos) << e.what();
    }
    FileCalls calls = systemFileCalls();
    calls.write = [](int, const void*, std::size_t) -> ssize_t {
        errno = ENOSPC;
        return -1;
    };
    EXPECT_THROW(createNewFile(dir / "full", "bytes", calls), FileError);
    EXPECT_TRUE(namesIn(dir).empty());
}

}  // namespace
}  // namespace jubilo::files
