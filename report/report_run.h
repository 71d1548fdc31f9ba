#pragma once
// The report run: builds the plan workbook in one host, saves it to the
// temporary folder, reopens it in a second host to take a picture of the
// used cells, and hands picture and workbook to the preview. The picture
// goes from the second host's own clipboard to the preview in memory: the
// workbook is the only file the run puts in the temporary folder, and the
// system clipboard, with whatever the user has on it, is left as it was.

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

// A picture of the used cells of the workbook's active sheet, copied in
// the workbook's host and taken from that host's clipboard. Null when the
// used cells end in row 1 or column 1 (no picture is taken); nothing when
// one of its steps failed (each failure has shown its box).
using TakenPicture = std::optional<std::shared_ptr<const HostPicture>>;
TakenPicture saveCellsActivesheet(SpreadsheetHost& host, HostWorkbook& workbook);

// How long the run waits for the host's picture to reach its clipboard.
inline constexpr std::chrono::milliseconds kCopiedPicturePatience{2000};

// The picture on the host's clipboard, asking until one comes or `patience`
// has passed; then throws, with the host's own error when asking failed.
std::shared_ptr<const HostPicture> fetchCopiedPicture(SpreadsheetHost& host,
                                                      std::chrono::milliseconds patience = kCopiedPicturePatience);

}  // namespace jubilo
