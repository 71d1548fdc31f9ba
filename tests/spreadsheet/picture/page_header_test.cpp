// Header and footer texts read for a page: each code's value or style, the
// sections and lines they make, and malformed or oversized input.

#include "spreadsheet/picture/page_header.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

HeaderValues pageTwo()
{
    HeaderValues v;
    v.page = 2;
    v.pages = 3;
    v.printedAt = QDateTime(QDate(2026, 12, 8), QTime(9, 30));
    v.locale = QLocale(QLocale::English, QLocale::UnitedKingdom);
    v.fileName = QStringLiteral("Party.xls");
    v.sheetName = QStringLiteral("Budget");
    return v;
}

// A run as its text, then its font where it is not the default one:
// B, I, U, S, the family and the size, as in "Big{B 14}".
QString describe(const HeaderRun& run, const HeaderFont& base)
{
    const HeaderFont& f = run.font;
    QString look = QStringLiteral("%1%2%3%4")
                       .arg(f.bold ? "B" : "", f.italic ? "I" : "", f.underline ? "U" : "", f.strikeout ? "S" : "");
    if (f.family != base.family)
        look += (look.isEmpty() ? "" : " ") + f.family;
    if (f.points != base.points)
        look += (look.isEmpty() ? "" : " ") + QString::number(f.points);
    return look.isEmpty() ? run.text : run.text + "{" + look + "}";
}

// The sections as "L:..", "C:.." and "R:.." joined by spaces, lines by
// '/', runs by '|'.
QString describe(const HeaderPrint& print, const HeaderFont& base = HeaderFont())
{
    QStringList sections;
    for (std::size_t s = 0; s < print.size(); ++s) {
        if (print[s].empty())
            continue;
        QStringList lines;
        for (const HeaderLine& line : print[s]) {
            QStringList runs;
            for (const HeaderRun& run : line.runs)
                runs << describe(run, base);
            lines << runs.join(u'|');
        }
        sections << QStringLiteral("%1:%2").arg(QChar("LCR"[s]), lines.join(u'/'));
    }
    return sections.join(u' ');
}

TEST(PageHeader, CodesSectionsAndStyles)
{
    const struct {
        const char* text;
        const char* read;
    } cases[] = {
        {"", ""},
        {"Plain", "C:Plain"},
        {"&LPlans&C&A&RPage &P of &N", "L:Plans C:Budget R:Page 2 of 3"},
        {"&lleft&cmid&rright", "L:left C:mid R:right"},
        {"&D &T", "C:08/12/2026 09:30"},
        {"&F, &A", "C:Party.xls, Budget"},
        {"A && B &&&&", "C:A & B &&"},
        {"&&P is not a page", "C:&P is not a page"},
        {"&BBold&B plain", "C:Bold{B}| plain"},
        {"&I&Bx&I&By", "C:x{BI}|y"},
        {"&U&Su", "C:u{US}"},
        {"&\"Times New Roman,Bold Italic\"T", "C:T{BI Times New Roman}"},
        {"&B&\"-,Regular\"plain&\"-,Oblique\"slant", "C:plain|slant{I}"},
        {"&\"Courier New\"&Bmono", "C:mono{B Courier New}"},
        {"&14Big &8small", "C:Big {14}|small{8}"},
        {"&99999huge", "C:huge{409}"},
        {"&0tiny", "C:tiny{1}"},
        {"&Lleft&B&C&I&R", "L:left"},
        {"abc&", "C:abc"},
        {"ab&\"Arial,Bold", "C:ab"},
        {"&Qa&Xb&Yc&E&O&H&Z&Gd&?e", "C:abcde"},
        {"&KFF0000red&K", "C:red"},
        {"&Lone\ntwo&Rthree\r\nfour\rfive", "L:one/two R:three/four/five"},
        {"&L&Bbold&Cplain&R&Bagain", "L:bold{B} C:plain R:again{B}"},
        {"&La&Cb&Lc", "L:ac C:b"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(readHeaderText(QString::fromUtf8(c.text), pageTwo())), QString::fromUtf8(c.read)) << c.text;
}

TEST(PageHeader, LinesTakeTheLargestSizeOnThemAndRunsTheDefaultFont)
{
    HeaderValues values = pageTwo();
    values.font = {QStringLiteral("Calibri"), 11};
    const HeaderPrint print = readHeaderText(QStringLiteral("&Rsmall &20big\n\n&8"), values);
    ASSERT_EQ(print[2].size(), 3u);
    EXPECT_EQ(print[2][0].points, 20);
    EXPECT_EQ(print[2][1].points, 20);  // an empty line in the size then in force
    EXPECT_EQ(print[2][2].points, 8);
    EXPECT_EQ(print[2][0].runs.front().font, values.font);
    EXPECT_EQ(describe(print, values.font), QStringLiteral("R:small |big{20}//"));
}

TEST(PageHeader, LongestTextsReadWhole)
{
    QString pages;
    for (int i = 0; i < 127; ++i)
        pages += QStringLiteral("&P");
    const QString cases[][2] = {
        {QStringLiteral("&C") + QString(253, u'x'), QStringLiteral("C:") + QString(253, u'x')},
        {pages + u'&', QStringLiteral("C:") + QString(127, u'2')},
        {QString(255, u'&'), QStringLiteral("C:") + QString(127, u'&')},
    };
    for (const auto& [text, read] : cases) {
        ASSERT_EQ(text.size(), 255);
        EXPECT_EQ(describe(readHeaderText(text, pageTwo())), read);
    }
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
