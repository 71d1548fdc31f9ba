#include "report/report_run.h"

#include "plan/plan.h"
#include "report/host_version.h"
#include "report/plan_sheet.h"
#include "report/plan_workbook.h"
#include "host/interface/spreadsheet_host.h"
#include "report/temp_files.h"
#include "errors/error_trap.h"
#include "files/file_procedures.h"
#include "report/host_checks.h"

#include <QDeadlineTimer>
#include <QThread>

#include <stdexcept>

namespace jubilo {

namespace {

// The pause between looks at a host's clipboard that holds no picture yet.
constexpr std::chrono::milliseconds kCopiedPicturePause{10};

template <class T>
T& present(const std::unique_ptr<T>& object, const char* what)
{
    if (!object)
        throw std::runtime_error(std::string("Object variable not set: ") + what);
    return *object;
}

}  // namespace

std::unique_ptr<SpreadsheetHost> openWorkbookInNewHost(const QString& path)
{
    auto host = startSpreadsheetHost();
    host->workbooks()->open(path);
    return host;
}

std::shared_ptr<const HostPicture> fetchCopiedPicture(SpreadsheetHost& host, std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    QString lastError;
    while (true) {
        try {
            if (auto picture = host.copiedPicture())
                return picture;
        } catch (...) {
            lastError = describeCurrentException();
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(kCopiedPicturePause.count());
    }
    if (!lastError.isEmpty())
        throw std::runtime_error("The spreadsheet's clipboard could not be read: " + lastError.toStdString());
    throw std::runtime_error("The spreadsheet's clipboard holds no picture of the sheet");
}

// Steps are numbered as the error box reports them. Each step needs the one
// before it, so the first that fails ends the procedure.
TakenPicture saveCellsActivesheet(SpreadsheetHost& host, HostWorkbook& workbook)
{
    ErrorTrap trap(locations::kSaveSheetPicture);
    std::shared_ptr<const HostPicture> picture;
    std::unique_ptr<HostWorksheet> sheet;
    int lastRow = 0, lastColumn = 0;
    trap.essential(100, [&] { sheet = workbook.activeSheet(); });
    trap.essential(102, [&] {
        const auto rows = present(sheet, "sheet").usedRange()->rows();
        lastRow = rows->item(rows->count())->row();
    });
    trap.essential(104, [&] {
        const auto columns = present(sheet, "sheet").usedRange()->columns();
        lastColumn = columns->item(columns->count())->column();
    });
    if (trap.abandoned())
        return std::nullopt;
    if (!trap.condition(106, [&] { return lastRow > 1 && lastColumn > 1; }))
        return TakenPicture(nullptr);
    trap.essential(110, [&] { present(sheet, "sheet").usedRange()->copyPicture(); });
    trap.essential(112, [&] { picture = fetchCopiedPicture(host); });
    return trap.abandoned() ? std::nullopt : TakenPicture(picture);
}

namespace {

// Steps 106 to 184: the plan workbook built in its own host and saved to the
// temporary folder. Returns the saved workbook's path; the trap is abandoned
// when the workbook was not saved.
QString buildAndSaveWorkbook(ErrorTrap& trap, const Plan& plan)
{
    std::unique_ptr<SpreadsheetHost> reportHost;
    std::unique_ptr<HostWorkbook> reportBook;
    trap.essential(106, [&] { reportHost = startSpreadsheetHost(); });
    const auto host = [&]() -> SpreadsheetHost& { return present(reportHost, "host"); };
    trap.step(108, [&] { host().setScreenUpdating(false); });
    trap.step(110, [&] { host().setDisplayAlerts(false); });
    trap.step(112, [&] { host().setEnableEvents(false); });
    trap.step(114, [&] { host().setEnableCancelKey(xl::kCancelKeyDisabled); });
    trap.step(116, [&] { host().setCursor(xl::kCursorWait); });
    trap.essential(120, [&] { reportBook = host().workbooks()->add(); });
    int extraSheets = 0;
    trap.step(122, [&] { extraSheets = extraSheetCount(host()); });
    trap.step(124, [&] { removeExtraSheets(host(), extraSheets); });
    trap.step(126, [&] { namePlanSheet(host()); });
    trap.step(128, [&] { buildPlanSheet(host(), plan); });
    trap.step(130, [&] { host().sheets()->item(1)->select(); });
    trap.step(146, [&] { host().range(QStringLiteral("B2"))->select(); });
    trap.step(148, [&] { host().setVisible(false); });
    trap.step(150, [&] { host().setCursor(xl::kCursorDefault); });
    trap.step(152, [&] { host().setScreenUpdating(true); });
    trap.step(154, [&] { host().setDisplayAlerts(true); });
    trap.step(156, [&] { host().setEnableEvents(true); });
    trap.step(158, [&] { host().setEnableCancelKey(xl::kCancelKeyInterrupt); });
    QString workbookPath;
    trap.essential(172, [&] { workbookPath = freshWorkbookPath(); });
    trap.essential(176, [&] { present(reportBook, "workbook").saveAs(workbookPath, hostWorkbookFormat(&host())); });
    trap.cleanup(178, [&] { host().setDisplayAlerts(false); });
    trap.cleanup(180, [&] { present(reportBook, "workbook").close(); });
    trap.cleanup(182, [&] { host().quit(); });
    trap.cleanup(184, [&] {
        reportBook.reset();
        reportHost.reset();
    });
    return workbookPath;
}

// Steps 186 to 200: the saved workbook reopened in a second host and its
// picture taken; the trap is abandoned when no picture was taken.
TakenPicture drawSavedWorkbook(ErrorTrap& trap, const QString& workbookPath, ReportScreens& screens)
{
    std::unique_ptr<SpreadsheetHost> previewHost;
    std::unique_ptr<HostWorkbook> previewBook;
    if (!trap.essential(186, [&] { previewHost = openWorkbookInNewHost(workbookPath); }))
        return std::nullopt;
    trap.step(188, [&] { screens.setBusyPointer(true); });
    trap.essential(190, [&] {
        const auto books = previewHost->workbooks();
        previewBook = books->item(books->count());
    });
    TakenPicture picture;
    trap.step(192, [&] { picture = saveCellsActivesheet(*previewHost, present(previewBook, "workbook")); });
    if (!picture)
        trap.abandon();  // the picture's own procedure has shown why
    trap.cleanup(194, [&] { previewHost->setDisplayAlerts(false); });
    trap.cleanup(196, [&] { present(previewBook, "workbook").close(); });
    trap.cleanup(198, [&] { previewHost->quit(); });
    trap.cleanup(200, [&] { screens.setBusyPointer(false); });
    return picture;
}

}  // namespace

// Steps are numbered as the error box reports them. A step that the rest of
// the run needs (the workbook saved, reopened and drawn, its picture loaded)
// abandons the run when it fails: its one box is all the user sees, and
// nothing half-made is shown.
void generateReport(const Plan& plan, ReportScreens& screens)
{
    ErrorTrap trap(locations::kGenerateReport);
    const QString workbookPath = buildAndSaveWorkbook(trap, plan);
    if (trap.abandoned())
        return;
    const TakenPicture picture = drawSavedWorkbook(trap, workbookPath, screens);
    trap.essential(202, [&] {
        if (!*picture)
            throw std::runtime_error("The sheet has no cells to show");
        screens.loadPreviewPicture(*picture);
    });
    trap.essential(204, [&] { screens.setPreviewWorkbook(workbookPath); });
    // The main window goes only once the preview shows.
    trap.essential(206, [&] { screens.showPreview(); });
    trap.step(208, [&] { screens.hideMainWindow(); });
    if (trap.abandoned())
        deleteFileQuietly(workbookPath);
}

}  // namespace jubilo
