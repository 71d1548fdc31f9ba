#include "files/file_procedures.h"

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

    EXPECT_TRUE(fileExists(plain));
    EXPECT_TRUE(fileExists(readOnly));
    EXPECT_TRUE(fileExists(dir.path()));  // a folder has a modification time too
    EXPECT_FALSE(fileExists(""));
    EXPECT_FALSE(fileExists(dir.filePath("missing.xls")));
    EXPECT_FALSE(fileExists(dir.filePath("no/such/folder/file.xls")));
    EXPECT_FALSE(fileExists(dir.filePath("*.xls")));
    EXPECT_FALSE(fileExists(plain + QChar(0) + "tail"));
    EXPECT_FALSE(fileExists(dir.filePath(QString(5000, 'a'))));
}

TEST(DeleteFileQuietlyTest, DeletesTheNamedFileEvenWhenReadOnly)
{
    QTemporaryDir dir;
    const QString readOnly = dir.filePath("temp.bmp");
    touch(readOnly, QFileDevice::ReadOwner | QFileDevice::ReadUser);
    deleteFileQuietly(readOnly);
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

    EXPECT_NO_THROW(deleteFileQuietly(dir.filePath("missing.xls")));
    EXPECT_NO_THROW(deleteFileQuietly(""));
    deleteFileQuietly(dir.filePath("*.xls"));  // a name, never a pattern
    deleteFileQuietly(folder);
    deleteFileQuietly(link);

    EXPECT_TRUE(QFile::exists(keep));
    EXPECT_TRUE(QDir(folder).exists());
    EXPECT_FALSE(QFileInfo(link).isSymLink() || QFileInfo::exists(link));
    EXPECT_TRUE(QFile::exists(target));
}

}  // namespace
}  // namespace jubilo
