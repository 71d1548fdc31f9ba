#include "trap/file_procedures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

void touch(const QString& path, QFileDevice::Permissions permissions = {})
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("x");
    file.close();
    if (permissions) {
        ASSERT_TRUE(QFile::setPermissions(path, permissions));
    }
}

TEST(FileExistsTest, AnswersWithoutEverFailing)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.xls");
    touch(plain);
    const QString readOnly = dir.filePath("read only ü.xls");
    touch(readOnly, QFileDevice::ReadOwner);

    EXPECT_TRUE(FileExists(plain));
    EXPECT_TRUE(FileExists(readOnly));
    EXPECT_TRUE(FileExists(dir.path()));  // a folder has a modification time too
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.filePath("missing.xls")));
    EXPECT_FALSE(FileExists(dir.filePath("no/such/folder/file.xls")));
    EXPECT_FALSE(FileExists(dir.filePath("*.xls")));
    EXPECT_FALSE(FileExists(plain + QChar(0) + "tail"));
    EXPECT_FALSE(FileExists(dir.filePath(QString(5000, 'a'))));
}

TEST(DeleteFileQuietlyTest, DeletesTheNamedFileEvenWhenReadOnly)
{
    QTemporaryDir dir;
    const QString readOnly = dir.filePath("temp.bmp");
    touch(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    DeleteFileQuietly(readOnly);
    EXPECT_FALSE(QFile::exists(readOnly));
}

TEST(DeleteFileQuietlyTest, NeverTouchesAnythingButTheOneNamedFile)
{
    QTemporaryDir dir;
    const QString keep = dir.filePath("keep.xls");
    touch(keep);
    const QString folder = dir.filePath("folder");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString target = dir.filePath("target.txt");
    touch(target);
    const QString link = dir.filePath("link");
    ASSERT_TRUE(QFile::link(target, link));

    EXPECT_NO_THROW(DeleteFileQuietly(dir.filePath("missing.xls")));
    EXPECT_NO_THROW(DeleteFileQuietly(""));
    DeleteFileQuietly(dir.filePath("*.xls"));  // a name, never a pattern
    DeleteFileQuietly(folder);
    DeleteFileQuietly(link);

    EXPECT_TRUE(QFile::exists(keep));
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_FALSE(QFileInfo(link).isSymLink() || QFileInfo::exists(link));
    EXPECT_TRUE(QFile::exists(target));
}

}  // namespace
}  // namespace jubilo
