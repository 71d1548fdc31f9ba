#pragma once
// How many pages a sheet prints. A few kilobytes of workbook can ask for
// millions of pages (a cell far out, and margins that leave room for one
// cell a page), each costing the drawing and the PDF some kilobytes; the
// pages are counted from where the rows and columns break, before any page
// is laid out, and a sheet that would print on more than kMaxPrintedPages
// is refused, as are margins that leave no room to print on at all.

#include "spreadsheet/core/error.h"

#include <QSizeF>

namespace jubilo::spreadsheet {
class PageSetup;
}

namespace jubilo::spreadsheet::picture {

inline constexpr qint64 kMaxPrintedPages = 10'000;

// The refusal of a sheet that would print on more than kMaxPrintedPages.
class TooManyPages : public SpreadsheetError {
public:
    using SpreadsheetError::SpreadsheetError;
};

// The refusal of margins that leave nothing of the paper to print on.
class NoRoomToPrint : public SpreadsheetError {
public:
    using SpreadsheetError::SpreadsheetError;
};

// Throws NoRoomToPrint unless the margins leave some of `paper` (points,
// in the setup's orientation) across and down.
void checkRoomToPrint(const PageSetup& setup, const QSizeF& paper);
// Throws TooManyPages past kMaxPrintedPages.
void checkPageCount(qint64 pagesWide, qint64 pagesTall);

}  // namespace jubilo::spreadsheet::picture
