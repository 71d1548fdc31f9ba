#pragma once
// Form3, the preview window: the picture of the plan sheet in a clipping
// viewport with scroll bars, drag-to-pan and zoom; saving a copy of the
// workbook, going back, or closing the program.
//
// Sizes and offsets are in pixels.

#include "ui/preview/image_box.h"

#include <QCursor>
#include <QString>
#include <QWidget>

class QScrollBar;

namespace jubilo {

class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget* parent = nullptr);

    // Path of the temporary workbook, which this window deletes on the way out.
    QString mExcelFile;

    // The window "< Back" returns to.
    void setMainWindow(QWidget* window) { mainWindow_ = window; }

    // A new picture; the viewport is set up afresh on the next activation.
    void loadPicture(const QImage& picture);

    // The viewport's members, in pixels.
    float DragStartX = 0, DragStartY = 0;
    int HScrollUnit = 0, VScrollUnit = 0;
    int OrigWidth = 0, OrigHeight = 0;
    int ImageWidth = 0, ImageHeight = 0;
    float ViewZoom = 1.0f;
    bool FirstActivation = true;

    ImageBox& picture1() const { return *picture1_; }
    QWidget& picture2() const { return *picture2_; }
    QScrollBar& hScroll1() const { return *hScroll1_; }
    QScrollBar& vScroll1() const { return *vScroll1_; }
    QCursor handPointer() const { return handPointer_; }

    void RedrawImage();
    void SetUpScrollBars();
    void StepZoom(bool zoomOut);
    void SetZoom(float zoom);

    void zoomIn();
    void zoomOut();
    void saveResults();
    void goBack();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void formLoad();
    void formActivate();
    void pictureMouseDown(const QPointF& at);
    void pictureMouseMove(const QPointF& at);
    void pictureMouseUp();
    void setBarByPercent(QScrollBar& bar, int percent);
    void updatePointer(QObject* over);

    ImageBox* picture1_ = nullptr;
    ImageBox* zoomOri_ = nullptr;
    QWidget* picture2_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QWidget* mainWindow_ = nullptr;
    QCursor handPointer_{Qt::ArrowCursor};
};

}  // namespace jubilo
