#include "ui/preview/sheet_output.h"

#include "host/spreadsheet_host.h"
#include "report/report_run.h"

#include <stdexcept>
#include <utility>

namespace jubilo {

namespace {

inline constexpr char kWorkbookExtension[] = ".xls";
inline constexpr char kPdfExtension[] = ".pdf";

// Runs `use` on the workbook opened in a new host, and quits the host
// whether or not `use` succeeds.
template <class Use>
auto withOpenedWorkbook(const QString& path, Use&& use)
{
    const std::unique_ptr<SpreadsheetHost> host = openWorkbookInNewHost(path);
    struct QuitOnExit {
        SpreadsheetHost& host;
        ~QuitOnExit()
        {
            try {
                host.setDisplayAlerts(false);
                host.quit();
            } catch (...) {
                // What `use` did stands; a host that will not quit goes with its object.
            }
        }
    } quitOnExit{*host};
    const auto books = host->workbooks();
    const std::unique_ptr<HostWorkbook> book = books->item(books->count());
    if (!book)
        throw std::runtime_error("The workbook could not be opened");
    return std::forward<Use>(use)(*book);
}

}  // namespace

SaveTarget saveTarget(const QString& chosen, SavedFileType chosenType)
{
    if (chosen.endsWith(QLatin1String(kPdfExtension), Qt::CaseInsensitive))
        return {chosen, SavedFileType::Pdf};
    if (chosen.endsWith(QLatin1String(kWorkbookExtension), Qt::CaseInsensitive))
        return {chosen, SavedFileType::Workbook};
    const char* extension = chosenType == SavedFileType::Pdf ? kPdfExtension : kWorkbookExtension;
    return {chosen + QLatin1String(extension), chosenType};
}

void saveSheetPdf(const QString& workbookPath, const QString& pdfPath)
{
    withOpenedWorkbook(workbookPath, [&](HostWorkbook& book) { book.exportAsFixedFormat(xl::kTypePDF, pdfPath); });
}

PrintResult printSheet(const QString& workbookPath)
{
    return withOpenedWorkbook(workbookPath, [](HostWorkbook& book) {
        const auto sheet = book.activeSheet();
        if (!sheet)
            throw std::runtime_error("The workbook has no sheet to print");
        return sheet->printOut();
    });
}

}  // namespace jubilo
