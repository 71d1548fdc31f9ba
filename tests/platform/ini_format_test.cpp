// The settings file's format is QSettings' INI format both ways: QSettings
// reads every text Jubilo writes, Jubilo reads every text QSettings writes,
// and a write changes one value's line and nothing else.

#include "plan/saved_plan.h"
#include "platform/ini_document.h"
#include "platform/ini_settings_store.h"
#include "tests/support/journal_files.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using testing::readFile;
using testing::writeFile;

// Texts whose escaping goes wrong in one way or another.
QStringList trickyTexts()
{
    return {QString(),
            QStringLiteral("plain"),
            QStringLiteral("@"),
            QStringLiteral("@@double"),
            QStringLiteral("@ByteArray(abc)"),
            QStringLiteral("@Invalid()"),
            QStringLiteral("a, b, c"),
            QStringLiteral("semi;colon"),
            QStringLiteral("key=value"),
            QStringLiteral("\"quoted\" and 'single'"),
            QStringLiteral("\""),
            QStringLiteral(" leading and trailing "),
            QStringLiteral("\ttabs\t"),
            QStringLiteral("back\\slash\\"),
            QStringLiteral("\\x41 is not an escape"),
            QString(QChar(0)) + QStringLiteral("0after a NUL"),
            QStringLiteral("\x01"
                           "a bell\a, then hex digits: \x1f"
                           "abc"),
            QStringLiteral("\x7f delete"),
            QStringLiteral("line1\r\nline2\rline3\nline4\n"),
            QStringLiteral("[Section]\nkey=value ; not a comment # nor this"),
            QStringLiteral("; a comment?"),
            QStringLiteral("Ελληνικά — 日本語 — עברית — हिन्दी"),
            QStringLiteral("🎉🥳 party 👨‍👩‍👧"),
            QStringLiteral("Row||MySeparator12||cell||MySeparator11||"),
            QString(QChar(0xD83C)) + QStringLiteral("a lone half of a pair"),
            QString(QChar(0xFEFF)) + QStringLiteral("a byte order mark first")};
}

// Every text comes back exactly through the journal, and a checkpoint
// leaves no journal and a file QSettings reads with every value.
TEST(IniFormatTest, QSettingsReadsEveryTextJubiloWrites)
{
    QTemporaryDir dir;
    IniSettingsStore store(dir.path());
    const QStringList texts = trickyTexts();
    for (int i = 0; i < texts.size(); ++i)
        store.write(kStoreApplication, kStoreSection, QStringLiteral("Key %1/sub").arg(i), texts[i]);
    const QString journal = testing::journalOf(store.filePath(kStoreApplication));
    ASSERT_TRUE(testing::nameTaken(journal));
    IniSettingsStore replaying(dir.path());
    for (int i = 0; i < texts.size(); ++i) {
        EXPECT_TRUE(replaying.read(kStoreApplication, kStoreSection, QStringLiteral("Key %1/sub").arg(i), "missing")
                    == texts[i])
            << "text " << i;
    }

    store.checkpoint();
    EXPECT_FALSE(testing::nameTaken(journal));
    QSettings settings(store.filePath(kStoreApplication), QSettings::IniFormat);
    ASSERT_EQ(settings.status(), QSettings::NoError);
    for (int i = 0; i < texts.size(); ++i) {
        const QVariant back = settings.value(kStoreSection + QStringLiteral("/Key %1/sub").arg(i));
        EXPECT_EQ(back.typeId(), QMetaType::QString) << "text " << i;
        EXPECT_EQ(back.toString(), texts[i]) << "text " << i << ": " << back.toString().toStdString();
    }
}

