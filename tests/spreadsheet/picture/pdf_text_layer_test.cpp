// Lines whose text a PDF would lose are told apart from those it keeps, and
// the PDF's text layer puts their text where it was drawn, on the page it
// was drawn on, however many characters it takes.

#include "spreadsheet/picture/cell_fonts_p.h"
#include "spreadsheet/picture/pdf_read_back_p.h"
#include "spreadsheet/picture/pdf_text_layer_p.h"
#include "spreadsheet/picture/text_cache_p.h"
#include "tests/support/pdf_readers.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::picture {
namespace {

QFont planFont()
{
    registerFontSubstitutes();
    QFont font(QStringLiteral("Century Gothic"));
    font.setPixelSize(12);
    return font;
}

TEST(PdfReadsBackTest, TellsTheLinesWhosePdfTextWouldBeLost)
{
    const QFont font = planFont();
    const auto readsBack = [&](const QString& text) { return pdfReadsBack(text, shapeLine(text, font)); };
    for (const QString& kept :
         {QStringLiteral("Guests 2026"), QStringLiteral("Café crème"), QStringLiteral("$1,250.00")})
        EXPECT_TRUE(readsBack(kept)) << kept.toStdString();
    // An emoji, right-to-left letters, a conjunct, a ligature, an ideograph
    // sharing its glyph with a radical, and the missing glyph.
    for (const QString& lost :
         {QStringLiteral("Karaoke 🎤"), QStringLiteral("مرحبا"), QStringLiteral("שלום"), QStringLiteral("नमस्ते"),
          QStringLiteral("Office"), QStringLiteral("日本"), QStringLiteral("A\uE000B")})
        EXPECT_FALSE(readsBack(lost)) << lost.toStdString();
}

class TextLayerTest : public ::testing::Test {
protected:
    static constexpr double kPixelsPerPoint = 1200 / 72.0;

    void SetUp() override
    {
        if (!jubilo::testing::popplerInstalled())
            GTEST_SKIP() << "poppler-utils is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    // A Qt PDF of `pages` A4 pages, each with a word Qt writes itself.
    static QByteArray qtPdf(int pages)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        painter.setFont(planFont());
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                writer.newPage();
            painter.drawText(QPointF(1200, 1200), QStringLiteral("Qt%1").arg(i + 1));
        }
        painter.end();
        return buffer.data();
    }

    // The layer added to `pdf` for `pages`, saved.
    QString withLayer(const QByteArray& pdf, const std::vector<CarriedTexts>& pages)
    {
        std::vector<CarriedPage> carried;
        for (const CarriedTexts& texts : pages)
            carried.push_back({&outlines_, texts});
        const auto layered = withTextLayer(pdf, outlines_, carried, QSizeF(595, 842), kPixelsPerPoint);
        EXPECT_TRUE(layered.has_value());
        return saved(layered.value_or(QByteArray()));
    }

    // A line with only its text, its baseline starting at `start`.
    static CarriedText text(const QString& typed, QPointF start, double width, double size)
    {
        return {typed, 0xFF000000, {}, {}, {}, start, width, size};
    }

    QString saved(const QByteArray& pdf)
    {
        const QString path = dir_.filePath(QStringLiteral("layer.pdf"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(pdf);
        return path;
    }

    CarriedOutlines outlines_;
    QTemporaryDir dir_;
};

TEST_F(TextLayerTest, LeavesAPdfWithoutTextsAloneAndRefusesOneNotLaidOutAsQtWrites)
{
    const QByteArray pdf = qtPdf(1);
    const CarriedPage none{&outlines_, {}},
        one{&outlines_, {text(QStringLiteral("日本"), QPointF(100, 100), 200, 200)}};
    const QSizeF a4(595, 842);
    EXPECT_EQ(withTextLayer(pdf, outlines_, {none}, a4, kPixelsPerPoint), pdf);
    const QByteArray other = "%PDF-1.4\n1 0 obj\n<< >>\nendobj\ntrailer\n<< /Size 2 >>\nstartxref\n9\n%%EOF\n";
    EXPECT_EQ(withTextLayer(other, outlines_, {one}, a4, kPixelsPerPoint), std::nullopt);
    EXPECT_EQ(withTextLayer(pdf, outlines_, {one, one}, a4, kPixelsPerPoint), std::nullopt)
        << "more pages than the PDF";
}

// A word's box from pdftotext -bbox, in points from the page's top left.
QRectF wordBox(const QString& path, int page, const QString& text)
{
    const QString html
        = jubilo::testing::pdfTool(QStringLiteral("pdftotext"),
                                   {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                    QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    const auto m = QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                                     "yMax=\"([\\d.]+)\">%1</word>")
                                          .arg(QRegularExpression::escape(text)))
                       .match(html);
    return m.hasMatch() ? QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                 QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))
                        : QRectF();
}

