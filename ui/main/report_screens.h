#pragma once
// The windows a report run drives: the main window it hides and the preview
// window it creates on first use and fills with each new picture.

#include "report/report_run.h"

#include <memory>

class QWidget;

namespace jubilo {

class PreviewWindow;

class ReportScreensOfWindows : public ReportScreens {
public:
    explicit ReportScreensOfWindows(QWidget& mainWindow);
    ~ReportScreensOfWindows() override;

    void setBusyPointer(bool busy) override;
    void loadPreviewPicture(std::shared_ptr<const HostPicture> picture) override;
    void setPreviewWorkbook(const QString& workbookPath) override;
    void showPreview() override;
    void hideMainWindow() override;

    // Null until a report needed it.
    PreviewWindow* preview() const { return preview_.get(); }

private:
    PreviewWindow& previewWindow();

    QWidget& mainWindow_;
    std::unique_ptr<PreviewWindow> preview_;
};

}  // namespace jubilo
