// Saving a workbook as an .xls file and opening one.

#include "host/constants/xl_constants.h"
#include "files/path_bytes.h"
#include "spreadsheet/model/application.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls_io.h"
#include "spreadsheet/io/xls_export_p.h"
#include "spreadsheet/io/xls_import_p.h"

#include <QFileInfo>

#include <new>

namespace jubilo::spreadsheet {

namespace {

std::filesystem::path nativePath(const QString& path) { return files::fileSystemPath(path); }

QString reason(const std::exception& e) { return QString::fromUtf8(e.what()); }

}  // namespace

void Workbook::saveAs(const QString& path, int fileFormat)
{
    application();
    if (fileFormat != xl::kWorkbookNormal && fileFormat != xl::kExcel8)
        throw SpreadsheetError(QStringLiteral("File format %1 is not supported: use %2 (xlWorkbookNormal) "
                                              "or %3 (xlExcel8)")
                                   .arg(fileFormat)
                                   .arg(xl::kWorkbookNormal)
                                   .arg(xl::kExcel8));
    if (path.trimmed().isEmpty())
        throw SpreadsheetError(QStringLiteral("Cannot save the workbook \"%1\": no file name given").arg(name_));
    try {
        xls::writeWorkbook(exportWorkbook(*this), nativePath(path));
    } catch (const std::bad_alloc&) {
        throw SpreadsheetError(QStringLiteral("Cannot save \"%1\": not enough memory").arg(path));
    } catch (const std::exception& e) {
        throw SpreadsheetError(QStringLiteral("Cannot save \"%1\": %2").arg(path, reason(e)));
    }
    name_ = QFileInfo(path).fileName();
}

std::shared_ptr<Workbook> Application::openWorkbook(const QString& path)
{
    live();
    std::shared_ptr<Workbook> book;
    try {
        book = importWorkbook(xls::readWorkbook(nativePath(path)), *this, QFileInfo(path).fileName());
    } catch (const std::bad_alloc&) {
        throw SpreadsheetError(QStringLiteral("Cannot open \"%1\": not enough memory").arg(path));
    } catch (const std::exception& e) {
        throw SpreadsheetError(QStringLiteral("Cannot open \"%1\": %2").arg(path, reason(e)));
    }
    workbooks_.push_back(book);
    active_ = book.get();
    return book;
}

}  // namespace jubilo::spreadsheet
