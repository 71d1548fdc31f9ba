#pragma once
// How a sheet prints. Values use the host interface's units and
// constants (points, xlPortrait, xlPaperA4 ...); each setter checks its
// range and raises SpreadsheetError for anything outside it.

#include "host/constants/xl_constants.h"

#include <QString>

#include <array>
#include <optional>

namespace jubilo::spreadsheet {

// The most characters a header or footer holds (what the .xls file takes).
inline constexpr int kMaxHeaderFooterLength = 255;

// A header or footer's left, centre and right sections (&L, &C, &R), each
// with its own codes; text before any section code is the centre's.
enum HeaderSection { kLeftSection = 0, kCenterSection, kRightSection };
using HeaderSections = std::array<QString, 3>;
HeaderSections splitHeaderSections(const QString& text);
// The stored form of the sections: "&L..&C..&R..", empty ones left out.
QString joinHeaderSections(const HeaderSections& sections);

class PageSetup {
public:
    QString printArea() const { return printArea_; }
    // An A1 range ("$B$2:$F$26"); empty clears it.
    void setPrintArea(const QString& area);

    double leftMargin() const { return left_; }
    double rightMargin() const { return right_; }
    double topMargin() const { return top_; }
    double bottomMargin() const { return bottom_; }
    double headerMargin() const { return header_; }
    double footerMargin() const { return footer_; }
    void setLeftMargin(double points) { left_ = margin(points); }
    void setRightMargin(double points) { right_ = margin(points); }
    void setTopMargin(double points) { top_ = margin(points); }
    void setBottomMargin(double points) { bottom_ = margin(points); }
    void setHeaderMargin(double points) { header_ = margin(points); }
    void setFooterMargin(double points) { footer_ = margin(points); }

    int printComments() const { return printComments_; }
    void setPrintComments(int value);
    int orientation() const { return orientation_; }
    void setOrientation(int value);
    int paperSize() const { return paperSize_; }
    void setPaperSize(int value);
    // The printed area centred between the margins, across and down.
    bool centerHorizontally() const { return centerHorizontally_; }
    bool centerVertically() const { return centerVertically_; }
    void setCenterHorizontally(bool on) { centerHorizontally_ = on; }
    void setCenterVertically(bool on) { centerVertically_ = on; }
    // Which way an area of several pages is cut: xl::kDownThenOver or
    // xl::kOverThenDown.
    int order() const { return order_; }
    void setOrder(int value);

    // The texts printed at the header and footer margins, with their codes
    // (&P page, &N pages, &D date ...); raise SpreadsheetError beyond
    // kMaxHeaderFooterLength characters.
    QString header() const { return headerText_; }
    QString footer() const { return footerText_; }
    void setHeader(const QString& text) { headerText_ = headerText(text); }
    void setFooter(const QString& text) { footerText_ = headerText(text); }

    // Nothing means "no fixed zoom": the fit-to-pages settings apply.
    std::optional<int> zoom() const { return zoom_; }
    void setZoom(std::optional<int> percent);
    // 0 means "no limit" (the host interface's False).
    int fitToPagesWide() const { return fitWide_; }
    int fitToPagesTall() const { return fitTall_; }
    void setFitToPagesWide(int pages) { fitWide_ = pageCount(pages); }
    void setFitToPagesTall(int pages) { fitTall_ = pageCount(pages); }

private:
    static double margin(double points);
    static int pageCount(int pages);
    static QString headerText(const QString& text);

    QString printArea_;
    double left_ = 0.7 * 72, right_ = 0.7 * 72, top_ = 0.75 * 72, bottom_ = 0.75 * 72;
    double header_ = 0.3 * 72, footer_ = 0.3 * 72;
    int printComments_ = xl::kPrintNoComments;
    int orientation_ = xl::kPortrait;
    int paperSize_ = xl::kPaperLetter;
    bool centerHorizontally_ = false, centerVertically_ = false;
    int order_ = xl::kDownThenOver;
    QString headerText_, footerText_;
    std::optional<int> zoom_ = 100;
    int fitWide_ = 1;
    int fitTall_ = 1;
};

}  // namespace jubilo::spreadsheet
