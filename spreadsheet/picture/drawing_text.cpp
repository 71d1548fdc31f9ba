// The text half of DrawingBuilder: where each cell's text goes.

#include "spreadsheet/picture/cell_fonts_p.h"
#include "spreadsheet/picture/drawing_builder_p.h"
#include "spreadsheet/picture/missing_glyphs_p.h"
#include "spreadsheet/picture/palette_colors_p.h"
#include "spreadsheet/picture/range_picture.h"
#include "spreadsheet/picture/text_cache_p.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace jubilo::spreadsheet::picture {

namespace {

double blockTop(int top, int bottom, double height, VAlign v)
{
    switch (v) {
    case VAlign::Top:
    case VAlign::Justify:
        return top + 1;
    case VAlign::Center:
    case VAlign::Distributed:
        return top + (bottom - top - height) / 2;
    case VAlign::Bottom:
        break;
    }
    return bottom - 1 - height;
}

double alignedX(HAlign h, double left, double right, double width)
{
    switch (h) {
    case HAlign::Right:
        return right - width;
    case HAlign::Center:
    case HAlign::CenterAcross:
    case HAlign::Distributed:
        return (left + right - width) / 2;
    default:
        return left;
    }
}

}  // namespace

void DrawingBuilder::collectTexts()
{
    std::vector<CellPos> cells;
    sheet_.cells().forEach(g_.drawn, [&](int r, const Cell& cell) {
        if ((cell.formula || !isEmpty(cell.value)) && !(cellAt(r, cell.col).merge & kInMerge))
            cells.push_back({r, cell.col});
    });
    for (const CellPos& p : cells)
        placeText(p.row, p.col, {g_.left(p.col), g_.top(p.row), g_.right(p.col), g_.bottom(p.row)}, false);
    for (std::size_t i = 0; i < mergeAreas_.size(); ++i) {
        const CellRect& m = mergeAreas_[i];
        const MergedBox& b = data_.merges[i];
        if (hasContent(m.top, m.left))
            placeText(m.top, m.left, {b.x0, b.y0, b.x1, b.y1}, true);
    }
    indexTexts();
}

void DrawingBuilder::placeText(int r, int c, const Box& box, bool merged)
{
    const CellFormat& f = sheet_.effectiveFormat(r, c);
    const Value value = sheet_.value(r, c);
    QString text = sheet_.text(r, c);
    // The cell's inside, between its boundary lines.
    Placement p{f.hAlign, 0, 0, box.x0 + 1, box.y0 + 1, box.x1, box.y1};
    if (text.isEmpty() || p.right <= p.left || p.bottom <= p.top)
        return;
    if (p.h == HAlign::General)
        p.h = isNumber(value) ? HAlign::Right : isText(value) ? HAlign::Left : HAlign::Center;
    p.textLeft = p.left + kTextMargin;
    p.textRight = p.right - kTextMargin;
    const int indent = f.indent * kIndentPixels;
    if (p.h == HAlign::Left || p.h == HAlign::Justify || p.h == HAlign::Distributed)
        p.textLeft += indent;
    if (p.h == HAlign::Right || p.h == HAlign::Distributed)
        p.textRight -= indent;

    const quint32 font = fontOf(f.font);
    typed_ = text;
    if (!markMissing(text, metrics_[font]))
        typed_.clear();
    const bool wraps = isText(value) && (f.wrap || p.h == HAlign::Justify || p.h == HAlign::Distributed);
    if (wraps && text.contains(u'\n')) {
        placeWrapped(text, font, f.vAlign, p);
        return;
    }
    text.remove(u'\r');
    text.replace(u'\n', u' ');
    typed_.remove(u'\r');
    typed_.replace(u'\n', u' ');
    const double width = widthOf(text, font);
    if (wraps && width > p.room())
        placeWrapped(text, font, f.vAlign, p);
    else
        placeLine(r, c, {text, width}, isNumber(value), merged || wraps || !isText(value), f.vAlign, p, font);
}

// One line. A number too wide shows as ####; text too wide runs on into
// empty neighbours unless `stays`.
void DrawingBuilder::placeLine(int r, int c, Line line, bool isNumber, bool stays, VAlign v, Placement p, quint32 font)
{
    const QFontMetricsF& fm = metrics_[font];
    if (isNumber && line.width > p.room()) {
        line.text = QString(qMax(1, int(p.room() / fm.horizontalAdvance(u'#'))), u'#');
        line.width = widthOf(line.text, font);
        typed_.clear();
    }
    if (p.h == HAlign::Fill) {
        const int copies = line.width > 0 ? qMax(1, int(p.room() / line.width)) : 1;
        line.text = line.text.repeated(copies);
        typed_ = typed_.repeated(copies);
        line.width *= copies;
        p.h = HAlign::Left;
    }
    const double x = std::round(alignedX(p.h, p.textLeft, p.textRight, line.width));
    const double lineHeight = fm.ascent() + fm.descent();
    const double baseline = std::round(blockTop(p.top, p.bottom, lineHeight, v) + fm.ascent());
    int clipLeft = p.left, clipRight = p.right;
    if (!stays && (x < p.left || x + line.width > p.right))
        runOn(r, c, p, x, line.width, clipLeft, clipRight);
    const bool clipped = x < clipLeft || x + line.width > clipRight || lineHeight > p.bottom - p.top;
    const quint32 text = stringOf(line.text);
    data_.texts.push_back({text, font, int(x), typed_.isEmpty() ? text : stringOf(typed_), baseline, clipLeft,
                           clipRight, p.top, p.bottom, clipped});
}

