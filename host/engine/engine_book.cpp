// Workbooks, sheets and page setup.

#include "host/engine/engine_objects_p.h"
#include "host/engine/engine_pages.h"
#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "platform/system.h"
#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/picture/page_pdf.h"

#include <QBuffer>
#include <QDir>

namespace jubilo::engine {

namespace {

using spreadsheet::SpreadsheetError;
using spreadsheet::Workbook;
using spreadsheet::Worksheet;

std::shared_ptr<Worksheet> lockSheet(const std::weak_ptr<Worksheet>& weak)
{
    auto sheet = weak.lock();
    if (!sheet || !sheet->isAttached())
        throw SpreadsheetError(QStringLiteral("The worksheet no longer exists"));
    return sheet;
}

// False, or a whole number the engine then range-checks.
std::optional<int> falseOrNumber(const QVariant& v, const char* what)
{
    if (v.typeId() == QMetaType::Bool) {
        if (v.toBool())
            throw SpreadsheetError(QStringLiteral("%1 takes False or a number").arg(QLatin1String(what)));
        return std::nullopt;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || d != std::floor(d) || std::abs(d) > 1e9)
        throw SpreadsheetError(QStringLiteral("%1 takes False or a whole number").arg(QLatin1String(what)));
    return int(d);
}

QVariant falseWhenZero(int pages) { return pages == 0 ? QVariant(false) : QVariant(pages); }

class PageSetup : public HostPageSetup {
public:
    explicit PageSetup(const std::shared_ptr<Worksheet>& sheet)
        : sheet_(sheet)
    {
    }
    QString printArea() const override { return page().printArea(); }
    void setPrintArea(const QString& area) override { page().setPrintArea(area); }
    double leftMargin() const override { return page().leftMargin(); }
    void setLeftMargin(double p) override { page().setLeftMargin(p); }
    double rightMargin() const override { return page().rightMargin(); }
    void setRightMargin(double p) override { page().setRightMargin(p); }
    double topMargin() const override { return page().topMargin(); }
    void setTopMargin(double p) override { page().setTopMargin(p); }
    double bottomMargin() const override { return page().bottomMargin(); }
    void setBottomMargin(double p) override { page().setBottomMargin(p); }
    double headerMargin() const override { return page().headerMargin(); }
    void setHeaderMargin(double p) override { page().setHeaderMargin(p); }
    double footerMargin() const override { return page().footerMargin(); }
    void setFooterMargin(double p) override { page().setFooterMargin(p); }
    int printComments() const override { return page().printComments(); }
    void setPrintComments(int v) override { page().setPrintComments(v); }
    int orientation() const override { return page().orientation(); }
    void setOrientation(int v) override { page().setOrientation(v); }
    int paperSize() const override { return page().paperSize(); }
    void setPaperSize(int v) override { page().setPaperSize(v); }
    bool centerHorizontally() const override { return page().centerHorizontally(); }
    void setCenterHorizontally(bool on) override { page().setCenterHorizontally(on); }
    bool centerVertically() const override { return page().centerVertically(); }
    void setCenterVertically(bool on) override { page().setCenterVertically(on); }
    int order() const override { return page().order(); }
    void setOrder(int v) override { page().setOrder(v); }
    QVariant zoom() const override
    {
        const auto z = page().zoom();
        return z ? QVariant(*z) : QVariant(false);
    }
    void setZoom(const QVariant& zoom) override { page().setZoom(falseOrNumber(zoom, "Zoom")); }
    QVariant fitToPagesWide() const override { return falseWhenZero(page().fitToPagesWide()); }
    void setFitToPagesWide(const QVariant& p) override
    {
        page().setFitToPagesWide(falseOrNumber(p, "FitToPagesWide").value_or(0));
    }
    QVariant fitToPagesTall() const override { return falseWhenZero(page().fitToPagesTall()); }
    void setFitToPagesTall(const QVariant& p) override
    {
        page().setFitToPagesTall(falseOrNumber(p, "FitToPagesTall").value_or(0));
    }
    QString leftHeader() const override { return headerPart(&P::header, spreadsheet::kLeftSection); }
    void setLeftHeader(const QString& t) override { setPart(&P::header, &P::setHeader, spreadsheet::kLeftSection, t); }
    QString centerHeader() const override { return headerPart(&P::header, spreadsheet::kCenterSection); }
    void setCenterHeader(const QString& t) override
    {
        setPart(&P::header, &P::setHeader, spreadsheet::kCenterSection, t);
    }
    QString rightHeader() const override { return headerPart(&P::header, spreadsheet::kRightSection); }
    void setRightHeader(const QString& t) override
    {
        setPart(&P::header, &P::setHeader, spreadsheet::kRightSection, t);
    }
    QString leftFooter() const override { return headerPart(&P::footer, spreadsheet::kLeftSection); }
    void setLeftFooter(const QString& t) override { setPart(&P::footer, &P::setFooter, spreadsheet::kLeftSection, t); }
    QString centerFooter() const override { return headerPart(&P::footer, spreadsheet::kCenterSection); }
    void setCenterFooter(const QString& t) override
    {
        setPart(&P::footer, &P::setFooter, spreadsheet::kCenterSection, t);
    }
    QString rightFooter() const override { return headerPart(&P::footer, spreadsheet::kRightSection); }
    void setRightFooter(const QString& t) override
    {
        setPart(&P::footer, &P::setFooter, spreadsheet::kRightSection, t);
    }

private:
    using P = spreadsheet::PageSetup;
    spreadsheet::PageSetup& page() const { return lockSheet(sheet_)->pageSetup(); }
    // One section of the stored header or footer, read or replaced.
    QString headerPart(QString (P::*get)() const, int section) const
    {
        return spreadsheet::splitHeaderSections((page().*get)())[std::size_t(section)];
    }
    void setPart(QString (P::*get)() const, void (P::*set)(const QString&), int section, const QString& text)
    {
        P& setup = page();
        spreadsheet::HeaderSections sections = spreadsheet::splitHeaderSections((setup.*get)());
        sections[std::size_t(section)] = text;
        (setup.*set)(spreadsheet::joinHeaderSections(sections));
    }
    std::weak_ptr<Worksheet> sheet_;
};

class Sheet : public HostWorksheet {
public:
    explicit Sheet(const std::shared_ptr<Worksheet>& sheet)
        : sheet_(sheet)
    {
    }
    QString name() const override { return lockSheet(sheet_)->name(); }
    void setName(const QString& name) override { lockSheet(sheet_)->setName(name); }
    void select() override
    {
        auto sheet = lockSheet(sheet_);
        sheet->workbook().activate(*sheet);
    }
    void remove() override
    {
        auto sheet = lockSheet(sheet_);
        sheet->workbook().removeSheet(*sheet);
    }
    std::unique_ptr<HostRange> range(const QString& a1) override
    {
        return wrapRange({lockSheet(sheet_), spreadsheet::parseA1Range(a1)});
    }
    std::unique_ptr<HostRange> range(const HostRange& cell1, const HostRange& cell2) override
    {
        return wrapRange(spreadsheet::Range::spanning(lockSheet(sheet_), engineRange(cell1), engineRange(cell2)));
    }
    std::unique_ptr<HostRange> cells(int row, int column) override
    {
        return wrapRange(spreadsheet::Range::cell(lockSheet(sheet_), row, column));
    }
    std::unique_ptr<HostRange> usedRange() override
    {
        auto sheet = lockSheet(sheet_);
        return wrapRange({sheet, sheet->usedRange()});
    }
    std::unique_ptr<HostPageSetup> pageSetup() override { return std::make_unique<PageSetup>(lockSheet(sheet_)); }
    PrintResult printOut() override { return engine::printOut(*lockSheet(sheet_)); }

private:
    std::weak_ptr<Worksheet> sheet_;
};

std::shared_ptr<Workbook> lockBook(const std::weak_ptr<Workbook>& weak)
{
    auto book = weak.lock();
    if (!book || !book->isOpen())
        throw SpreadsheetError(QStringLiteral("The workbook is closed"));
    return book;
}

class Sheets : public HostSheets {
public:
    explicit Sheets(const std::shared_ptr<Workbook>& book)
        : book_(book)
    {
    }
    int count() const override { return lockBook(book_)->sheetCount(); }
    std::unique_ptr<HostWorksheet> item(int index) override { return wrapSheet(lockBook(book_)->sheet(index)); }

private:
    std::weak_ptr<Workbook> book_;
};

[[noreturn]] void cannotWrite(const QString& path, const QString& reason)
{
    throw SpreadsheetError(QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), reason));
}

