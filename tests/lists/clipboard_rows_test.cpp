// Rows as the clipboard carries them: copied as tab-separated text and as an
// HTML table, and pasted text read with its delimiter guessed, checked with
// Add's rules and refused at its first bad line.

#include "lists/copied_rows.h"
#include "lists/pasted_rows.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(ClipboardRowsTest, CopiedRowsQuoteAndEscapeAwkwardCells)
{
    const std::vector<PlanRow> rows{{"Zoë \"Z\" <Ann & Bob>", "1 Elm St\nFlat 2", "Yes", "2\t3"},
                                    {"Al", "Oak", "No", "1"}};
    EXPECT_EQ(tabSeparatedRows(rows),
              "\"Zoë \"\"Z\"\" <Ann & Bob>\"\t\"1 Elm St\nFlat 2\"\tYes\t\"2\t3\"\r\nAl\tOak\tNo\t1\r\n");
    const QString html = htmlTableOfRows(rows);
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">"));
    EXPECT_TRUE(html.contains("<tr><td>Zoë &quot;Z&quot; &lt;Ann &amp; Bob&gt;</td><td>1 Elm St<br>Flat 2</td>"
                              "<td>Yes</td><td>2\t3</td></tr>\n<tr><td>Al</td><td>Oak</td><td>No</td><td>1</td></tr>"))
        << html.toStdString();
    EXPECT_EQ(tabSeparatedRows({}), "");
}

TEST(ClipboardRowsTest, TheDelimiterIsReadFromTheFirstRowOutsideQuotes)
{
    const struct {
        const char* text;
        char delimiter;
    } cases[] = {
        {"a\tb,c;d\n", '\t'},  {"a,b;c\nd\te", ','},      {"a;b\n", ';'}, {"\"x,y\";b\n", ';'},
        {"\"x\ty\",b\n", ','}, {"one\ntwo\tthree", '\t'}, {"", '\t'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pastedDelimiter(QString::fromUtf8(c.text)), c.delimiter) << c.text;
}

TEST(ClipboardRowsTest, PastedRowsAreNormalisedAndRefusedAtTheFirstBadLine)
{
    const TableSpec& guests = tableSpec(TableId::Guests);
    const PastedRows good = readPastedRows(guests, "Guest(s)\tAddress\tRSVP?\tNumber in Party\nAl\tOak\tyes\t1\n", 5);
    ASSERT_FALSE(good.refusal);
    EXPECT_EQ(good.rows, (std::vector<PlanRow>{{"Al", "Oak", "Yes", "1"}})) << "the headers' row is left out";

    const struct {
        QString text;
        int room;
        int line;
        const char* reason;
    } refusals[] = {
        {"Al\tOak\tYes\t1\nBo\tOak\tNo\t2\n", 1, 2, "longer than the 32767 rows"},
        {"Al\t\"Oak\nSt\"\tYes\t1\nBo\tOak\tNo\t2\t\n", 9, 3, "has 5 cells"},
        {"Al\tOak\tYes\t1\r\nBo\t\"Oak\tNo\t2\r\n", 9, 2, "never closed"},
    };
    for (const auto& r : refusals) {
        const PastedRows pasted = readPastedRows(guests, r.text, r.room);
        ASSERT_TRUE(pasted.refusal) << r.text.toStdString();
        EXPECT_EQ(pasted.refusal->line, r.line) << r.text.toStdString();
        EXPECT_TRUE(pasted.refusal->reason.contains(r.reason)) << pasted.refusal->reason.toStdString();
        EXPECT_TRUE(pasted.rows.empty());
    }
}

}  // namespace
}  // namespace jubilo
