#include "spreadsheet/model/range_style.h"

#include "spreadsheet/core/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/model/xl_codes.h"

#include <cmath>

namespace jubilo::spreadsheet {

namespace {

constexpr double kMinFontSize = 1, kMaxFontSize = 409;

// `key`: the setterKey naming the change, 0 when it has none.
template <typename Change>
void editFont(const Range& range, Change change, quint32 key = 0)
{
    auto sheet = range.worksheet();
    FormatTable& table = sheet->workbook().formats();
    sheet->editFormat(
        range.rect(),
        [&](CellFormat& f, const Edges&) {
            Font font = table.font(f.font);
            change(font);
            f.font = table.internFont(font);
        },
        false, key);
}

const Font& topLeftFont(const Range& range)
{
    auto sheet = range.worksheet();
    return sheet->workbook().formats().font(sheet->effectiveFormat(range.rect().top, range.rect().left).font);
}

int colorToXl(quint8 index, int none) { return index == 0 ? none : index; }

}  // namespace

QString RangeFont::name() const { return topLeftFont(range_).name; }

void RangeFont::setName(const QString& name) const
{
    if (name.trimmed().isEmpty() || name.size() > 255)
        throw SpreadsheetError(QStringLiteral("\"%1\" is not a valid font name").arg(name));
    editFont(range_, [&](Font& f) { f.name = name; });
}

double RangeFont::size() const { return topLeftFont(range_).height / 20.0; }

void RangeFont::setSize(double points) const
{
    if (!std::isfinite(points) || points < kMinFontSize || points > kMaxFontSize)
        throw SpreadsheetError(
            QStringLiteral("Font size %1 is out of range (%2 to %3)").arg(points).arg(kMinFontSize).arg(kMaxFontSize));
    const auto twips = quint16(std::lround(points * 20));
    editFont(
        range_, [twips](Font& f) { f.height = twips; }, setterKey(FormatSetter::FontSize, twips));
}

bool RangeFont::bold() const { return topLeftFont(range_).bold; }
void RangeFont::setBold(bool on) const
{
    editFont(
        range_, [on](Font& f) { f.bold = on; }, setterKey(FormatSetter::FontBold, on));
}
bool RangeFont::italic() const { return topLeftFont(range_).italic; }
void RangeFont::setItalic(bool on) const
{
    editFont(
        range_, [on](Font& f) { f.italic = on; }, setterKey(FormatSetter::FontItalic, on));
}

QString RangeFont::fontStyle() const
{
    const Font& f = topLeftFont(range_);
    if (f.bold && f.italic)
        return QStringLiteral("Bold Italic");
    return f.bold ? QStringLiteral("Bold") : f.italic ? QStringLiteral("Italic") : QStringLiteral("Regular");
}

void RangeFont::setFontStyle(const QString& style) const
{
    const QString s = style.simplified().toLower();
    const bool known = s == QLatin1String("regular") || s == QLatin1String("bold") || s == QLatin1String("italic")
        || s == QLatin1String("bold italic");
    if (!known)
        return;
    const bool bold = s.contains(QLatin1String("bold")), italic = s.contains(QLatin1String("italic"));
    editFont(
        range_, [=](Font& f) { f.bold = bold, f.italic = italic; },
        setterKey(FormatSetter::FontStyle, quint32(bold) | quint32(italic) << 1));
}

int RangeFont::colorIndex() const { return colorToXl(topLeftFont(range_).colorIndex, xl::kColorIndexAutomatic); }

void RangeFont::setColorIndex(int index) const
{
    const quint8 c = colorIndexFromXl(index);
    editFont(
        range_, [c](Font& f) { f.colorIndex = c; }, setterKey(FormatSetter::FontColor, c));
}

int RangeInterior::colorIndex() const
{
    auto sheet = range_.worksheet();
    return colorToXl(sheet->effectiveFormat(range_.rect().top, range_.rect().left).fillColor, xl::kColorIndexNone);
}

void RangeInterior::setColorIndex(int index) const
{
    const quint8 c = colorIndexFromXl(index);
    range_.worksheet()->editFormat(
        range_.rect(), [c](CellFormat& f, const Edges&) { f.fillColor = c; }, false, setterKey(FormatSetter::Fill, c));
}

RangeBorder::RangeBorder(Range range, int index)
    : range_(std::move(range))
    , index_(index)
{
    if (index < xl::kEdgeLeft || index > xl::kInsideHorizontal)
        throw SpreadsheetError(QStringLiteral("Border index %1 is out of range (7 to 12)").arg(index));
}

namespace {

// The cell sides a border position covers, for a cell at the given edges.
template <typename Change>
void forSides(int index, const Edges& e, Change change)
{
    switch (index) {
    case xl::kEdgeLeft:
        if (e.left)
            change(kLeft);
        break;
    case xl::kEdgeTop:
        if (e.top)
            change(kTop);
        break;
    case xl::kEdgeBottom:
        if (e.bottom)
            change(kBottom);
        break;
    case xl::kEdgeRight:
        if (e.right)
            change(kRight);
        break;
    case xl::kInsideVertical:
        if (!e.right)
            change(kRight);
        if (!e.left)
            change(kLeft);
        break;
    default:
        if (!e.bottom)
            change(kBottom);
        if (!e.top)
            change(kTop);
    }
}

// The top-left cell's side that shows a border position, if the range has one.
std::optional<std::pair<CellPos, BorderSide>> sample(int index, const CellRect& r)
{
    switch (index) {
    case xl::kEdgeLeft:
        return {{{r.top, r.left}, kLeft}};
    case xl::kEdgeTop:
        return {{{r.top, r.left}, kTop}};
    case xl::kEdgeBottom:
        return {{{r.bottom, r.left}, kBottom}};
    case xl::kEdgeRight:
        return {{{r.top, r.right}, kRight}};
    case xl::kInsideVertical:
        return r.left == r.right ? std::nullopt : std::optional(std::pair{CellPos{r.top, r.left}, kRight});
    default:
        return r.top == r.bottom ? std::nullopt : std::optional(std::pair{CellPos{r.top, r.left}, kBottom});
    }
}

BorderLine sampleLine(const Range& range, int index)
{
    const auto at = sample(index, range.rect());
    if (!at)
        return {};
    return range.worksheet()->effectiveFormat(at->first.row, at->first.col).borders[at->second];
}

}  // namespace

int RangeBorder::lineStyle() const { return lineStyleToXl(sampleLine(range_, index_).style); }

void RangeBorder::setLineStyle(int value) const
{
    const LineStyle style = lineStyleFromXl(value);
    const int index = index_;
    range_.worksheet()->editFormat(
        range_.rect(),
        [&](CellFormat& f, const Edges& e) {
            forSides(index, e, [&](BorderSide side) { f.borders[side].style = style; });
        },
        true);
}

int RangeBorder::colorIndex() const
{
    return colorToXl(sampleLine(range_, index_).colorIndex, xl::kColorIndexAutomatic);
}

// A colour on a side without a line brings a thin line, as the interface does.
void RangeBorder::setColorIndex(int index) const
{
    const quint8 c = colorIndexFromXl(index);
    const int position = index_;
    range_.worksheet()->editFormat(
        range_.rect(),
        [&](CellFormat& f, const Edges& e) {
            forSides(position, e, [&](BorderSide side) {
                f.borders[side].colorIndex = c;
                if (f.borders[side].style == LineStyle::None)
                    f.borders[side].style = LineStyle::Thin;
            });
        },
        true);
}

}  // namespace jubilo::spreadsheet
