#include "spreadsheet/picture/range_picture.h"

#include "automation/color_packing.h"
#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/picture/cell_fonts_p.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace jubilo::spreadsheet::picture {

namespace {

constexpr int kDotsPerMeterAt96Dpi = 3780;

bool isPaletteIndex(int index) { return index >= 1 && index <= kPaletteSize; }

QColor paletteColor(const Palette& palette, int index, const QColor& automatic)
{
    if (!isPaletteIndex(index))
        return automatic;
    const quint32 bgr = palette[std::size_t(index - 1)];
    return QColor(xl::redOfBgr(bgr), xl::greenOfBgr(bgr), xl::blueOfBgr(bgr));
}

// How a border style is drawn: its thickness in pixels, and the lengths of
// its alternating dashes and gaps (none for a solid line).
struct Stroke {
    int width = 1;
    std::array<int, 6> runs{};
    int runCount = 0;
    bool twin = false;  // two one-pixel lines with a gap
};

Stroke strokeOf(LineStyle style)
{
    switch (style) {
    case LineStyle::Medium:
        return {2, {}, 0, false};
    case LineStyle::Thick:
        return {3, {}, 0, false};
    case LineStyle::Double:
        return {3, {}, 0, true};
    case LineStyle::Hair:
    case LineStyle::Dotted:
        return {1, {1, 1}, 2, false};
    case LineStyle::Dashed:
        return {1, {3, 1}, 2, false};
    case LineStyle::DashDot:
        return {1, {6, 2, 2, 2}, 4, false};
    case LineStyle::DashDotDot:
        return {1, {6, 2, 2, 2, 2, 2}, 6, false};
    case LineStyle::MediumDashed:
        return {2, {6, 2}, 2, false};
    case LineStyle::MediumDashDot:
        return {2, {6, 2, 2, 2}, 4, false};
    case LineStyle::MediumDashDotDot:
        return {2, {6, 2, 2, 2, 2, 2}, 6, false};
    case LineStyle::SlantDashDot:
        return {2, {8, 2, 2, 2}, 4, false};
    default:
        return {};
    }
}

// What a value is, for General alignment and for running on into neighbours.
enum class Kind { Text, Number, Other };

struct FontEntry {
    QFont font;
    QFontMetricsF metrics;
};

// Boundary lines around a cell or merged area, in picture pixels.
struct Box {
    int x0, y0, x1, y1;
};

class Renderer {
public:
    Renderer(Worksheet& sheet, RangeGeometry geometry, const PictureOptions& options)
        : sheet_(sheet)
        , book_(sheet.workbook())
        , table_(book_.formats())
        , options_(options)
        , g_(std::move(geometry))
    {
    }

    QImage draw()
    {
        image_ = QImage(g_.size, QImage::Format_RGB32);
        image_.setDotsPerMeterX(kDotsPerMeterAt96Dpi);
        image_.setDotsPerMeterY(kDotsPerMeterAt96Dpi);
        image_.fill(Qt::white);
        index();
        painter_.begin(&image_);
        if (options_.gridlines)
            drawGridlines();
        drawFills();
        drawTexts();
        drawBorders();
        painter_.end();
        return image_;
    }

private:
    std::size_t at(int r, int c) const
    {
        return std::size_t(r - g_.drawn.top) * std::size_t(g_.drawn.columnCount()) + std::size_t(c - g_.drawn.left);
    }
    const CellFormat& format(int r, int c) const { return table_.format(xf_[at(r, c)]); }
    int mergeOf(int r, int c) const { return merge_[at(r, c)]; }
    bool filled(int r, int c) const { return isPaletteIndex(format(r, c).fillColor); }
    QColor fillColor(quint8 index) const { return paletteColor(book_.palette(), index, Qt::white); }

    bool hasContent(int r, int c) const
    {
        const Cell* cell = sheet_.cells().find(r, c);
        return cell && (cell->formula || !isEmpty(cell->value));
    }
    // An empty cell of the drawn part, outside merged areas, that text may run into.
    bool runsInto(int r, int c) const
    {
        return c >= g_.drawn.left && c <= g_.drawn.right && mergeOf(r, c) < 0 && !hasContent(r, c);
    }

    Box mergeBox(const CellRect& m) const
    {
        return {columnOffset(sheet_, g_, m.left), rowOffset(sheet_, g_, m.top), columnOffset(sheet_, g_, m.right + 1),
                rowOffset(sheet_, g_, m.bottom + 1)};
    }