// The sheet's pages made in memory, then written by Jubilo's one file
// writer: the PDF writer does not check its writes, so it never writes the
// file itself. A failure leaves any file at `path` as it was.
void exportPdf(Worksheet& sheet, int type, const QString& path)
{
    if (type != xl::kTypePDF)
        throw SpreadsheetError(QStringLiteral("Fixed format type %1 is not supported").arg(type));
    QByteArray pdf;
    QBuffer buffer(&pdf);
    try {
        spreadsheet::picture::writeSheetPdf(sheet, buffer, system().now());
    } catch (const SpreadsheetError& e) {
        cannotWrite(path, QString::fromStdString(e.what()));
    }
    try {
        files::replaceFile(files::fileSystemPath(path), pdf);
    } catch (const files::FileError& e) {
        cannotWrite(path, e.reason());
    }
}

class Book : public HostWorkbook {
public:
    explicit Book(const std::shared_ptr<Workbook>& book)
        : book_(book)
    {
    }
    QString name() const override { return lockBook(book_)->name(); }
    int colors(int index) const override { return int(lockBook(book_)->color(index)); }
    void setColors(int index, int bgr) override
    {
        if (bgr < 0)
            throw SpreadsheetError(QStringLiteral("Colour value %1 is out of range").arg(bgr));
        lockBook(book_)->setColor(index, quint32(bgr));
    }
    void close() override { lockBook(book_)->close(); }
    void saveAs(const QString& path, int fileFormat) override { lockBook(book_)->saveAs(path, fileFormat); }
    void exportAsFixedFormat(int type, const QString& path) override
    {
        exportPdf(*lockBook(book_)->activeSheet(), type, path);
    }
    std::unique_ptr<HostWorksheet> activeSheet() override { return wrapSheet(lockBook(book_)->activeSheet()); }
    std::unique_ptr<HostSheets> sheets() override { return wrapSheets(lockBook(book_)); }

private:
    std::weak_ptr<Workbook> book_;
};