TEST_F(TextLayerTest, PutsEachTextOnItsPageWhereItWasDrawn)
{
    // Baselines 100 and 200 points down, 72 points from the left.
    const CarriedTexts first{text(QStringLiteral("Karaoke🎤"), QPointF(1200, 100 * kPixelsPerPoint), 1200, 200)};
    const CarriedTexts third{text(QStringLiteral("नमस्ते"), QPointF(1200, 200 * kPixelsPerPoint), 600, 200)};
    const QString path = withLayer(qtPdf(3), {first, {}, third});

    const QRectF karaoke = wordBox(path, 1, QStringLiteral("Karaoke🎤"));
    EXPECT_NEAR(karaoke.left(), 72, 0.5);
    EXPECT_NEAR(karaoke.right(), 144, 0.5);
    EXPECT_GT(karaoke.bottom(), 100);
    EXPECT_LT(karaoke.top(), 100);
    const QRectF namaste = wordBox(path, 3, QStringLiteral("नमस्ते"));
    EXPECT_NEAR(namaste.left(), 72, 0.5);
    EXPECT_NEAR(namaste.right(), 108, 0.5);
    EXPECT_LT(namaste.top(), 200);
    EXPECT_TRUE(wordBox(path, 2, QStringLiteral("नमस्ते")).isNull());
    // What Qt wrote is all still there.
    EXPECT_TRUE(jubilo::testing::inOrder(jubilo::testing::pdfText(path),
                                         {QStringLiteral("Qt1"), QStringLiteral("Qt2"), QStringLiteral("Qt3")}));
}

// More characters than one of the layer's fonts holds.
TEST_F(TextLayerTest, CarriesAnyNumberOfDistinctCharacters)
{
    QString ideographs;
    for (char16_t c = 0x4E00; c < 0x4E00 + 600; ++c)
        ideographs += QChar(c);
    CarriedTexts lines;
    for (int i = 0; i < 6; ++i)
        lines.push_back(text(ideographs.mid(i * 100, 100), QPointF(600, (60 + 20 * i) * kPixelsPerPoint), 7000, 100));
    const QString path = withLayer(qtPdf(1), {lines});
    const QString text = jubilo::testing::pdfText(path);
    for (int i = 0; i < 6; ++i)
        EXPECT_TRUE(text.contains(ideographs.mid(i * 100, 100))) << "line " << i;
    for (const QString& font : jubilo::testing::pdfFonts(path))
        EXPECT_TRUE(jubilo::testing::fontEmbedded(font)) << font.toStdString();
}

// The pixels darker than white in a part of a grey image.
int inkIn(const QImage& image, const QRect& part)
{
    int ink = 0;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

// One glyph three times: one form, drawn where each lands, inside its
// line's clip, and the form draws no text of its own.
TEST_F(TextLayerTest, DrawsEachOutlineOnceWhereverItShows)
{
    const QRawFont font = QRawFont::fromFont(planFont());
    const quint32 h = font.glyphIndexesForString(QStringLiteral("H")).value(0);
    ASSERT_NE(h, 0u);
    // Scaled 10 times, an H 120 device pixels (7.2 points) tall, baselines
    // 100 points down, one inch apart; the third line clipped away.
    CarriedTexts lines;
    for (int i = 0; i < 3; ++i) {
        const QPointF start(1200 * (i + 1), 100 * kPixelsPerPoint);
        lines.push_back(text(QStringLiteral("H"), start, 100, 120));
        lines.back().glyphs.push_back({outlines_.id(font, h), start, 10});
    }
    lines.back().clip = QRectF(0, 0, 2000, 2000);
    const QString path = withLayer(qtPdf(1), {lines});

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().count("/Subtype /Form"), 1);
    const QString base = dir_.filePath(QStringLiteral("page"));
    jubilo::testing::pdfTool(QStringLiteral("pdftoppm"),
                             {QStringLiteral("-r"), QStringLiteral("288"), QStringLiteral("-gray"),
                              QStringLiteral("-singlefile"), path, base});
    const QImage page(base + QStringLiteral(".pgm"));
    ASSERT_FALSE(page.isNull());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(inkIn(page, QRect(288 * (i + 1), 4 * 92, 32, 32)) > 40, i < 2) << "H " << i;
    EXPECT_EQ(jubilo::testing::pdfText(path).count(u'H'), 3) << "the text layer's three, no more";
}

}  // namespace
}  // namespace jubilo::spreadsheet::picture