    void index()
    {
        const CellRect& d = g_.drawn;
        xf_.resize(std::size_t(d.area()));
        merge_.assign(std::size_t(d.area()), -1);
        for (int r = d.top; r <= d.bottom; ++r)
            for (int c = d.left; c <= d.right; ++c)
                xf_[at(r, c)] = sheet_.effectiveXf(r, c);
        merges_ = sheet_.merges().intersecting(d);
        for (std::size_t i = 0; i < merges_.size(); ++i) {
            const CellRect& m = merges_[i];
            for (int r = qMax(m.top, d.top); r <= qMin(m.bottom, d.bottom); ++r)
                for (int c = qMax(m.left, d.left); c <= qMin(m.right, d.right); ++c)
                    merge_[at(r, c)] = int(i);
        }
    }

    void drawGridlines()
    {
        const QColor grid = QColor::fromRgb(kGridlineColor);
        const int w = image_.width(), h = image_.height();
        for (int x : g_.x)
            if (x < w)
                painter_.fillRect(QRect(x, 0, 1, h), grid);
        for (int y : g_.y)
            if (y < h)
                painter_.fillRect(QRect(0, y, w, 1), grid);
    }

    // A fill covers its cell up to and including the boundary lines, which
    // hides the gridlines around it. Runs of equal fills go in one rectangle.
    void drawFills()
    {
        const CellRect& d = g_.drawn;
        for (int r = d.top; r <= d.bottom; ++r) {
            const int y0 = g_.top(r), y1 = g_.bottom(r);
            if (y1 == y0)
                continue;
            for (int c = d.left; c <= d.right;) {
                if (mergeOf(r, c) >= 0 || !filled(r, c)) {
                    ++c;
                    continue;
                }
                const quint8 fill = format(r, c).fillColor;
                int e = c;
                while (e < d.right && mergeOf(r, e + 1) < 0 && format(r, e + 1).fillColor == fill)
                    ++e;
                if (g_.right(e) > g_.left(c))
                    painter_.fillRect(QRect(QPoint(g_.left(c), y0), QPoint(g_.right(e), y1)), fillColor(fill));
                c = e + 1;
            }
        }
        for (const CellRect& m : merges_) {
            const Box b = mergeBox(m);
            if (b.x1 == b.x0 || b.y1 == b.y0)
                continue;
            const quint8 fill = sheet_.effectiveFormat(m.top, m.left).fillColor;
            if (isPaletteIndex(fill))
                painter_.fillRect(QRect(QPoint(b.x0, b.y0), QPoint(b.x1, b.y1)), fillColor(fill));
            else if (options_.gridlines)  // one cell: no gridlines inside
                painter_.fillRect(QRect(QPoint(b.x0 + 1, b.y0 + 1), QPoint(b.x1 - 1, b.y1 - 1)), Qt::white);
        }
    }

    void drawTexts()
    {
        std::vector<CellPos> cells;
        sheet_.cells().forEach(g_.drawn, [&](int r, const Cell& cell) {
            if ((cell.formula || !isEmpty(cell.value)) && mergeOf(r, cell.col) < 0)
                cells.push_back({r, cell.col});
        });
        for (const CellPos& p : cells)
            drawCellText(p.row, p.col, {g_.left(p.col), g_.top(p.row), g_.right(p.col), g_.bottom(p.row)}, false);
        for (const CellRect& m : merges_)
            if (hasContent(m.top, m.left))
                drawCellText(m.top, m.left, mergeBox(m), true);
    }

    const FontEntry& font(quint16 index)
    {
        if (index >= fonts_.size())
            fonts_.resize(std::size_t(index) + 1);
        std::optional<FontEntry>& e = fonts_[index];
        if (!e) {
            const QFont f = cellFont(table_.font(index));
            e.emplace(FontEntry{f, QFontMetricsF(f)});
        }
        return *e;
    }

    static double blockTop(int top, int bottom, double height, VAlign v)
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

    static double alignedX(HAlign h, double left, double right, double width)
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