class Books : public HostWorkbooks {
public:
    explicit Books(const std::shared_ptr<spreadsheet::Application>& app)
        : app_(app)
    {
    }
    std::unique_ptr<HostWorkbook> add() override { return wrapWorkbook(app_->addWorkbook()); }
    std::unique_ptr<HostWorkbook> open(const QString& path) override { return wrapWorkbook(app_->openWorkbook(path)); }
    int count() const override { return app_->workbookCount(); }
    std::unique_ptr<HostWorkbook> item(int index) override { return wrapWorkbook(app_->workbook(index)); }

private:
    std::shared_ptr<spreadsheet::Application> app_;
};

}  // namespace

std::unique_ptr<HostWorksheet> wrapSheet(const std::shared_ptr<Worksheet>& sheet)
{
    return std::make_unique<Sheet>(sheet);
}
std::unique_ptr<HostSheets> wrapSheets(const std::shared_ptr<Workbook>& book) { return std::make_unique<Sheets>(book); }
std::unique_ptr<HostWorkbook> wrapWorkbook(const std::shared_ptr<Workbook>& book)
{
    return std::make_unique<Book>(book);
}

std::unique_ptr<HostWorkbooks> wrapWorkbooks(const std::shared_ptr<spreadsheet::Application>& app)
{
    return std::make_unique<Books>(app);
}

}  // namespace jubilo::engine
