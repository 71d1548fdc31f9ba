#include "ui/common/data_files.h"
#include "ui/common/window_pointer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

// An installed layout: <prefix>/bin holds the program, <prefix>/share/jubilo
// its data files.
class DataFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(prefix.isValid());
        ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
        ASSERT_TRUE(QDir(prefix.path()).mkpath("share/jubilo"));
    }

    QString at(const QString& relative) const { return QDir(prefix.path()).filePath(relative); }

    static void touch(const QString& path)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }

    QTemporaryDir prefix;
    const QString name = QLatin1String(kHandPointerFile);
};

TEST_F(DataFilesTest, BesideTheProgramComesFirstThenTheInstalledDataFolder)
{
    EXPECT_EQ(dataFileCandidates(at("bin"), name), QStringList({at("bin/HAND-M.CUR"), at("share/jubilo/HAND-M.CUR")}));

    touch(at("share/jubilo/HAND-M.CUR"));
    EXPECT_EQ(dataFilePath(at("bin"), name), at("share/jubilo/HAND-M.CUR")) << "installed program";

    touch(at("bin/HAND-M.CUR"));
    EXPECT_EQ(dataFilePath(at("bin"), name), at("bin/HAND-M.CUR")) << "a copy beside the program wins";
}

TEST_F(DataFilesTest, AMissingFileIsLookedForBesideTheProgram)
{
    EXPECT_EQ(dataFilePath(at("bin"), name), at("bin/HAND-M.CUR"));

    // A folder of the file's name is not the file.
    ASSERT_TRUE(QDir(at("share/jubilo")).mkpath(name));
    EXPECT_EQ(dataFilePath(at("bin"), name), at("bin/HAND-M.CUR"));

    // A program folder given with a trailing slash finds the same file.
    touch(at("share/jubilo/x.dat"));
    EXPECT_EQ(dataFilePath(at("bin") + "/", "x.dat"), at("share/jubilo/x.dat"));
}

}  // namespace
}  // namespace jubilo
