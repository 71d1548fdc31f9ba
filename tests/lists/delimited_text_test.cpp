// Delimited text read and written as spreadsheet programs do: quotes,
// delimiters and line breaks inside cells, CR LF, spaces kept, each row
// with the line it starts on, and a clear refusal of what is no list.

#include "lists/delimited_reader.h"
#include "lists/delimited_writer.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

struct ReadRow {
    int line;
    QStringList cells;
    bool operator==(const ReadRow&) const = default;
};

std::vector<ReadRow> readAll(QByteArrayView text, char delimiter, qsizetype piece = 1 << 30)
{
    std::vector<ReadRow> rows;
    DelimitedReader reader(delimiter, [&](int line, DelimitedReader::Row fields) {
        QStringList cells;
        for (const QByteArray& field : fields)
            cells << QString::fromUtf8(field);
        rows.push_back({line, cells});
    });
    for (qsizetype at = 0; at < text.size(); at += piece)
        reader.feed(text.sliced(at, std::min(piece, text.size() - at)));
    reader.finish();
    return rows;
}

TEST(DelimitedTextTest, RowsReadAsSpreadsheetProgramsWriteThem)
{
    const struct {
        const char* text;
        char delimiter;
        std::vector<ReadRow> rows;
    } cases[] = {
        {"a,b\r\nc,d\r\n", ',', {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"a,b\nc,d", ',', {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"a,b\rc,d\r", ',', {{1, {"a", "b"}}, {2, {"c", "d"}}}},
        {"\"x, y\",\"say \"\"hi\"\"\"\n", ',', {{1, {"x, y", "say \"hi\""}}}},
        {"\"two\nlines\",z\r\nnext,row\n", ',', {{1, {"two\nlines", "z"}}, {3, {"next", "row"}}}},
        {"\"cr\r\nlf\",z\nnext\n", ',', {{1, {"cr\r\nlf", "z"}}, {3, {"next"}}}},
        {" 12 ,\t x\t\n", ',', {{1, {" 12 ", "\t x\t"}}}},
        {"a\t b\t\"c\td\"\n", '\t', {{1, {"a", " b", "c\td"}}}},
        {"a;b,c\n", ';', {{1, {"a", "b,c"}}}},
        {"\n\r\na,b\n\n\nc\n", ',', {{3, {"a", "b"}}, {6, {"c"}}}},
        {"a,,\n", ',', {{1, {"a", "", ""}}}},
        {"\"\"\n", ',', {{1, {""}}}},
        {"Zoë,Ålesund,日本\n", ',', {{1, {"Zoë", "Ålesund", "日本"}}}},
        {"", ',', {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readAll(c.text, c.delimiter), c.rows) << c.text;
        EXPECT_EQ(readAll(c.text, c.delimiter, 1), c.rows) << c.text << " fed a byte at a time";
    }
}

TEST(DelimitedTextTest, TextThatIsNoListIsRefusedNamingTheLine)
{
    using R = DelimitedTextError::Reason;
    const struct {
        QByteArray text;
        R reason;
        int line;
    } cases[] = {
        {"a,b\n\"open,c\nd,e\n", R::UnterminatedQuote, 2},
        {"a,b\nc,d\"e\n", R::QuoteInField, 2},
        {"a,\"b\"c\n", R::QuoteInField, 1},
        {"a\n" + QByteArray(kMaxFieldBytes + 10, 'x') + "\n", R::FieldTooLong, 2},
        {"a\n\"" + QByteArray(kMaxFieldBytes + 10, 'x') + "\"\n", R::FieldTooLong, 2},
        {"a\n" + (QByteArray(kMaxFieldBytes / 2, 'x') + ",").repeated(10) + "\n", R::RowTooLong, 2},
        {"a" + QByteArray(kMaxRowBytes + 1, ',') + "\n", R::RowTooLong, 1},  // empty fields count too
    };
    for (const auto& c : cases) {
        try {
            readAll(c.text, ',');
            ADD_FAILURE() << c.text.left(40).constData() << " was read";
        } catch (const DelimitedTextError& error) {
            EXPECT_EQ(error.reason(), c.reason) << c.text.left(40).constData();
            EXPECT_EQ(error.line(), c.line) << c.text.left(40).constData();
        }
    }
}

TEST(DelimitedTextTest, WhatIsWrittenReadsBackCellForCell)
{
    const QStringList awkward = {"plain", "a,b",       "say \"hi\"", "two\nlines", "cr\r\nlf", " spaced ",
                                 "",      "tab\there", "Zoë 🎉",      "\"",         ",",        "semi;colon"};
    for (const char delimiter : {',', ';', '\t'}) {
        QByteArray text;
        for (qsizetype i = 0; i < awkward.size(); ++i)
            text += delimitedLine({awkward[i], awkward[(i + 3) % awkward.size()], QStringLiteral("x")}, delimiter);
        const std::vector<ReadRow> rows = readAll(text, delimiter);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(awkward.size())) << delimiter;
        for (qsizetype i = 0; i < awkward.size(); ++i)
            EXPECT_EQ(rows[static_cast<std::size_t>(i)].cells,
                      (QStringList{awkward[i], awkward[(i + 3) % awkward.size()], QStringLiteral("x")}))
                << delimiter << " row " << i;
    }
    EXPECT_EQ(delimitedLine({"a", "b,c", "d\"e"}, ','), "a,\"b,c\",\"d\"\"e\"\r\n");
    EXPECT_EQ(delimitedLine({"a,b", "c"}, '\t'), "a,b\tc\r\n") << "only the delimiter in use is quoted";
}

}  // namespace
}  // namespace jubilo