    void drawCellText(int r, int c, const Box& box, bool merged)
    {
        const CellFormat& f = sheet_.effectiveFormat(r, c);
        const Value value = sheet_.value(r, c);
        QString text = sheet_.text(r, c);
        if (text.isEmpty())
            return;
        const Kind kind = isNumber(value) ? Kind::Number : isText(value) ? Kind::Text : Kind::Other;

        // The cell's inside, between its boundary lines: [left, right) x [top, bottom).
        const int left = box.x0 + 1, right = box.x1, top = box.y0 + 1, bottom = box.y1;
        if (right <= left || bottom <= top)
            return;
        HAlign h = f.hAlign;
        if (h == HAlign::General)
            h = kind == Kind::Number ? HAlign::Right : kind == Kind::Text ? HAlign::Left : HAlign::Center;
        double textLeft = left + kTextMargin, textRight = right - kTextMargin;
        const int indent = f.indent * kIndentPixels;
        if (h == HAlign::Left || h == HAlign::Justify || h == HAlign::Distributed)
            textLeft += indent;
        if (h == HAlign::Right || h == HAlign::Distributed)
            textRight -= indent;
        const double room = qMax(0.0, textRight - textLeft);

        const FontEntry& fe = font(f.font);
        const QFontMetricsF& fm = fe.metrics;
        painter_.setFont(fe.font);
        painter_.setPen(paletteColor(book_.palette(), table_.font(f.font).colorIndex, Qt::black));

        const bool wraps = kind == Kind::Text && (f.wrap || h == HAlign::Justify || h == HAlign::Distributed);
        if (wraps && (text.contains(u'\n') || fm.horizontalAdvance(text) > room)) {
            drawWrapped(text, fe, f, h, textLeft, textRight, {left, top, right, bottom});
            return;
        }
        text.remove(u'\r');
        text.replace(u'\n', u' ');
        double width = fm.horizontalAdvance(text);
        if (kind == Kind::Number && width > room) {
            const double hash = fm.horizontalAdvance(u'#');
            text = QString(qMax(1, int(room / hash)), u'#');
            width = fm.horizontalAdvance(text);
        }
        if (h == HAlign::Fill) {
            const int copies = width > 0 ? qMax(1, int(room / width)) : 1;
            text = text.repeated(copies);
            width *= copies;
            h = HAlign::Left;
        }
        const double x = std::round(alignedX(h, textLeft, textRight, width));
        const double lineHeight = fm.ascent() + fm.descent();
        const double baseline = std::round(blockTop(top, bottom, lineHeight, f.vAlign) + fm.ascent());

        // Text wider than its cell runs on into empty neighbours, and the
        // gridlines it crosses give way to it.
        int clipLeft = left, clipRight = right;
        if (kind == Kind::Text && !wraps && !merged && (x < left || x + width > right)) {
            int first = c, last = c;
            const bool toRight = h != HAlign::Right, toLeft = h != HAlign::Left && h != HAlign::Justify;
            while (toRight && x + width > clipRight && runsInto(r, last + 1))
                clipRight = g_.right(++last);
            while (toLeft && x < clipLeft && runsInto(r, first - 1))
                clipLeft = g_.left(--first) + 1;
            if (options_.gridlines)
                for (int k = first + 1; k <= last; ++k)
                    if (!filled(r, k - 1) && !filled(r, k))
                        painter_.fillRect(QRect(g_.left(k), top, 1, bottom - top), Qt::white);
        }
        const bool clip = x < clipLeft || x + width > clipRight || lineHeight > bottom - top;
        if (clip)
            painter_.setClipRect(QRect(clipLeft, top, clipRight - clipLeft, bottom - top));
        painter_.drawText(QPointF(x, baseline), text);
        if (clip)
            painter_.setClipping(false);
    }

    void drawWrapped(QString text, const FontEntry& fe, const CellFormat& f, HAlign h, double textLeft,
                     double textRight, const Box& inside)
    {
        text.remove(u'\r');
        text.replace(u'\n', QChar::LineSeparator);
        QTextLayout layout(text, fe.font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        const double room = qMax(1.0, textRight - textLeft);
        double height = 0;
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(room);
            line.setPosition(QPointF(0, height));
            height += line.height();
        }
        layout.endLayout();
        const double top = std::round(blockTop(inside.y0, inside.y1, height, f.vAlign));
        for (int i = 0; i < layout.lineCount(); ++i) {
            QTextLine line = layout.lineAt(i);
            const double x = std::round(alignedX(h, textLeft, textRight, line.naturalTextWidth()));
            line.setPosition(QPointF(x, top + line.y()));
        }
        painter_.setClipRect(QRect(inside.x0, inside.y0, inside.x1 - inside.x0, inside.y1 - inside.y0));
        layout.draw(&painter_, QPointF(0, 0));
        painter_.setClipping(false);
    }