// Text wider than its cell runs on into empty neighbours, and the gridlines
// it crosses give way to it.
void DrawingBuilder::runOn(int r, int c, const Placement& p, double x, double width, int& clipLeft, int& clipRight)
{
    int first = c, last = c;
    const bool toRight = p.h != HAlign::Right, toLeft = p.h != HAlign::Left && p.h != HAlign::Justify;
    while (toRight && x + width > clipRight && runsInto(r, last + 1))
        clipRight = g_.right(++last);
    while (toLeft && x < clipLeft && runsInto(r, first - 1))
        clipLeft = g_.left(--first) + 1;
    if (data_.gridlines)
        for (int k = first + 1; k <= last; ++k)
            if (!filled(r, k - 1) && !filled(r, k))
                data_.gaps.push_back({g_.left(k), p.top, p.bottom});
}

// Lines broken at word boundaries (or anywhere in a word too long), each
// placed by the alignment, clipped to the cell.
void DrawingBuilder::placeWrapped(QString text, quint32 font, VAlign v, const Placement& p)
{
    text.remove(u'\r');
    text.replace(u'\n', QChar::LineSeparator);
    typed_.remove(u'\r');
    typed_.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, data_.fonts[font].font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const double room = qMax(1.0, p.textRight - p.textLeft);
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(room);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    const double top = std::round(blockTop(p.top, p.bottom, height, v));
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        QString part = text.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.back() == QChar::LineSeparator || part.back().isSpace()))
            part.chop(1);
        if (part.isEmpty())
            continue;
        const double x = std::round(alignedX(p.h, p.textLeft, p.textRight, line.naturalTextWidth()));
        const quint32 shown = stringOf(part);
        const quint32 typed = typed_.isEmpty() ? shown : stringOf(typed_.mid(line.textStart(), part.size()));
        data_.texts.push_back(
            {shown, font, int(x), typed, top + line.y() + line.ascent(), p.left, p.right, p.top, p.bottom, true});
    }
}

bool DrawingBuilder::hasContent(int r, int c) const
{
    const Cell* cell = sheet_.cells().find(r, c);
    return cell && (cell->formula || !isEmpty(cell->value));
}

// An empty cell of the drawn part, outside merged areas, that text may run into.
bool DrawingBuilder::runsInto(int r, int c) const
{
    return c >= g_.drawn.left && c <= g_.drawn.right && !(cellAt(r, c).merge & kInMerge) && !hasContent(r, c);
}

bool DrawingBuilder::filled(int r, int c) const { return data_.looks[cellAt(r, c).look].filled; }

quint32 DrawingBuilder::fontOf(quint16 index)
{
    const auto [at, added] = fontIds_.try_emplace(index, quint32(data_.fonts.size()));
    if (added) {
        const Font& font = table_.font(index);
        const QFont f = cellFont(font);
        metrics_.emplace_back(f);
        data_.fonts.push_back(
            {f, paletteColor(book_.palette(), font.colorIndex, Qt::black).rgb(), metrics_.back().ascent()});
    }
    return at->second;
}

// Each distinct text is measured once in each font; when shapes are kept,
// by shaping it as it will be drawn.
double DrawingBuilder::widthOf(const QString& text, quint32 font)
{
    const auto key = qMakePair(text, font);
    if (const auto known = widths_.constFind(key); known != widths_.cend())
        return *known;
    double width = 0;
    if (keepShapes_)
        data_.shapes.emplace(quint64(stringOf(text)) << 32 | font, shapeLine(text, data_.fonts[font].font, &width));
    else
        width = metrics_[font].horizontalAdvance(text);
    widths_.insert(key, width);
    return width;
}

quint32 DrawingBuilder::stringOf(const QString& text)
{
    if (const auto known = stringIds_.constFind(text); known != stringIds_.cend())
        return *known;
    const auto id = quint32(data_.strings.size());
    data_.strings.push_back(text);
    stringIds_.insert(text, id);
    return id;
}

// Texts and gaps by top, for the painter's lookups.
void DrawingBuilder::indexTexts()
{
    std::stable_sort(data_.texts.begin(), data_.texts.end(),
                     [](const TextRun& a, const TextRun& b) { return a.top < b.top; });
    for (const TextRun& t : data_.texts)
        data_.textIndex.add(t.top, t.bottom);
    std::stable_sort(data_.gaps.begin(), data_.gaps.end(),
                     [](const GridGap& a, const GridGap& b) { return a.top < b.top; });
    for (const GridGap& gap : data_.gaps)
        data_.gapIndex.add(gap.top, gap.bottom);
}

}  // namespace jubilo::spreadsheet::picture
