#include "ui/main/report_screens.h"

#include "ui/preview/preview_window.h"

#include <QApplication>
#include <QScreen>

#include <stdexcept>

namespace jubilo {

ReportScreensOfWindows::ReportScreensOfWindows(QWidget& mainWindow)
    : mainWindow_(mainWindow)
{
}

ReportScreensOfWindows::~ReportScreensOfWindows() = default;

PreviewWindow& ReportScreensOfWindows::previewWindow()
{
    if (!preview_) {
        preview_ = std::make_unique<PreviewWindow>();
        preview_->setMainWindow(&mainWindow_);
        if (const QScreen* screen = mainWindow_.screen())
            preview_->move(screen->availableGeometry().center() - preview_->rect().center());
    }
    return *preview_;
}

// The pointer is set, not stacked: a run that stops half way still ends
// with the normal pointer.
void ReportScreensOfWindows::setBusyPointer(bool busy)
{
    if (busy) {
        if (!QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void ReportScreensOfWindows::loadPreviewPicture(std::shared_ptr<const HostPicture> picture)
{
    previewWindow().loadPicture(std::move(picture));
}

void ReportScreensOfWindows::setPreviewWorkbook(const QString& workbookPath)
{
    previewWindow().setWorkbookPath(workbookPath);
}

void ReportScreensOfWindows::showPreview() { previewWindow().show(); }

void ReportScreensOfWindows::hideMainWindow() { mainWindow_.hide(); }

}  // namespace jubilo
