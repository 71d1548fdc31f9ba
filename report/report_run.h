#pragma once
// The report run: builds the plan workbook in one host, saves it to the
// temporary folder, reopens it in a second host to take a picture of the
// used cells, and hands picture and workbook to the preview. The picture
// goes from the clipboard to the preview in memory: the workbook is the
// only file the run puts in the temporary folder.

#include "host/interface/host_picture.h"

#include <QString>

#include <chrono>
#include <memory>
#include <optional>

namespace jubilo {

class Plan;
class SpreadsheetHost;
class HostWorkbook;

// The windows the run drives; the main window provides them.
class ReportScreens {
public:
    virtual ~ReportScreens() = default;
    virtual void setBusyPointer(bool busy) = 0;
    virtual void loadPreviewPicture(std::shared_ptr<const HostPicture> picture) = 0;
    virtual void setPreviewWorkbook(const QString& workbookPath) = 0;
    virtual void showPreview() = 0;
    virtual void hideMainWindow() = 0;
};

void generateReport(const Plan& plan, ReportScreens& screens);

// A new host with the file open as its last workbook.
std::unique_ptr<SpreadsheetHost> openWorkbookInNewHost(const QString& path);

// A picture of the used cells of the workbook's active sheet, taken from
// the clipboard. Null when the used cells end in row 1 or column 1 (no
// picture is taken); nothing when one of its steps failed (each failure has
// shown its box).
using TakenPicture = std::optional<std::shared_ptr<const HostPicture>>;
TakenPicture saveCellsActivesheet(HostWorkbook& workbook);

// How long the run waits for the host's picture to reach the clipboard.
inline constexpr std::chrono::milliseconds kClipboardPatience{2000};

// The clipboard's picture, asking until one comes or `patience` has passed;
// then throws, with the clipboard's own error when reading it failed.
std::shared_ptr<const HostPicture> fetchClipboardPicture(std::chrono::milliseconds patience = kClipboardPatience);

}  // namespace jubilo
