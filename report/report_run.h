#pragma once
// The report run: builds the plan workbook in one host, saves it to the
// temporary folder, reopens it in a second host to take a picture of the
// used cells, and hands picture and workbook to the preview.

#include <QImage>
#include <QString>

#include <chrono>
#include <memory>

namespace jubilo {

class Plan;
class SpreadsheetHost;
class HostWorkbook;

// The windows the run drives; the main window provides them.
class ReportScreens {
public:
    virtual ~ReportScreens() = default;
    virtual void setBusyPointer(bool busy) = 0;
    // Throws when the file holds no picture.
    virtual void loadPreviewPicture(const QString& picturePath) = 0;
    virtual void setPreviewWorkbook(const QString& workbookPath) = 0;
    virtual void showPreview() = 0;
    virtual void hideMainWindow() = 0;
};

void generateReport(const Plan& plan, ReportScreens& screens);

// A new host with the file open as its last workbook.
std::unique_ptr<SpreadsheetHost> openWorkbookInNewHost(const QString& path);

// Writes a picture of the used cells of the workbook's active sheet; a
// sheet whose used cells end in row 1 or column 1 gives no file. False when
// one of its steps failed (each failure has shown its box).
bool saveCellsActivesheet(HostWorkbook& workbook, const QString& path);

// How long the run waits for the host's picture to reach the clipboard.
inline constexpr std::chrono::milliseconds kClipboardPatience{2000};

// The clipboard's picture, asking until one comes or `patience` has passed;
// then throws, with the clipboard's own error when reading it failed.
QImage fetchClipboardPicture(std::chrono::milliseconds patience = kClipboardPatience);

}  // namespace jubilo
