#include "spreadsheet/picture/page_header_drawing_p.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace jubilo::spreadsheet::picture {

namespace {

QFont placedFont(const HeaderFont& f)
{
    QFont font(f.family);
    font.setPixelSize(std::max(1, int(std::lround(f.points * kPlacedUnitsPerPoint))));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeout);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A line's runs measured: fonts, advances and the line's ascent and descent,
// all in points.
struct MeasuredLine {
    std::vector<QFont> fonts;
    std::vector<double> advances;
    double width = 0, ascent = 0, descent = 0;
};

MeasuredLine measure(const HeaderLine& line, const HeaderFont& emptyFont)
{
    MeasuredLine m;
    const auto take = [&](const QFont& font, const QString& text) {
        const QFontMetricsF metrics(font);
        m.ascent = std::max(m.ascent, metrics.ascent() / kPlacedUnitsPerPoint);
        m.descent = std::max(m.descent, metrics.descent() / kPlacedUnitsPerPoint);
        const double advance = metrics.horizontalAdvance(text) / kPlacedUnitsPerPoint;
        m.width += advance;
        return advance;
    };
    for (const HeaderRun& run : line.runs) {
        m.fonts.push_back(placedFont(run.font));
        m.advances.push_back(take(m.fonts.back(), run.text));
    }
    if (line.runs.empty()) {
        HeaderFont font = emptyFont;
        font.points = line.points;
        take(placedFont(font), QString());
    }
    return m;
}

struct Edge {
    double at;  // points from the paper's top
    bool down;  // the first line's top is at `at`, else the last one's bottom
};

void placeSection(const std::vector<HeaderLine>& lines, int section, Edge edge, const HeaderFont& emptyFont,
                  const PageLayout& layout, PlacedTexts& out)
{
    std::vector<MeasuredLine> measured;
    for (const HeaderLine& line : lines)
        measured.push_back(measure(line, emptyFont));
    double height = 0;
    for (const MeasuredLine& m : measured)
        height += m.ascent + m.descent;
    double top = edge.down ? edge.at : edge.at - height;
    const QRectF& p = layout.printable;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MeasuredLine& m = measured[i];
        double x = section == 0 ? p.left() : section == 1 ? p.left() + (p.width() - m.width) / 2 : p.right() - m.width;
        for (std::size_t r = 0; r < lines[i].runs.size(); ++r) {
            out.push_back({m.fonts[r], QPointF(x, top + m.ascent), lines[i].runs[r].text});
            x += m.advances[r];
        }
        top += m.ascent + m.descent;
    }
}

}  // namespace

PlacedTexts placeHeaderTexts(const HeaderPrint& header, const HeaderPrint& footer, const HeaderFont& font,
                             const PageLayout& layout)
{
    PlacedTexts texts;
    const Edge top{layout.headerMargin, true};
    const Edge bottom{layout.paper.height() - layout.footerMargin, false};
    for (int section = 0; section < 3; ++section) {
        placeSection(header[std::size_t(section)], section, top, font, layout, texts);
        placeSection(footer[std::size_t(section)], section, bottom, font, layout, texts);
    }
    return texts;
}

void paintPlacedTexts(QPainter& painter, const PlacedTexts& texts, double dotsPerPoint)
{
    if (texts.empty())
        return;
    painter.save();
    painter.setPen(Qt::black);
    painter.scale(dotsPerPoint / kPlacedUnitsPerPoint, dotsPerPoint / kPlacedUnitsPerPoint);
    for (const PlacedText& t : texts) {
        painter.setFont(t.font);
        painter.drawText(t.at * kPlacedUnitsPerPoint, t.text);
    }
    painter.restore();
}

}  // namespace jubilo::spreadsheet::picture
