#pragma once
// Form3, the preview window: the picture of the plan sheet in a clipping
// viewport with scroll bars, drag-to-pan and zoom; saving a copy of the
// workbook or a PDF of its sheet, printing the sheet, going back, or
// closing the program. The picture's context menu holds "Print…" (Ctrl+P),
// "Save as PDF…" and "Copy picture".
//
// Sizes and offsets are in pixels.

#include "host/interface/host_picture.h"
#include "ui/common/window_pointer.h"
#include "ui/preview/preview_layout.h"
#include "ui/preview/picture_canvas.h"
#include "ui/preview/sheet_output.h"
#include "ui/preview/viewport_math.h"

#include <QAction>
#include <QSize>
#include <QString>
#include <QWidget>

#include <memory>

namespace jubilo {

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    // The temporary workbook, which this window deletes on the way out.
    QString workbookPath() const { return workbookPath_; }
    void setWorkbookPath(const QString& path) { workbookPath_ = path; }

    // The window "< Back" returns to.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }

    // A new picture; the viewport is set up afresh on the next activation.
    // Throws std::runtime_error when there is no picture or it is empty.
    void loadPicture(std::shared_ptr<const HostPicture> picture);

    // The elements the window keeps, as built from its layout.
    const PreviewWindowWidgets& widgets() const { return widgets_; }

    // The picture as shown, inside the viewport that clips it.
    PictureCanvas& picture() const { return *picture_; }
    QWidget& viewport() const { return *widgets_.viewport; }
    QScrollBar& horizontalScrollBar() const { return *widgets_.horizontalScrollBar; }
    QScrollBar& verticalScrollBar() const { return *widgets_.verticalScrollBar; }

    float zoom() const { return zoom_; }
    QSize originalSize() const { return {originalWidth_, originalHeight_}; }
    QSize zoomedSize() const { return {zoomedWidth_, zoomedHeight_}; }
    // Picture pixels per scroll bar step: 0 (bar disabled), 1 or 10.
    int horizontalScrollUnit() const { return horizontalScroll_.unit; }
    int verticalScrollUnit() const { return verticalScroll_.unit; }
    // True until the next activation has set up the viewport.
    bool needsViewportSetUp() const { return needsViewportSetUp_; }

    void zoomIn();
    void zoomOut();
    // A copy of the workbook or a PDF of its sheet where the user says,
    // never over the workbook itself. The dialog opens with `fileType` chosen.
    void saveResults(SavedFileType fileType = SavedFileType::Workbook);
    void printSheet();
    void copyPicture();
    void goBack();

    // The picture's context menu, in its order.
    QAction& printAction() const { return *printAction_; }
    QAction& savePdfAction() const { return *savePdfAction_; }
    QAction& copyPictureAction() const { return *copyPictureAction_; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void formLoad();
    void formActivate();
    void redrawImage();
    void setUpScrollBars();
    void stepZoom(bool zoomOut);
    void setZoom(float zoom);
    void pictureMouseDown(const QPointF& at);
    void pictureMouseMove(const QPointF& at);
    void pictureMouseUp();
    void setBarByPercent(QScrollBar& bar, int percent);
    void addPictureMenu();
    void writeSaved(const SaveTarget& target);
    static QString saveFilter();
    static QString refusedTargetText(const QString& chosen);
    QSize sizeOfOriginal() const;

    PreviewWindowWidgets widgets_;
    PictureCanvas* picture_ = nullptr;  // the picture as shown, zoomed
    QAction* printAction_ = nullptr;
    QAction* savePdfAction_ = nullptr;
    QAction* copyPictureAction_ = nullptr;
    std::shared_ptr<const HostPicture> original_;  // the picture as loaded
    WindowPointer pointer_;
    QWidget* mainWindow_ = nullptr;
    QString workbookPath_;

    double dragStartX_ = 0, dragStartY_ = 0;  // in pixels of the zoomed picture
    ScrollBarSetup horizontalScroll_{}, verticalScroll_{};
    int originalWidth_ = 0, originalHeight_ = 0;
    int zoomedWidth_ = 0, zoomedHeight_ = 0;
    float zoom_ = 1.0f;
    bool needsViewportSetUp_ = true;
};

}  // namespace jubilo
