#pragma once
// How a sheet prints. Values use the automation interface's units and
// constants (points, xlPortrait, xlPaperA4 ...); each setter checks its
// range and raises SpreadsheetError for anything outside it.

#include "automation/xl_constants.h"

#include <QString>

#include <optional>

namespace jubilo::spreadsheet {

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

    // Nothing means "no fixed zoom": the fit-to-pages settings apply.
    std::optional<int> zoom() const { return zoom_; }
    void setZoom(std::optional<int> percent);
    // 0 means "no limit" (the automation interface's False).
    int fitToPagesWide() const { return fitWide_; }
    int fitToPagesTall() const { return fitTall_; }
    void setFitToPagesWide(int pages) { fitWide_ = pageCount(pages); }
    void setFitToPagesTall(int pages) { fitTall_ = pageCount(pages); }

private:
    static double margin(double points);
    static int pageCount(int pages);

    QString printArea_;
    double left_ = 0.7 * 72, right_ = 0.7 * 72, top_ = 0.75 * 72, bottom_ = 0.75 * 72;
    double header_ = 0.3 * 72, footer_ = 0.3 * 72;
    int printComments_ = xl::kPrintNoComments;
    int orientation_ = xl::kPortrait;
    int paperSize_ = xl::kPaperLetter;
    bool centerHorizontally_ = false, centerVertically_ = false;
    int order_ = xl::kDownThenOver;
    std::optional<int> zoom_ = 100;
    int fitWide_ = 1;
    int fitTall_ = 1;
};

}  // namespace jubilo::spreadsheet
