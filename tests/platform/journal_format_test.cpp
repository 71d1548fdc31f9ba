// The journal's bytes: a change is the smallest splice, every entry reads
// back exactly, and a journal torn or damaged anywhere reads as its whole
// entries before the damage.

#include "platform/journal_format.h"
#include "platform/text_splice.h"

#include <QString>

#include <gtest/gtest.h>

#include <variant>

namespace jubilo {
namespace {

TEST(TextSpliceTest, ATextBecomesTheOtherByTheSmallestSplice)
{
    const QString row = QStringLiteral("Ann||MySeparator12||Elm St||MySeparator11||");
    const QString rows = row + QStringLiteral("Bo||MySeparator12||Oak||MySeparator11||") + row;
    struct Case {
        const char* name;
        QString before, after;
        qsizetype removed, inserted;
    };
    const Case cases[] = {
        {"the same", rows, rows, 0, 0},
        {"from nothing", QString(), rows, 0, rows.size()},
        {"to nothing", rows, QString(), rows.size(), 0},
        {"a row taken out of the middle", rows, row + row, rows.size() - 2 * row.size(), 0},
        {"a row put back", row + row, rows, 0, rows.size() - 2 * row.size()},
        {"a letter changed at the start", QStringLiteral("Ann"), QStringLiteral("Jnn"), 1, 1},
        {"a letter changed at the end", QStringLiteral("Ann"), QStringLiteral("Anx"), 1, 1},
        {"a run one shorter", QStringLiteral("aaaa"), QStringLiteral("aaa"), 1, 0},
        {"half of a pair changed", QStringLiteral("x🎉y"), QStringLiteral("x🎊y"), 1, 1},
        {"longer than a compared block", QString(10000, QLatin1Char('a')) + "x" + QString(10000, QLatin1Char('b')),
         QString(10000, QLatin1Char('a')) + "yz" + QString(10000, QLatin1Char('b')), 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TextSplice splice = spliceBetween(c.before, c.after);
        EXPECT_EQ(splice.removed, c.removed);
        EXPECT_EQ(splice.inserted.size(), c.inserted);
        QString text = c.before;
        ASSERT_TRUE(applySplice(text, splice));
        EXPECT_TRUE(text == c.after);
    }
}

TEST(TextSpliceTest, ASpliceThatDoesNotFitChangesNothing)
{
    for (const TextSplice& splice : {TextSplice{4, 0, "x"}, TextSplice{2, 2, ""}, TextSplice{-1, 0, ""}}) {
        QString text = QStringLiteral("abc");
        EXPECT_FALSE(applySplice(text, splice)) << splice.offset << " " << splice.removed;
        EXPECT_EQ(text, "abc");
    }
}

journal::Edit edit(const QString& key, const std::optional<QString>& before, const QString& after)
{
    return journal::editBetween(QStringLiteral("Jubilo"), key, before, after);
}

void expectSameEdit(const journal::Edit& back, const journal::Edit& written)
{
    EXPECT_EQ(back.group, written.group);
    EXPECT_EQ(back.key, written.key);
    EXPECT_EQ(back.oldLength, written.oldLength);
    EXPECT_EQ(back.splice.offset, written.splice.offset);
    EXPECT_EQ(back.splice.removed, written.splice.removed);
    EXPECT_TRUE(back.splice.inserted == written.splice.inserted) << back.splice.inserted.toStdString();
}

// Every group, key and text reads back exactly: the line breaks, quotes,
// NULs and lone halves of pairs a value may hold.
TEST(JournalFormatTest, EveryEntryReadsBackExactly)
{
    const journal::Edit edits[] = {
        edit("Guests", std::nullopt, ""),
        edit("Guests", QString(), QStringLiteral("line1\nline2\r\n\"q\"; a, b = c \\ ")),
        edit("Music Budget", QStringLiteral("10"), QStringLiteral("@Invalid()")),
        edit("a/b=c;d", QStringLiteral("x"), QString(QChar(0)) + QChar(0xD83C) + QStringLiteral(" 🎉 Ελληνικά")),
        journal::editBetween(QString(), QStringLiteral("top"), QStringLiteral("  padded  "), QStringLiteral(" ")),
        journal::editBetween(QStringLiteral("General"), QStringLiteral("ünï"), QStringLiteral("@"), "@@"),
    };
    const journal::Base base{6'542'520, 0xdeadbeef}, folded{12, 0x0000abcd};
    QByteArray bytes = journal::headerEntry(base);
    for (const journal::Edit& each : edits)
        bytes += journal::editEntry(each);
    bytes += journal::foldEntry(folded);

    const journal::Parsed parsed = journal::parse(bytes);
    ASSERT_EQ(parsed.base, base);
    EXPECT_EQ(parsed.wholeEnd, bytes.size());
    ASSERT_EQ(parsed.entries.size(), std::size(edits) + 1);
    for (std::size_t i = 0; i < std::size(edits); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(std::holds_alternative<journal::Edit>(parsed.entries[i]));
        expectSameEdit(std::get<journal::Edit>(parsed.entries[i]), edits[i]);
    }
    EXPECT_EQ(std::get<journal::Base>(parsed.entries.back()), folded);
}

// Cut at every byte, a journal reads as the entries wholly before the cut;
// a byte changed anywhere ends it at the entry that holds the byte.
TEST(JournalFormatTest, ATornOrDamagedJournalReadsAsItsWholeEntriesBefore)
{
    QByteArray bytes = journal::headerEntry({100, 7});
    std::vector<qsizetype> ends{bytes.size()};
    for (const QString& text : {QStringLiteral("one"), QStringLiteral("two\nlines"), QStringLiteral("three")}) {
        bytes += journal::editEntry(edit("Date", QStringLiteral("x"), text));
        ends.push_back(bytes.size());
    }
    const auto wholeBefore = [&ends](qsizetype at) {
        std::size_t whole = 0;
        while (whole + 1 < ends.size() && ends[whole + 1] <= at)
            ++whole;
        return whole;  // entries after the header
    };
    for (qsizetype cut = 0; cut < bytes.size(); ++cut) {
        const journal::Parsed torn = journal::parse(bytes.left(cut));
        const bool headerWhole = cut >= ends[0];
        EXPECT_EQ(torn.base.has_value(), headerWhole) << cut;
        EXPECT_EQ(torn.entries.size(), headerWhole ? wholeBefore(cut) : 0u) << cut;
        EXPECT_EQ(torn.wholeEnd, headerWhole ? ends[wholeBefore(cut)] : 0) << cut;

        QByteArray damaged = bytes;
        damaged[cut] = char(damaged[cut] ^ 0x20);
        const journal::Parsed read = journal::parse(damaged);
        EXPECT_LE(read.entries.size(), wholeBefore(cut)) << cut;
    }
}

// Several values written as one read back all, or, torn or damaged
// anywhere inside, none: a change of a table and its budget is never half
// replayed.
TEST(JournalFormatTest, ValuesWrittenAsOneReadBackAllOrNone)
{
    const std::vector<journal::Edit> edits = {
        edit("Guests", QStringLiteral("a||b"), QStringLiteral("a||b||c")),
        edit("Music Budget", std::nullopt, QStringLiteral("15.00")),
        edit("Date", QStringLiteral("x"), QStringLiteral("two\nlines")),
    };
    const QByteArray header = journal::headerEntry({100, 7});
    const QByteArray bytes = header + journal::editsEntry(edits);
    const journal::Parsed whole = journal::parse(bytes);
    ASSERT_EQ(whole.entries.size(), edits.size());
    for (std::size_t i = 0; i < edits.size(); ++i)
        expectSameEdit(std::get<journal::Edit>(whole.entries[i]), edits[i]);
    EXPECT_EQ(whole.wholeEnd, bytes.size());

    for (qsizetype at = header.size(); at < bytes.size(); ++at) {
        EXPECT_TRUE(journal::parse(bytes.left(at)).entries.empty()) << "cut at " << at;
        QByteArray damaged = bytes;
        damaged[at] = char(damaged[at] ^ 0x20);
        EXPECT_TRUE(journal::parse(damaged).entries.empty()) << "damaged at " << at;
    }
}

}  // namespace
}  // namespace jubilo
