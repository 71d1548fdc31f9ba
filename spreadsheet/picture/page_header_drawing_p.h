#pragma once
// A page's header and footer (see page_header.h) placed on the paper at
// 100%, whatever the body's scale: the header's first line with its top at
// the header margin from the paper's top edge, lines going down; the
// footer's last line with its bottom at the footer margin from the bottom
// edge, lines going up. Left sections start at the left margin, right ones
// end at the right margin, centre ones are centred between the two.

#include "spreadsheet/picture/page_header.h"
#include "spreadsheet/picture/page_layout.h"

#include <QFont>
#include <QPainter>
#include <QPointF>

#include <vector>

namespace jubilo::spreadsheet::picture {

struct PlacedText {
    QFont font;  // its pixel size in kPlacedUnitsPerPoint
    QPointF at;  // the start of its baseline on the paper, points
    QString text;
};
using PlacedTexts = std::vector<PlacedText>;

// Fonts are sized in twentieths of a point, so the sizes headers take
// (whole and half points) stay exact in whole pixels.
inline constexpr double kPlacedUnitsPerPoint = 20;

// `font` is the default, whose family empty lines take.
PlacedTexts placeHeaderTexts(const HeaderPrint& header, const HeaderPrint& footer, const HeaderFont& font,
                             const PageLayout& layout);

// Paints the texts in black with the paper's top left at the painter's
// origin, `dotsPerPoint` painter units to a point.
void paintPlacedTexts(QPainter& painter, const PlacedTexts& texts, double dotsPerPoint);

}  // namespace jubilo::spreadsheet::picture
