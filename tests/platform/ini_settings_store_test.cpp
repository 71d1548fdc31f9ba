#include "platform/ini_settings_store.h"
#include "tests/support/external_tools.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace jubilo {
namespace {

const QString kApp = QStringLiteral("Tarvel");
const QString kSection = QStringLiteral("Jubilo");

QStringList awkwardTexts()
{
    QString big;
    big.reserve(3'000'000);
    while (big.size() < 3'000'000)
        big += QStringLiteral("Row||MySeparator12||ünïcode, \"quoted\"\t\r\n");
    return {QString(),
            QStringLiteral("@"),
            QStringLiteral("@ByteArray(abc)"),
            QStringLiteral("@Variant(\\0\\0)"),
            QStringLiteral("a, b, c"),
            QStringLiteral(",,"),
            QStringLiteral("\"quoted\" and 'single'"),
            QStringLiteral("tab\there"),
            QStringLiteral("line1\r\nline2\rline3\n"),
            QStringLiteral("  padded  "),
            QStringLiteral("back\\slash\\"),
            QStringLiteral("[Section]\nkey=value ; not a comment # nor this"),
            QStringLiteral("true"),
            QStringLiteral("Ελληνικά — 日本語 — עברית"),
            QStringLiteral("🎉🥳 party 👨‍👩‍👧"),
            big};
}

mode_t modeOf(const QString& path)
{
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 0777;
}

TEST(IniSettingsStoreTest, MissingValuesReadAsTheDefault)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    EXPECT_EQ(store.read(kApp, kSection, "Guests", "fallback"), "fallback");
    store.write(kApp, kSection, "Guests", "");
    EXPECT_EQ(store.read(kApp, kSection, "Guests", "fallback"), "");
    EXPECT_TRUE(QFile::exists(store.filePath(kApp)));
}

TEST(IniSettingsStoreTest, ANewFileIsItsOwnersAloneAndStaysSo)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.filePath("config"));
    EXPECT_EQ(store.location(kApp), dir.filePath("config/Tarvel.ini"));
    store.write(kApp, kSection, "Date", "May 1st");
    EXPECT_EQ(modeOf(store.location(kApp)), 0600u);
    // Every later write replaces the file through a fresh one.
    IniSettingsStore again(dir.filePath("config"));
    again.write(kApp, kSection, "Time", "8pm");
    EXPECT_EQ(modeOf(store.location(kApp)), 0600u);
    EXPECT_EQ(again.read(kApp, kSection, "Date", ""), "May 1st");
}

TEST(IniSettingsStoreTest, UnwritableStoreRaisesAnError)
{
    QTemporaryDir dir;
    // A regular file where the store's folder should be: no permission bit
    // can make that writable, not even for root.
    const QString blocker = dir.filePath("not-a-folder");
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    IniSettingsStore store(blocker);
    EXPECT_THROW(store.write(kApp, kSection, "Music Budget", "12"), StoreError);
    EXPECT_THROW(store.write(kApp, kSection, "Music Budget", "13"), StoreError);
}

// Each text is written by a separate process that kills itself with SIGKILL
// right after the write returns; this process then reads it back from disk.
TEST(IniSettingsStoreTest, EveryTextSurvivesExactlyAcrossAKilledWriter)
{
    QTemporaryDir dir;
    const QStringList texts = awkwardTexts();
    for (int i = 0; i < texts.size(); ++i) {
        const QString valueFile = dir.filePath(QStringLiteral("value%1.txt").arg(i));
        QFile out(valueFile);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(texts[i].toUtf8());
        out.close();

        const auto writer
            = testing::runProcess(QStringLiteral(STORE_WRITER_TOOL),
                                  {dir.filePath("store"), QStringLiteral("Key%1").arg(i), valueFile}, 60'000);
        ASSERT_TRUE(writer.finished) << writer.output.toStdString();
        ASSERT_EQ(writer.exitCode, -1) << "the writer was meant to be killed";
    }
    IniSettingsStore reader(dir.filePath("store"));
    for (int i = 0; i < texts.size(); ++i) {
        const QString back = reader.read(kApp, kSection, QStringLiteral("Key%1").arg(i), "missing");
        EXPECT_EQ(back.size(), texts[i].size()) << "text " << i;
        EXPECT_TRUE(back == texts[i]) << "text " << i << " came back as: " << back.left(80).toStdString();
    }
}

TEST(IniSettingsStoreTest, ApplicationsHaveFilesOfTheirOwn)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    store.write("Tarvel", "Jubilo", "Date", "one");
    store.write("Other", "Jubilo", "Date", "two");
    IniSettingsStore again(dir.path());
    EXPECT_EQ(again.read("Tarvel", "Jubilo", "Date", ""), "one");
    EXPECT_EQ(again.read("Other", "Jubilo", "Date", ""), "two");
    EXPECT_EQ(again.read("Tarvel", "Elsewhere", "Date", "none"), "none");
}

}  // namespace
}  // namespace jubilo
