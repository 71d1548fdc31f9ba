// Text in the world's common scripts and emoji in the plan's font (Century
// Gothic, drawn by a stand-in that has none of them): an installed font
// has every character, the picture draws each, and a character no font has
// shows a mark.

#include "spreadsheet/format/cell_format.h"
#include "spreadsheet/picture/cell_fonts_p.h"
#include "spreadsheet/picture/range_picture.h"
#include "tests/support/engine_workbook.h"

#include <QImage>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

using spreadsheet::testing::SheetRanges;

// Chinese, Japanese, Korean, Arabic, Hebrew, Devanagari and emoji.
const QStringList kWorldTexts{QStringLiteral("李雷"),   QStringLiteral("北京"),     QStringLiteral("日本語"),
                              QStringLiteral("한국어"), QStringLiteral("مرحبا"),    QStringLiteral("שלום"),
                              QStringLiteral("नमस्ते"),   QStringLiteral("Karaoke 🎤")};
// Characters no font has: one in the private use area, one beyond the BMP.
const QString kNoFontText = QStringLiteral("A\uE000B");
const QString kNoFontBeyondBmp = QStringLiteral("x") + QString::fromUcs4(U"\U000F0000") + QStringLiteral("y");

class WorldTextTest : public spreadsheet::testing::EngineWorkbookTest {
protected:
    // One text a row in B, in the plan's look, B wide enough for each.
    void putTexts(const QStringList& texts)
    {
        const SheetRanges s{sheet};
        spreadsheet::testing::stylePlanSheet(s);
        s.columns(QStringLiteral("B:B")).setColumnWidth(30);
        for (int i = 0; i < texts.size(); ++i) {
            s.rows(QString::number(i + 3)).setRowHeight(20);
            s.put(QStringLiteral("B%1").arg(i + 3), texts[i]);
        }
        sheet->pageSetup().setPrintArea(QStringLiteral("B3:B%1").arg(texts.size() + 2));
    }
};

// The pixels darker than the sheet's white in a part of an image.
int inkIn(const QImage& image, const QRect& part)
{
    int ink = 0;
    const QRect r = part.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 160;
    return ink;
}

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

// The preview's and the clipboard's picture: ink in every text's cell.
TEST_F(WorldTextTest, PictureDrawsEveryTextAndMarksWhatNoFontHas)
{
    const QStringList texts = kWorldTexts + QStringList{kNoFontText, QStringLiteral("\uE000"), kNoFontBeyondBmp};
    putTexts(texts);
    const QImage picture = drawRange(*sheet, CellRect{2, 1, int(texts.size()) + 1, 1}, {false});
    const int row = picture.height() / int(texts.size());
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_GT(inkIn(picture, QRect(0, i * row, picture.width(), row)), 6) << texts[i].toStdString();
    // The lone private-use character alone: its cell shows the mark.
    EXPECT_GT(inkIn(picture, QRect(0, (int(texts.size()) - 2) * row, picture.width(), row)), 6);
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
