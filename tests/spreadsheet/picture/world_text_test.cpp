// Text in the world's common scripts and emoji in the plan's font (Century
// Gothic, drawn by a stand-in that has none of them): an installed font
// has every character.

#include "spreadsheet/format/cell_format.h"
#include "spreadsheet/picture/cell_fonts_p.h"
#include "tests/support/engine_workbook.h"

#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

// Chinese, Japanese, Korean, Arabic, Hebrew, Devanagari and emoji.
const QStringList kWorldTexts{QStringLiteral("李雷"),   QStringLiteral("北京"),     QStringLiteral("日本語"),
                              QStringLiteral("한국어"), QStringLiteral("مرحبا"),    QStringLiteral("שלום"),
                              QStringLiteral("नमस्ते"),   QStringLiteral("Karaoke 🎤")};

class WorldTextTest : public spreadsheet::testing::EngineWorkbookTest {};

// Each character of each text is in a font the layout draws it with.
TEST_F(WorldTextTest, AnInstalledFontHasEveryCharacter)
{
    registerFontSubstitutes();
    Font plan;
    plan.name = QStringLiteral("Century Gothic");
    plan.height = 9 * 20;
    const QFont font = cellFont(plan);
    for (const QString& text : kWorldTexts) {
        QTextLayout layout(text, font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> runs = layout.glyphRuns();
        for (const uint c : text.toUcs4()) {
            const bool drawn = std::any_of(runs.begin(), runs.end(), [&](const QGlyphRun& run) {
                return run.rawFont().fontTable("cmap").size() > 0 && run.rawFont().supportsCharacter(c);
            });
            EXPECT_TRUE(drawn) << "no font for U+" << QString::number(c, 16).toStdString() << " in "
                               << text.toStdString();
        }
        for (const QGlyphRun& run : runs)
            EXPECT_FALSE(run.glyphIndexes().contains(0u)) << "a missing glyph in " << text.toStdString();
    }
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
