// Text in the world's common scripts and emoji in the plan's font (Century
// Gothic, drawn by a stand-in that has none of them): every character is
// drawn by an installed font on screen and in the PDF, a character no font
// has shows a mark, and the PDF gives every text back as typed, as
// pdftotext reads it.

#include "spreadsheet/format/cell_format.h"
#include "spreadsheet/picture/cell_fonts_p.h"
#include "spreadsheet/picture/page_pdf.h"
#include "spreadsheet/picture/range_picture.h"
#include "tests/support/engine_workbook.h"
#include "tests/support/external_tools.h"
#include "tests/support/pdf_readers.h"

#include <QFile>
#include <QImage>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
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

class WorldTextPdfTest : public WorldTextTest {
protected:
    void SetUp() override
    {
        if (!jubilo::testing::popplerInstalled())
            GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    QString written()
    {
        const QString path = dir_.filePath(QStringLiteral("world.pdf"));
        QFile file(path);
        writeSheetPdf(*sheet, file, QDateTime(QDate(2026, 12, 8), QTime(9, 30)));
        file.close();
        return path;
    }

    // The first page at 144 dpi, in grey.
    QImage rendered(const QString& pdf)
    {
        const QString base = dir_.filePath(QStringLiteral("page"));
        jubilo::testing::pdfTool(QStringLiteral("pdftoppm"),
                                 {QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-gray"),
                                  QStringLiteral("-singlefile"), pdf, base});
        return QImage(base + QStringLiteral(".pgm"));
    }

    QTemporaryDir dir_;
};

// The boxes pdftotext -bbox gives a page's words, in points.
std::vector<std::pair<QString, QRectF>> words(const QString& pdf)
{
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    const QString html
        = jubilo::testing::pdfTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    std::vector<std::pair<QString, QRectF>> found;
    for (const auto& m : word.globalMatch(html))
        found.emplace_back(m.captured(5),
                           QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
    return found;
}

TEST_F(WorldTextPdfTest, PdfGivesEveryTextBackAsTyped)
{
    const QStringList texts = kWorldTexts + QStringList{kNoFontText, kNoFontBeyondBmp};
    putTexts(texts);
    const QString pdf = written();
    const QString text = jubilo::testing::pdfText(pdf);
    for (const QString& typed : texts)
        EXPECT_TRUE(text.contains(typed)) << typed.toStdString() << " not in\n" << text.toStdString();
    EXPECT_FALSE(text.contains(QChar(0xFFFD))) << "the mark, not the text, came back";
    const QStringList fonts = jubilo::testing::pdfFonts(pdf);
    for (const QString& font : fonts)
        EXPECT_TRUE(jubilo::testing::fontEmbedded(font)) << "not embedded: " << font.toStdString();
}

// Where pdftotext finds each text, the page shows it. It may read a line of
// right-to-left text as one word a letter, so a text's box covers the words
// that are parts of it.
TEST_F(WorldTextPdfTest, PdfDrawsEveryTextWhereItsTextLies)
{
    const QStringList texts = kWorldTexts + QStringList{kNoFontText};
    putTexts(texts);
    const QString pdf = written();
    const QImage page = rendered(pdf);
    ASSERT_FALSE(page.isNull());
    const auto found = words(pdf);
    for (const QString& typed : texts) {
        QRectF box;
        for (const auto& [word, at] : found)
            if (typed.contains(word))
                box |= at;
        ASSERT_FALSE(box.isEmpty()) << typed.toStdString();
        EXPECT_LT(box.height(), 30) << typed.toStdString() << ": parts of other lines";
        EXPECT_GT(inkIn(page, QRectF(box.topLeft() * 2, box.size() * 2).toAlignedRect()), 10 * typed.size())
            << typed.toStdString();
    }
}

// The plan font's ligatures (ffi, fi, ffl) read back as their letters.
TEST_F(WorldTextPdfTest, LigaturesReadBackAsTheirLetters)
{
    putTexts({QStringLiteral("Office coffee"), QStringLiteral("Waffles, fifty")});
    const QString text = jubilo::testing::pdfText(written());
    EXPECT_TRUE(text.contains(QStringLiteral("Office coffee"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Waffles, fifty"))) << text.toStdString();
}

// Text in Latin letters stays text in its embedded fonts, with no layer.
TEST_F(WorldTextPdfTest, LatinTextNeedsNoTextLayer)
{
    putTexts({QStringLiteral("Guests"), QStringLiteral("Café crème, 12.50"), QStringLiteral("Décorations")});
    const QString pdf = written();
    EXPECT_TRUE(jubilo::testing::inOrder(
        jubilo::testing::pdfText(pdf),
        {QStringLiteral("Guests"), QStringLiteral("Café crème, 12.50"), QStringLiteral("Décorations")}));
    for (const QString& font : jubilo::testing::pdfFonts(pdf))
        EXPECT_FALSE(font.contains(QStringLiteral("Type 3"))) << font.toStdString();
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