TEST(IniFormatTest, JubiloReadsEveryTextQSettingsWrites)
{
    QTemporaryDir dir;
    const QStringList texts = trickyTexts();
    {
        QSettings settings(QDir(dir.path()).filePath("Tarvel.ini"), QSettings::IniFormat);
        for (int i = 0; i < texts.size(); ++i)
            settings.setValue(kStoreSection + QStringLiteral("/Key %1/sub").arg(i), texts[i]);
        settings.setValue(QStringLiteral("Other Group/Food And Drinks"), QStringLiteral("elsewhere"));
        settings.setValue(QStringLiteral("General/odd"), QStringLiteral("a group named General"));
        settings.setValue(QStringLiteral("top"), QStringLiteral("the general group"));
    }
    // Two texts QSettings cannot write: a lone half of a pair (it writes a
    // replacement) and a first byte order mark (which its reading drops).
    IniSettingsStore store(dir.path());
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].contains(QChar(0xD83C)) || texts[i].startsWith(QChar(0xFEFF)))
            continue;
        EXPECT_EQ(store.read(kStoreApplication, kStoreSection, QStringLiteral("Key %1/sub").arg(i), "missing"),
                  texts[i])
            << "text " << i;
    }
    EXPECT_EQ(store.read(kStoreApplication, "Other Group", "Food And Drinks", ""), "elsewhere");
    EXPECT_EQ(store.read(kStoreApplication, "General", "odd", ""), "a group named General");
    EXPECT_EQ(store.read(kStoreApplication, "", "top", ""), "the general group");
}

// A newer Jubilo's groups and keys, comments and a hand's spacing survive
// every write; only the written value's line changes.
TEST(IniFormatTest, AWriteChangesOneLineAndKeepsEverythingElse)
{
    QTemporaryDir dir;
    const QByteArray before = "; kept by hand\n"
                              "top=1\n"
                              "\n[Jubilo]\n"
                              "Guests = old guests ; a remark\n"
                              "Music%20Budget=10\n"
                              "Future%20Key=@Variant(\\0\\0\\0\\x7f)\n"
                              "\n[Later Version]\n"
                              "Shape=\"a, b\"\n";
    const QString path = QDir(dir.path()).filePath("Tarvel.ini");
    writeFile(path, before);
    IniSettingsStore store(dir.path());
    store.write(kStoreApplication, kStoreSection, "Guests", "new guests");
    store.write(kStoreApplication, kStoreSection, "Date", "May 1st");
    store.write(kStoreApplication, "Another", "Key", "v");
    store.checkpoint();
    QByteArray expected = before;
    expected.replace("Guests = old guests ; a remark\n", "Guests=new guests; a remark\n");
    expected.replace("Future%20Key=@Variant(\\0\\0\\0\\x7f)\n",
                     "Future%20Key=@Variant(\\0\\0\\0\\x7f)\nDate=May 1st\n");
    expected += "\n[Another]\nKey=v\n";
    EXPECT_EQ(readFile(path).toStdString(), expected.toStdString());

    ini::IniDocument document(expected);
    EXPECT_EQ(document.value(kStoreSection, "Music Budget"), QStringLiteral("10"));
    EXPECT_EQ(document.value("Later Version", "Shape"), QStringLiteral("a, b"));
    EXPECT_EQ(document.value(kStoreSection, "Shape"), std::nullopt);
}

// A later line of the same key wins, as in QSettings, and is the one
// rewritten; a line a quote carries over several lines is one value.
TEST(IniFormatTest, LinesAreFoundAsQSettingsFindsThem)
{
    const QByteArray text = "[Jubilo]\nKey=first\nQuoted=\"one\ntwo;three\"\nKey=second\nCont=a\\\nb\n[Jubilo]\nTail=x";
    ini::IniDocument document(text);
    EXPECT_EQ(document.value(kStoreSection, "Key"), QStringLiteral("second"));
    EXPECT_EQ(document.value(kStoreSection, "Quoted"), QStringLiteral("one\ntwo;three"));
    EXPECT_EQ(document.value(kStoreSection, "Cont"), QStringLiteral("ab"));
    document.setValue(kStoreSection, "Key", "third");
    document.setValue(kStoreSection, "New", "n");
    EXPECT_EQ(document.bytes(),
              "[Jubilo]\nKey=first\nQuoted=\"one\ntwo;three\"\nKey=third\nCont=a\\\nb\n[Jubilo]\nTail=x\nNew=n\n");
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("check.ini");
    writeFile(path, document.bytes());
    QSettings settings(path, QSettings::IniFormat);
    EXPECT_EQ(settings.value("Jubilo/Key").toString(), "third");
    EXPECT_EQ(settings.value("Jubilo/Quoted").toString(), "one\ntwo;three");
    EXPECT_EQ(settings.value("Jubilo/New").toString(), "n");
}

