// Where a write to a name lands: through the links the user made, never
// through one another user planted in a shared folder, and never over
// anything but a regular file.

#include "file_fixture.h"

#include "files/file_error.h"
#include "files/safe_write.h"
#include "files/write_target.h"

#include <sys/stat.h>
#include <unistd.h>

namespace jubilo::files {
namespace {

using namespace testing;

constexpr uid_t kAnotherUser = 65534;  // nobody

using WriteTargetTest = FileFixture;

TEST_F(WriteTargetTest, LinksTheUserMadeAreFollowedToTheirFile)
{
    const fs::path real = dir / "real.pdf";
    plant(real, "old");
    fs::create_symlink("real.pdf", dir / "relative");  // relative to the link's folder
    fs::create_symlink(dir / "relative", dir / "chain");
    fs::create_symlink(dir / "made-by-the-save.pdf", dir / "dangling");

    EXPECT_EQ(resolveWriteTarget(dir / "chain").path, real);
    replaceFile(dir / "chain", "new");
    EXPECT_EQ(contents(real), "new");
    EXPECT_TRUE(fs::is_symlink(dir / "chain"));
    EXPECT_TRUE(fs::is_symlink(dir / "relative"));

    const WriteTarget dangling = resolveWriteTarget(dir / "dangling");
    EXPECT_FALSE(dangling.exists);
    replaceFile(dir / "dangling", "created");
    EXPECT_EQ(contents(dir / "made-by-the-save.pdf"), "created");
    EXPECT_TRUE(fs::is_symlink(dir / "dangling"));
}

TEST_F(WriteTargetTest, AnythingButARegularFileIsRefusedAndLeftAsItIs)
{
    const fs::path pipe = dir / "pipe.pdf";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(dir / "folder.pdf");
    fs::create_symlink("/dev/null", dir / "device.pdf");
    fs::create_symlink("loop-b", dir / "loop-a");
    fs::create_symlink("loop-a", dir / "loop-b");
    for (const char* name : {"pipe.pdf", "folder.pdf", "device.pdf", "loop-a"}) {
        EXPECT_THROW(replaceFile(dir / name, "bytes"), FileError) << name;
    }
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_TRUE(fs::is_directory(dir / "folder.pdf"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"pipe.pdf", "folder.pdf", "device.pdf", "loop-a", "loop-b"}));
    try {
        replaceFile(pipe, "bytes");
    } catch (const FileError& e) {
        EXPECT_NE(std::string(e.what()).find("pipe.pdf: it is a pipe"), std::string::npos) << e.what();
    }
}

// A shared temporary folder: sticky and writable by all.
class SharedFolderTest : public FileFixture {
protected:
    void SetUp() override
    {
        FileFixture::SetUp();
        shared = dir / "tmp";
        fs::create_directory(shared);
        ::chmod(shared.c_str(), 01777);
        victim = dir / "bashrc";
        plant(victim, "the user's own file");
    }

    // A link at `name` to `to`, made by another user; false when this
    // process may not give a link away (only root may).
    bool plantLink(const fs::path& to, const std::string& name)
    {
        fs::create_symlink(to, shared / name);
        return ::lchown((shared / name).c_str(), kAnotherUser, kAnotherUser) == 0;
    }

    fs::path shared, victim;
};

TEST_F(SharedFolderTest, AnotherUsersLinkIsNeverWrittenThrough)
{
    if (!plantLink(victim, "party-plan.pdf") || !plantLink(dir / "created-through-a-link", "dangling.pdf"))
        GTEST_SKIP() << "only root can make a link that belongs to another user";
    for (const char* name : {"party-plan.pdf", "dangling.pdf"}) {
        try {
            replaceFile(shared / name, "planted");
            ADD_FAILURE() << name << " was written through";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find("another user"), std::string::npos) << e.what();
        }
    }
    EXPECT_EQ(contents(victim), "the user's own file");
    EXPECT_FALSE(fs::exists(dir / "created-through-a-link"));
    EXPECT_TRUE(fs::is_symlink(shared / "party-plan.pdf"));
}

TEST_F(SharedFolderTest, TheUsersOwnLinkThereIsFollowed)
{
    fs::create_symlink(victim, shared / "mine.pdf");
    replaceFile(shared / "mine.pdf", "saved");
    EXPECT_EQ(contents(victim), "saved");
    // Outside a shared folder another user's link is followed, as the
    // system follows it.
    if (!plantLink(victim, "x") || ::chmod(shared.c_str(), 0755) != 0)
        GTEST_SKIP() << "only root can make a link that belongs to another user";
    replaceFile(shared / "x", "through a private folder");
    EXPECT_EQ(contents(victim), "through a private folder");
}

}  // namespace
}  // namespace jubilo::files
