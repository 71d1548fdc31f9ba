#pragma once
// The spreadsheet application as the program drives it, member for member
// the automation object model it was written against: the application,
// its workbooks and sheets, ranges with their font, fill and borders, and
// the page setup. Collections and sub-objects come back as new handles the
// caller owns; a handle whose object has gone (a deleted sheet, a closed
// workbook, an application that quit) fails on use. Every member reports a
// failure by throwing std::runtime_error with a readable description.

#include "host/constants/xl_constants.h"
#include "host/interface/host_pages.h"
#include "host/interface/host_picture.h"

#include <QString>
#include <QVariant>

#include <memory>

namespace jubilo {

// A cell's error value (#DIV/0!, #N/A ...) as Range::value() reports it.
struct HostCellError {
    QString text;
};

class HostFont {
public:
    virtual ~HostFont() = default;
    virtual QString name() const = 0;
    virtual void setName(const QString& name) = 0;
    virtual double size() const = 0;
    virtual void setSize(double points) = 0;
    virtual bool bold() const = 0;
    virtual void setBold(bool on) = 0;
    virtual bool italic() const = 0;
    virtual void setItalic(bool on) = 0;
    virtual QString fontStyle() const = 0;
    virtual void setFontStyle(const QString& style) = 0;
    virtual int colorIndex() const = 0;
    virtual void setColorIndex(int index) = 0;
};

class HostInterior {
public:
    virtual ~HostInterior() = default;
    virtual int colorIndex() const = 0;
    virtual void setColorIndex(int index) = 0;
};

class HostBorder {
public:
    virtual ~HostBorder() = default;
    virtual int lineStyle() const = 0;
    virtual void setLineStyle(int style) = 0;
    virtual int colorIndex() const = 0;
    virtual void setColorIndex(int index) = 0;
};

class HostRange {
public:
    virtual ~HostRange() = default;
    virtual QString address() const = 0;  // "$B$3:$F$3"
    virtual void select() = 0;
    virtual void merge() = 0;
    virtual void clear() = 0;  // contents and formats
    // CopyPicture: draws the range as the sheet shows it on screen and puts
    // the picture on its host's own clipboard (SpreadsheetHost::
    // copiedPicture), replacing what was there. The system clipboard, and
    // whatever the user has on it, is left as it was.
    virtual void copyPicture() = 0;
    virtual QString formulaR1C1() const = 0;
    virtual void setFormulaR1C1(const QString& text) = 0;  // read like typed input
    // Of the top-left cell: invalid (empty), double, bool, QString or HostCellError.
    virtual QVariant value() const = 0;
    virtual QString text() const = 0;  // the value as its number format shows it
    virtual std::unique_ptr<HostInterior> interior() = 0;
    virtual std::unique_ptr<HostFont> font() = 0;
    virtual std::unique_ptr<HostBorder> borders(int index) = 0;  // 7 to 12
    virtual int horizontalAlignment() const = 0;
    virtual void setHorizontalAlignment(int alignment) = 0;
    virtual int verticalAlignment() const = 0;
    virtual void setVerticalAlignment(int alignment) = 0;
    virtual int indentLevel() const = 0;
    virtual void setIndentLevel(int level) = 0;
    virtual bool wrapText() const = 0;
    virtual void setWrapText(bool wrap) = 0;
    virtual QString numberFormat() const = 0;
    virtual void setNumberFormat(const QString& code) = 0;
    virtual double columnWidth() const = 0;
    virtual void setColumnWidth(double width) = 0;  // character units
    virtual double rowHeight() const = 0;
    virtual void setRowHeight(double points) = 0;
    virtual std::unique_ptr<HostRange> rows() = 0;
    virtual std::unique_ptr<HostRange> columns() = 0;
    virtual int count() const = 0;
    virtual std::unique_ptr<HostRange> item(int index) = 0;  // 1-based
    virtual int row() const = 0;  // 1-based
    virtual int column() const = 0;
};

class HostPageSetup {
public:
    virtual ~HostPageSetup() = default;
    virtual QString printArea() const = 0;
    virtual void setPrintArea(const QString& area) = 0;
    virtual double leftMargin() const = 0;
    virtual void setLeftMargin(double points) = 0;
    virtual double rightMargin() const = 0;
    virtual void setRightMargin(double points) = 0;
    virtual double topMargin() const = 0;
    virtual void setTopMargin(double points) = 0;
    virtual double bottomMargin() const = 0;
    virtual void setBottomMargin(double points) = 0;
    virtual double headerMargin() const = 0;
    virtual void setHeaderMargin(double points) = 0;
    virtual double footerMargin() const = 0;
    virtual void setFooterMargin(double points) = 0;
    virtual int printComments() const = 0;
    virtual void setPrintComments(int value) = 0;
    virtual int orientation() const = 0;
    virtual void setOrientation(int value) = 0;
    virtual int paperSize() const = 0;
    virtual void setPaperSize(int value) = 0;
    virtual bool centerHorizontally() const = 0;
    virtual void setCenterHorizontally(bool on) = 0;
    virtual bool centerVertically() const = 0;
    virtual void setCenterVertically(bool on) = 0;
    virtual int order() const = 0;  // xl::kDownThenOver or xl::kOverThenDown
    virtual void setOrder(int value) = 0;
    // false for "no fixed zoom", or a percentage.
    virtual QVariant zoom() const = 0;
    virtual void setZoom(const QVariant& zoom) = 0;
    virtual QVariant fitToPagesWide() const = 0;  // false or a page count
    virtual void setFitToPagesWide(const QVariant& pages) = 0;
    virtual QVariant fitToPagesTall() const = 0;
    virtual void setFitToPagesTall(const QVariant& pages) = 0;
    // The sections of the header and footer, each with its codes (&P, &N,
    // &D ...); a setter raises an error when the whole header or footer
    // would pass 255 characters.
    virtual QString leftHeader() const = 0;
    virtual void setLeftHeader(const QString& text) = 0;
    virtual QString centerHeader() const = 0;
    virtual void setCenterHeader(const QString& text) = 0;
    virtual QString rightHeader() const = 0;
    virtual void setRightHeader(const QString& text) = 0;
    virtual QString leftFooter() const = 0;
    virtual void setLeftFooter(const QString& text) = 0;
    virtual QString centerFooter() const = 0;
    virtual void setCenterFooter(const QString& text) = 0;
    virtual QString rightFooter() const = 0;
    virtual void setRightFooter(const QString& text) = 0;
};

class HostWorksheet {
public:
    virtual ~HostWorksheet() = default;
    virtual QString name() const = 0;
    virtual void setName(const QString& name) = 0;
    virtual void select() = 0;
    virtual void remove() = 0;  // Delete, without asking
    virtual std::unique_ptr<HostRange> range(const QString& a1) = 0;
    // Range(cell1, cell2): the smallest rectangle holding both ranges, which
    // must be this sheet's.
    virtual std::unique_ptr<HostRange> range(const HostRange& cell1, const HostRange& cell2) = 0;
    virtual std::unique_ptr<HostRange> cells(int row, int column) = 0;  // 1-based
    virtual std::unique_ptr<HostRange> usedRange() = 0;
    virtual std::unique_ptr<HostPageSetup> pageSetup() = 0;
    // PrintOut: the sheet's printed pages, through the print dialog.
    virtual PrintResult printOut() = 0;
};

class HostSheets {
public:
    virtual ~HostSheets() = default;
    virtual int count() const = 0;
    virtual std::unique_ptr<HostWorksheet> item(int index) = 0;  // 1-based
};

class HostWorkbook {
public:
    virtual ~HostWorkbook() = default;
    virtual QString name() const = 0;
    // Palette entries 1 to 56 as 0x00BBGGRR.
    virtual int colors(int index) const = 0;
    virtual void setColors(int index, int bgr) = 0;
    virtual void close() = 0;
    // SaveAs with FileFormat xl::kWorkbookNormal or xl::kExcel8: an .xls file.
    virtual void saveAs(const QString& path, int fileFormat) = 0;
    // The active sheet's printed pages as a PDF file (type xl::kTypePDF),
    // replacing the file only once it is complete.
    virtual void exportAsFixedFormat(int type, const QString& path) = 0;
    virtual std::unique_ptr<HostWorksheet> activeSheet() = 0;
    virtual std::unique_ptr<HostSheets> sheets() = 0;
};

class HostWorkbooks {
public:
    virtual ~HostWorkbooks() = default;
    virtual std::unique_ptr<HostWorkbook> add() = 0;  // a new active workbook
    // Opens a saved .xls file as the last workbook, with the sheet that was
    // active when it was saved active again.
    virtual std::unique_ptr<HostWorkbook> open(const QString& path) = 0;
    virtual int count() const = 0;
    virtual std::unique_ptr<HostWorkbook> item(int index) = 0;  // 1-based
};

// The application object ("Excel.Application").
class SpreadsheetHost {
public:
    virtual ~SpreadsheetHost() = default;

