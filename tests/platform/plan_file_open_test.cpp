// Opening a file that is not a plan is refused with a message naming the
// file and the fault, and leaves everything as it was.

#include "platform/plan_file_store.h"
#include "tests/support/folder_snapshot.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace jubilo {
namespace {

using testing::writeFile;

struct NotAPlan {
    const char* name;
    std::function<void(const QString& path)> make;  // puts it at `path`
    const char* fault;  // what the message says is wrong
    bool rootReadsIt = false;  // a permission the superuser is not bound by
    bool refuseOpening = false;  // every open fails for want of permission
};

void PrintTo(const NotAPlan& notPlan, std::ostream* os) { *os << notPlan.name; }

void plant(const QByteArray& bytes, const QString& path) { writeFile(path, bytes); }

std::function<void(const QString&)> holding(const QByteArray& bytes)
{
    return [bytes](const QString& path) { plant(bytes, path); };
}

const QByteArray kPlan = "[Jubilo]\nGuests=\nDate=May 1st\n";

std::vector<NotAPlan> notPlans()
{
    return {
        {"Missing", [](const QString&) {}, "there is no file by that name"},
        {"DanglingLink", [](const QString& path) { QFile::link(path + ".gone", path); },
         "a link to a file that is not there"},
        {"Folder", [](const QString& path) { QDir().mkdir(path); }, "it is a folder"},
        {"Pipe", [](const QString& path) { ::mkfifo(QFile::encodeName(path).constData(), 0600); },
         "not a regular file"},
        {"NoReadPermission",
         [](const QString& path) {
             plant(kPlan, path);
             QFile::setPermissions(path, QFileDevice::WriteOwner);
         },
         "you have no permission to read it", true},
        {"OpenRefused", holding(kPlan), "you have no permission to read it", false, true},
        {"Over64MB",
         [](const QString& path) {
             plant(kPlan, path);
             QFile(path).resize(100 * 1024 * 1024);  // sparse: quick to make
         },
         "it holds 100 MB"},
        {"Binary", holding(QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)), "a NUL byte at offset 8"},
        {"NulInAValue", holding(QByteArray("[Jubilo]\nGuests=a\0b\n", 20)), "a NUL byte at offset 17"},
        {"NotUtf8", holding("[Jubilo]\nGuests=caf\xe9\n"), "not text in UTF-8"},
        {"PlainText", holding("Party on Saturday\nbring cake\n"), "line 1 is neither"},
        {"UnreadableLineFurtherOn", holding(kPlan + "\nnot a setting\n"), "line 5 is neither"},
        {"ByteOrderMark", holding("\xEF\xBB\xBF" + kPlan), "line 1 is neither"},
        {"LineOnlyQSettingsRefuses", holding(kPlan + "\v\n"), "lines that cannot be read as settings"},
        {"NoJubiloGroup", holding("[Other]\nGuests=\n"), "no [Jubilo] group"},
        {"Empty", holding(""), "no [Jubilo] group"},
    };
}

class PlanFileOpenTest : public ::testing::TestWithParam<NotAPlan> {
protected:
    QTemporaryDir dir;
};

TEST_P(PlanFileOpenTest, IsRefusedNamingTheFileAndTheFaultTouchingNothing)
{
    const NotAPlan& notPlan = GetParam();
    if (notPlan.rootReadsIt && ::geteuid() == 0)
        GTEST_SKIP() << "the superuser reads any file; OpenRefused stands in for this case";
    const QString path = dir.filePath("party.jubilo");
    notPlan.make(path);
    files::FileCalls calls = files::systemFileCalls();
    if (notPlan.refuseOpening) {
        calls.openat = [](int, const char*, int, mode_t) {
            errno = EACCES;
            return -1;
        };
    }
    const QStringList before = testing::folderSnapshot(dir.path());

    try {
        PlanFileStore::open(
            path, [](const QString& text) { ADD_FAILURE() << text.toStdString(); }, calls);
        ADD_FAILURE() << "opened as a plan";
    } catch (const PlanFileError& error) {
        const std::string what = error.what();
        EXPECT_NE(what.find(path.toStdString()), std::string::npos) << what;
        EXPECT_NE(what.find(notPlan.fault), std::string::npos) << what;
    }
    EXPECT_EQ(testing::folderSnapshot(dir.path()), before);
}

INSTANTIATE_TEST_SUITE_P(NotAPlan, PlanFileOpenTest, ::testing::ValuesIn(notPlans()),
                         [](const ::testing::TestParamInfo<NotAPlan>& info) { return info.param.name; });

// The smallest plan, and a link to one, open.
TEST(PlanFileOpenTest, AGroupWithNoKeysIsAnEmptyPlanAndALinkIsFollowed)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("empty.jubilo"), "[Jubilo]\n");
    EXPECT_EQ(PlanFileStore::open(dir.filePath("empty.jubilo"))->read("", "Jubilo", "Guests", "none"), "none");
    writeFile(dir.filePath("real.jubilo"), kPlan);
    ASSERT_TRUE(QFile::link(dir.filePath("real.jubilo"), dir.filePath("link.jubilo")));
    EXPECT_EQ(PlanFileStore::open(dir.filePath("link.jubilo"))->read("", "Jubilo", "Date", ""), "May 1st");
}

}  // namespace
}  // namespace jubilo
