// Characters no installed font has are marked in their cells; everything
// else is left as typed, and the text keeps its length.

#include "spreadsheet/picture/cell_fonts_p.h"
#include "spreadsheet/picture/missing_glyphs_p.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

TEST(MarkMissingTest, MarksOnlyWhatNoFontHasAndKeepsTheLength)
{
    registerFontSubstitutes();
    QFont font(QStringLiteral("Century Gothic"));
    font.setPixelSize(12);
    const QFontMetricsF metrics(font);
    const auto marked = [&](QString text) {
        const bool any = markMissing(text, metrics);
        return std::make_pair(any, text);
    };
    for (const QString& drawn :
         {QStringLiteral("Guests"), QStringLiteral("李雷 🎤"), QStringLiteral("❤\uFE0F"), QStringLiteral("a\u200Db\tc")})
        EXPECT_EQ(marked(drawn), std::make_pair(false, drawn)) << drawn.toStdString();
    EXPECT_EQ(marked(QStringLiteral("A\uE000B")), std::make_pair(true, QStringLiteral("A\uFFFDB")));
    const QString beyond = QStringLiteral("x") + QString::fromUcs4(U"\U000F0000") + QStringLiteral("y");
    EXPECT_EQ(marked(beyond), std::make_pair(true, QStringLiteral("x\uFFFD\u2060y")));
    EXPECT_EQ(marked(QStringLiteral("a") + QChar(0xD800) + QStringLiteral("b")),
              std::make_pair(true, QStringLiteral("a\uFFFDb")));
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