    virtual bool screenUpdating() const = 0;
    virtual void setScreenUpdating(bool on) = 0;
    virtual bool displayAlerts() const = 0;
    virtual void setDisplayAlerts(bool on) = 0;
    virtual bool enableEvents() const = 0;
    virtual void setEnableEvents(bool on) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool on) = 0;
    virtual int enableCancelKey() const = 0;
    virtual void setEnableCancelKey(int value) = 0;
    virtual int cursor() const = 0;
    virtual void setCursor(int value) = 0;
    virtual QString version() const = 0;
    // The unnamed default member: "Microsoft Excel".
    virtual QString defaultValue() const = 0;

    virtual std::unique_ptr<HostWorkbooks> workbooks() = 0;
    virtual std::unique_ptr<HostSheets> sheets() = 0;  // of the active workbook
    virtual std::unique_ptr<HostWorkbook> activeWorkbook() = 0;
    virtual std::unique_ptr<HostWorksheet> activeSheet() = 0;

    // On the active sheet.
    virtual std::unique_ptr<HostRange> range(const QString& a1) = 0;
    virtual std::unique_ptr<HostRange> range(const HostRange& cell1, const HostRange& cell2)
    {
        return activeSheet()->range(cell1, cell2);
    }
    virtual std::unique_ptr<HostRange> cells() = 0;
    virtual std::unique_ptr<HostRange> cells(int row, int column) { return activeSheet()->cells(row, column); }
    virtual std::unique_ptr<HostRange> columns(const QString& a1) = 0;
    virtual std::unique_ptr<HostRange> rows(const QString& a1) = 0;
    virtual std::unique_ptr<HostRange> selection() = 0;
    virtual std::unique_ptr<HostRange> activeCell() = 0;

    // The host's own clipboard: the picture the last CopyPicture of any of
    // its ranges put there; null when it holds none. A host that runs apart
    // from the program may answer null for a moment after CopyPicture
    // returns.
    virtual std::shared_ptr<const HostPicture> copiedPicture() = 0;

    virtual double inchesToPoints(double inches) const = 0;
    virtual void quit() = 0;
};

}  // namespace jubilo

Q_DECLARE_METATYPE(jubilo::HostCellError)
