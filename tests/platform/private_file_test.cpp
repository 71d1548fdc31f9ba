#include "platform/private_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace jubilo {
namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void put(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

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

TEST_F(PrivateFileTest, APlantedLinkIsReplacedNeverFollowed)
{
    const QString victim = dir.filePath("victim");
    put(victim, "precious");
    const QString path = dir.filePath("temp.bmp");
    ASSERT_TRUE(QFile::link(victim, path));

    writePrivateFile(path, "picture bytes");

    EXPECT_EQ(contents(victim), "precious");
    EXPECT_TRUE(S_ISREG(modeOf(path)));
    EXPECT_EQ(modeOf(path) & 0777, 0600u);
    EXPECT_EQ(contents(path), "picture bytes");
    EXPECT_EQ(entries(), QStringList({"temp.bmp", "victim"}));  // no scratch file left
}

TEST_F(PrivateFileTest, AnOldFileIsReplacedWholeAndMadeOwnerOnly)
{
    const QString path = dir.filePath("temp.bmp");
    put(path, QByteArray(100'000, 'x'));
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0644), 0);
    const QByteArray big(3'000'000, 'b');

    writePrivateFile(path, big);

    EXPECT_EQ(contents(path), big);
    EXPECT_EQ(modeOf(path) & 0777, 0600u);
    EXPECT_EQ(entries(), QStringList({"temp.bmp"}));
}

TEST_F(PrivateFileTest, FailuresThrowNamingThePathAndLeaveNothingBehind)
{
    const QString missing = dir.filePath("missing/temp.bmp");
    try {
        writePrivateFile(missing, "bytes");
        ADD_FAILURE() << "a missing folder was written to";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(missing.toStdString()), std::string::npos) << error.what();
    }
    EXPECT_TRUE(entries().isEmpty());

    // A folder at the path: the fresh file is written, the rename is refused
    // and the fresh file removed again.
    const QString folder = dir.filePath("temp.bmp");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_THROW(writePrivateFile(folder, "bytes"), std::runtime_error);
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_EQ(entries(), QStringList({"temp.bmp"}));
}

}  // namespace
}  // namespace jubilo
