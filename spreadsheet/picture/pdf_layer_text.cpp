// The invisible half of a page's layer: the carried texts as typed, in
// Type 3 fonts of empty glyphs 1000 units (one text space unit) wide whose
// character maps name the characters, drawn in render mode 3.

#include "spreadsheet/picture/pdf_layer_parts_p.h"

#include <algorithm>

namespace jubilo::spreadsheet::picture {

namespace {

// Entries in one bfchar block of a character map, as readers expect.
constexpr int kEntriesPerBlock = 100;
constexpr int kCodesPerFont = LayerCodes::kCodesPerFont;

QByteArray utf16Hex(char32_t c)
{
    QByteArray hex;
    for (const QChar unit : QString::fromUcs4(&c, 1))
        hex += QByteArray::number(unit.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex;
}

// A layer font's character map: its codes to the characters they stand for.
QByteArray toUnicode(const LayerCodes& codes, int font)
{
    std::vector<QByteArray> entries;
    for (const auto& [c, code] : codes.all())
        if (code.font == font)
            entries.push_back("<" + QByteArray::number(code.code, 16).rightJustified(2, '0').toUpper() + "> <"
                              + utf16Hex(c) + ">\n");
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
    for (std::size_t i = 0; i < entries.size(); i += kEntriesPerBlock) {
        const std::size_t end = std::min(entries.size(), i + kEntriesPerBlock);
        map += QByteArray::number(qsizetype(end - i)) + " beginbfchar\n";
        for (std::size_t k = i; k < end; ++k)
            map += entries[k];
        map += "endbfchar\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend";
}

}  // namespace

LayerCodes::LayerCodes(const std::vector<CarriedPage>& pages)
{
    for (const CarriedPage& page : pages)
        for (const CarriedText& t : page.texts)
            for (const uint c : t.text.toUcs4())
                if (!codes_.count(c)) {
                    const int n = int(codes_.size());
                    codes_[c] = {n / kCodesPerFont, n % kCodesPerFont + 1};
                }
}

QByteArray addLayerFonts(const LayerCodes& codes, PdfUpdate& update)
{
    const int glyph = update.add(PdfUpdate::stream("1000 0 0 0 0 0 d1"));
    QByteArray entries;
    for (int f = 0; f < codes.fonts(); ++f) {
        const int map = update.add(PdfUpdate::stream(toUnicode(codes, f)));
        const QByteArray glyphs = QByteArray(" /g").repeated(kCodesPerFont);
        const QByteArray widths = QByteArray(" 1000").repeated(kCodesPerFont);
        QByteArray font
            = "<< /Type /Font /Subtype /Type3 /FontBBox [0 -200 1000 800] /FontMatrix [0.001 0 0 0.001 0 0]\n";
        font += "/CharProcs << /g " + pdfReference(glyph) + " >>\n";
        font += "/Encoding << /Type /Encoding /Differences [1" + glyphs + "] >>\n";
        font += "/FirstChar 1 /LastChar " + QByteArray::number(kCodesPerFont) + " /Widths [" + widths + "]\n";
        font += "/ToUnicode " + pdfReference(map) + " /Resources << >> >>";
        entries += "/JbT" + QByteArray::number(f) + " " + pdfReference(update.add(font)) + "\n";
    }
    return entries;
}

// Each character of each text in its slot along the line, invisible.
QByteArray layerText(const CarriedTexts& texts, const LayerCodes& codes, QSizeF paper, double pixelsPerPoint)
{
    QByteArray content = "q\nBT\n3 Tr\n";
    for (const CarriedText& t : texts) {
        const QList<uint> chars = t.text.toUcs4();
        // Each character's slot, never so narrow that its matrix flattens.
        const double size = t.size / pixelsPerPoint;
        const double advance = qMax(size / 100, t.width / pixelsPerPoint / qMax(1, chars.size()));
        const double x = t.start.x() / pixelsPerPoint, y = paper.height() - t.start.y() / pixelsPerPoint;
        if (chars.isEmpty() || !(size > 0))
            continue;
        const bool backwards = t.text.isRightToLeft();
        for (qsizetype i = 0; i < chars.size(); ++i) {
            const auto code = codes[chars[i]];
            const qsizetype slot = backwards ? chars.size() - 1 - i : i;
            content += "/JbT" + QByteArray::number(code.font) + " " + pdfNumber(size) + " Tf "
                + pdfNumber(advance / size) + " 0 0 1 " + pdfNumber(x + slot * advance) + " " + pdfNumber(y) + " Tm <"
                + QByteArray::number(code.code, 16).rightJustified(2, '0') + "> Tj\n";
        }
    }
    return content + "ET\nQ";
}

}  // namespace jubilo::spreadsheet::picture
