#include "platform/private_file.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace jubilo {
namespace {

using testing::readFile;
using testing::writeFile;

mode_t modeOf(const QString& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode;
}

class PrivateFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }
};

TEST_F(PrivateFileTest, ANewFileIsOwnerOnlyAndWrittenWhole)
{
    const QString path = QDir(dir.path()).filePath("copy");
    const QByteArray big(3 << 20, 'x');
    ASSERT_TRUE(createPrivateFile(path, big));
    EXPECT_EQ(readFile(path), big);
    EXPECT_EQ(modeOf(path) & 0777, 0600u);
}

// Whatever holds the name already, a file or a link planted by someone
// else, is left as it is, and so is the file a link points at.
TEST_F(PrivateFileTest, ANameAlreadyTakenIsNeverWrittenThroughOrOver)
{
    QTemporaryDir elsewhere;
    const QString victim = QDir(elsewhere.path()).filePath("notes");
    writeFile(victim, "precious");
    const QString link = QDir(dir.path()).filePath("link");
    ASSERT_TRUE(QFile::link(victim, link));
    EXPECT_FALSE(createPrivateFile(link, "planted"));
    EXPECT_EQ(readFile(victim), "precious");

    const QString taken = QDir(dir.path()).filePath("taken");
    writeFile(taken, "old");
    EXPECT_FALSE(createPrivateFile(taken, "new"));
    EXPECT_EQ(readFile(taken), "old");
}

TEST_F(PrivateFileTest, AFailureThrowsNamingThePathAndLeavesNothingBehind)
{
    const QString missing = QDir(dir.path()).filePath("no-such-folder/copy");
    try {
        createPrivateFile(missing, "bytes");
        ADD_FAILURE() << "a file in a missing folder was made";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("no-such-folder/copy"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(entries().isEmpty());
}

}  // namespace
}  // namespace jubilo