    // Each cell draws its own borders; edges inside a merged area are not drawn.
    void drawBorders()
    {
        const CellRect& d = g_.drawn;
        for (int r = d.top; r <= d.bottom; ++r) {
            const int y0 = g_.top(r), y1 = g_.bottom(r);
            if (y1 == y0)
                continue;
            for (int c = d.left; c <= d.right; ++c) {
                const int x0 = g_.left(c), x1 = g_.right(c);
                const auto& b = format(r, c).borders;
                if (x1 == x0
                    || std::all_of(b.begin(), b.end(), [](const BorderLine& l) { return l.style == LineStyle::None; }))
                    continue;
                const int m = mergeOf(r, c);
                const CellRect* area = m >= 0 ? &merges_[std::size_t(m)] : nullptr;
                if (!area || c == area->left)
                    drawLine(true, x0, y0, y1, b[kLeft]);
                if (!area || c == area->right)
                    drawLine(true, x1, y0, y1, b[kRight]);
                if (!area || r == area->top)
                    drawLine(false, y0, x0, x1, b[kTop]);
                if (!area || r == area->bottom)
                    drawLine(false, y1, x0, x1, b[kBottom]);
            }
        }
    }

    // A line on the boundary `at`, from `from` to `to` inclusive along it.
    void drawLine(bool vertical, int at, int from, int to, const BorderLine& line)
    {
        if (line.style == LineStyle::None)
            return;
        const Stroke s = strokeOf(line.style);
        const QColor color = paletteColor(book_.palette(), line.colorIndex, Qt::black);
        const int first = at - (s.width >= 2 ? 1 : 0), last = first + s.width - 1;
        const auto band = [&](int a, int b, int c0, int c1) {
            painter_.fillRect(vertical ? QRect(QPoint(a, c0), QPoint(b, c1)) : QRect(QPoint(c0, a), QPoint(c1, b)),
                              color);
        };
        if (s.twin) {
            band(first, first, from, to);
            band(last, last, from, to);
            return;
        }
        if (s.runCount == 0) {
            band(first, last, from, to);
            return;
        }
        bool on = true;
        for (int pos = from, i = 0; pos <= to; pos += s.runs[std::size_t(i)], i = (i + 1) % s.runCount, on = !on)
            if (on)
                band(first, last, pos, qMin(to, pos + s.runs[std::size_t(i)] - 1));
    }

    Worksheet& sheet_;
    const Workbook& book_;
    const FormatTable& table_;
    PictureOptions options_;
    RangeGeometry g_;
    QImage image_;
    QPainter painter_;
    std::vector<quint32> xf_;
    std::vector<int> merge_;
    std::vector<CellRect> merges_;
    std::vector<std::optional<FontEntry>> fonts_;
};

QString withSeparators(qint64 n) { return QLocale(QLocale::English).toString(n); }

// Refuses a picture past the pixel or cell limit, naming the range and
// its size.
void checkPictureSize(const RangeGeometry& g)
{
    const qint64 pixels = qint64(g.size.width()) * g.size.height();
    const QString range = absoluteAddress(g.range);
    if (pixels > kMaxPicturePixels)
        throw PictureTooLarge(QStringLiteral("The picture of %1 would be %2 by %3 pixels; a picture holds at most %4")
                                  .arg(range, withSeparators(g.size.width()), withSeparators(g.size.height()),
                                       withSeparators(kMaxPicturePixels)));
    if (g.drawn.area() > kMaxPictureCells)
        throw PictureTooLarge(QStringLiteral("The picture of %1 would draw %2 cells; a picture draws at most %3")
                                  .arg(range, withSeparators(g.drawn.area()), withSeparators(kMaxPictureCells)));
}

}  // namespace

QImage drawRange(Worksheet& sheet, const CellRect& range, const PictureOptions& options)
{
    if (range.top < 0 || range.left < 0 || range.bottom > kLastRow || range.right > kLastColumn
        || range.top > range.bottom || range.left > range.right)
        throw SpreadsheetError(QStringLiteral("The range to draw lies outside the sheet"));
    if (options.maxSide < 1)
        throw SpreadsheetError(QStringLiteral("A picture needs at least one pixel on each side"));
    RangeGeometry geometry = measureRange(sheet, range, options.maxSide);
    checkPictureSize(geometry);
    registerFontSubstitutes();
    return Renderer(sheet, std::move(geometry), options).draw();
}

}  // namespace jubilo::spreadsheet::picture
