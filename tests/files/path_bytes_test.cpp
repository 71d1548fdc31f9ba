// File names as bytes: every name comes back byte for byte, and names that
// differ in bytes stay different names.

#include "file_fixture.h"

#include "files/path_bytes.h"
#include "files/safe_write.h"

#include <random>

namespace jubilo::files {
namespace {

using namespace testing;

TEST(PathBytesTest, EveryByteSequenceComesBackExactly)
{
    const QByteArray names[] = {
        "plain.xls",
        "caf\xc3\xa9.xls",  // UTF-8
        "caf\xe9.xls",  // Latin-1
        "\xff\xfe\x80",  // no UTF-8 at all
        "\xed\xa0\x80.pdf",  // an encoded surrogate
        "\xc0\xaf",  // an overlong '/'
        "\xf4\x90\x80\x80",  // beyond U+10FFFF
        "\xe6\x9d\x8e\xe9\x9b\xb7 \xf0\x9f\x8e\xa4",  // Chinese and an emoji
        "\xf0\x90\x82\x80",  // U+10080, whose second half looks like a kept byte
        "\xe2\x82",  // cut short
    };
    for (const QByteArray& name : names)
        EXPECT_EQ(bytesOfName(nameFromBytes(name)), name) << name.toHex().toStdString();
    std::mt19937 chance(2026);  // a fixed seed: the same names every run
    for (int i = 0; i < 2000; ++i) {
        QByteArray name(int(chance() % 12), '\0');
        for (char& byte : name)
            byte = char(1 + chance() % 255);
        ASSERT_EQ(bytesOfName(nameFromBytes(name)), name) << name.toHex().toStdString();
    }
}

TEST(PathBytesTest, TextIsTextAndKeptBytesShowAsReplacements)
{
    EXPECT_EQ(nameFromBytes("caf\xc3\xa9"), QStringLiteral("café"));
    EXPECT_EQ(bytesOfName(QStringLiteral("café")), QByteArray("caf\xc3\xa9"));
    EXPECT_EQ(displayName(nameFromBytes("caf\xe9.xls")), QStringLiteral("caf\uFFFD.xls"));
    EXPECT_EQ(displayName(nameFromBytes("\xf0\x90\x82\x80")), QString::fromUcs4(U"\U00010080", 1));
}

using PathBytesFiles = FileFixture;

TEST_F(PathBytesFiles, NamesThatAreNotUtf8LandOnTheirOwnFiles)
{
    const QString latin1 = nameFromBytes(QByteArray(dir.c_str()) + "/caf\xe9.xls");
    const QString other = nameFromBytes(QByteArray(dir.c_str()) + "/caf\xe8.xls");
    replaceFile(fileSystemPath(latin1), "first");
    replaceFile(fileSystemPath(other), "second");
    EXPECT_EQ(namesIn(dir), (std::set<std::string>{"caf\xe9.xls", "caf\xe8.xls"}));
    EXPECT_EQ(contents(dir / "caf\xe9.xls"), "first");
}

}  // namespace
}  // namespace jubilo::files