// Hand-written values, each read by QSettings and by Jubilo: the same text.
TEST(IniFormatTest, HandWrittenValuesReadAsQSettingsReadsThem)
{
    const QByteArray values[] = {"a \\",  // a last lone backslash keeps the space before it
                                 "  padded  ",
                                 "\"quoted\" tail  ",
                                 "a, b ,c",
                                 "\\x41\\102\\q",
                                 "@@x",
                                 "@String(x)",
                                 "@Invalid()",
                                 "@ByteArray(bytes)",
                                 "tab\\\tend\\t  ",
                                 "\"semi;colon\" ; comment",
                                 "\xEF\xBB\xBF"
                                 "bom",
                                 "caf\xC3\xA9 \xE2\x82",
                                 "\"\"",
                                 ""};
    QTemporaryDir dir;
    int n = 0;
    for (const QByteArray& value : values) {
        const QString folder = dir.filePath(QString::number(++n));  // QSettings caches a file by its name
        ASSERT_TRUE(QDir().mkpath(folder));
        writeFile(QDir(folder).filePath("Tarvel.ini"), "[Jubilo]\nKey=" + value);
        QSettings settings(QDir(folder).filePath("Tarvel.ini"), QSettings::IniFormat);
        const QVariant theirs = settings.value("Jubilo/Key");
        const QString expected = theirs.typeId() == QMetaType::QStringList ? theirs.toStringList().join(", ")
            : theirs.isValid()                                             ? theirs.toString()
                                                                           : QStringLiteral("<none>");
        IniSettingsStore store(folder);
        EXPECT_EQ(store.read(kStoreApplication, kStoreSection, "Key", "<none>"), expected) << value.toStdString();
    }
}

// Keys as QSettings spells them, a last '/' included, which as '\\' would
// escape the '=' after it.
TEST(IniFormatTest, EveryKeyComesBackAsWritten)
{
    ini::IniDocument document;
    const QStringList keys = {"Food And Drinks", "a/b", "ends/", "%25", "semi;colon=", "[bracket]", "ünï", "日本", " "};
    for (const QString& key : keys)
        document.setValue("Group/Sub", key, key + " value");
    for (const QString& key : keys)
        EXPECT_EQ(document.value("Group/Sub", key), key + " value") << key.toStdString();
    EXPECT_TRUE(document.bytes().startsWith("[Group\\Sub]\nFood%20And%20Drinks=Food And Drinks value\na\\b="));
}

// A quote a hand left open swallows the lines after it: a value added there
// would vanish into it, so the file is written afresh from what it reads as.
TEST(IniFormatTest, AnEditThatWouldNotReadBackWritesTheFileAfresh)
{
    ini::IniDocument document(QByteArray("[Jubilo]\nNote=\"left open\nGuests=hidden\n"));
    const std::optional<QString> note = document.value(kStoreSection, "Note");
    EXPECT_EQ(note, QStringLiteral("left open\nGuests=hidden\n"));
    EXPECT_TRUE(document.setValue(kStoreSection, "Music Budget", "10"));
    EXPECT_EQ(document.value(kStoreSection, "Music Budget"), QStringLiteral("10"));
    EXPECT_EQ(document.value(kStoreSection, "Note"), note);
    EXPECT_FALSE(document.setValue(kStoreSection, "Music Budget", "11"));  // clean now: edited in place

    // Of a key set twice the later line is rewritten, and the earlier one
    // stays as it was.
    ini::IniDocument twice(QByteArray("[Jubilo]\nGuests=a\nNote=\"x\"\nGuests=b\n"));
    EXPECT_FALSE(twice.setValue(kStoreSection, "Guests", "c"));
    EXPECT_EQ(twice.bytes(), QByteArray("[Jubilo]\nGuests=a\nNote=\"x\"\nGuests=c\n"));
    EXPECT_EQ(twice.value(kStoreSection, "Guests"), QStringLiteral("c"));

    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("check.ini");
    writeFile(path, document.bytes());
    QSettings settings(path, QSettings::IniFormat);
    EXPECT_EQ(settings.value("Jubilo/Music Budget").toString(), "11");
    EXPECT_EQ(settings.value("Jubilo/Note").toString(), *note);
}

}  // namespace
}  // namespace jubilo
