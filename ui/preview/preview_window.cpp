#include "ui/preview/preview_window.h"

#include "platform/system.h"
#include "trap/app_title.h"
#include "shell/cursor_file.h"
#include "trap/error_trap.h"
#include "trap/file_procedures.h"
#include "trap/message.h"
#include "shell/skin.h"
#include "ui/preview/form3_layout.h"
#include "ui/preview/viewport_math.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>
#include <stdexcept>

namespace jubilo {

namespace {

inline constexpr char kHandPointerFile[] = "HAND-M.CUR";
inline constexpr char kSaveTitle[] = "Save File";
inline constexpr char kSaveFilter[] = "Excel Files (*.xls)|*.xls|";

void copyReplacing(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to) && !QFile::remove(to))
        throw std::runtime_error("The file " + to.toStdString() + " could not be replaced.");
    QFile source(from);
    if (!source.copy(to))
        throw std::runtime_error("The workbook could not be copied to " + to.toStdString() + ": "
                                 + source.errorString().toStdString());
}

}  // namespace

PreviewWindow::PreviewWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                          | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form3"));
    setFixedSize(twipsToPixels(kForm3Width), twipsToPixels(kForm3Height));
    setFont(QFont(QStringLiteral("Arial")));
    buildForm(*this, form3Elements());

    picture2_ = findChild<QWidget*>(QStringLiteral("Picture2"));
    hScroll1_ = findChild<QScrollBar*>(QStringLiteral("HScroll1"));
    vScroll1_ = findChild<QScrollBar*>(QStringLiteral("VScroll1"));
    picture2_->setAutoFillBackground(true);
    QPalette viewport = picture2_->palette();
    viewport.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    picture2_->setPalette(viewport);

    picture1_ = new ImageBox(picture2_);
    picture1_->setObjectName(QStringLiteral("Picture1"));
    picture1_->installEventFilter(this);
    zoomOri_ = new ImageBox(this);
    zoomOri_->setObjectName(QStringLiteral("Zoom_Ori"));
    zoomOri_->hide();

    connect(hScroll1_, &QScrollBar::valueChanged, this, [this](int position) {
        picture1_->move(offsetForPosition(HScrollUnit, position), picture1_->y());
    });
    connect(vScroll1_, &QScrollBar::valueChanged, this, [this](int position) {
        picture1_->move(picture1_->x(), offsetForPosition(VScrollUnit, position));
    });
    auto button = [this](const char* name) {
        auto* b = findChild<QPushButton*>(QString::fromUtf8(name));
        b->installEventFilter(this);
        return b;
    };
    connect(button("PushButton1"), &QPushButton::clicked, this, &PreviewWindow::zoomIn);
    connect(button("PushButton2"), &QPushButton::clicked, this, &PreviewWindow::zoomOut);
    connect(button("PushButton6"), &QPushButton::clicked, this, &PreviewWindow::saveResults);
    connect(button("PushButton8"), &QPushButton::clicked, this, &PreviewWindow::goBack);
    findChild<QGroupBox*>(QStringLiteral("Frame1"))->installEventFilter(this);
    setMouseTracking(true);

    formLoad();
}

// Steps are numbered as the error box reports them.
void PreviewWindow::formLoad()
{
    ErrorTrap trap(locations::Form3_Form_Load);
    trap.step(100, [&] { FirstActivation = true; });
    trap.step(102, [&] { useButtonFaceColours(*this); });
    trap.step(104, [&] {
        setWindowTitle(QString::fromUtf8(kProductName));
        setWindowIcon(QApplication::windowIcon());
    });
    const QString handFile = QDir(system().programFolder()).filePath(kHandPointerFile);
    if (trap.condition(108, [&] { return fileExists(handFile); }))
        trap.step(110, [&] { handPointer_ = loadCursorFile(handFile); });
}

void PreviewWindow::loadPicture(const QImage& picture)
{
    picture1_->setAutoSize(true);
    picture1_->setPicture(picture);
    // Every new picture gets a fresh viewport, never the last one's zoom.
    FirstActivation = true;
    if (isVisible())
        formActivate();
}

void PreviewWindow::formActivate()
{
    if (!FirstActivation)
        return;
    ErrorTrap trap(locations::Form3_Form_Activate);
    trap.step(102, [&] { picture1_->setAutoSize(true); });
    trap.step(112, [&] {
        zoomOri_->resize(picture1_->size());
        zoomOri_->setPicture(picture1_->picture());
    });
    trap.step(124, [&] { ViewZoom = 1.0f; });
    trap.step(126, [&] { OrigWidth = zoomOri_->picture().width(); });
    trap.step(128, [&] { OrigHeight = zoomOri_->picture().height(); });
    trap.step(130, [&] { ImageWidth = zoomedExtent(OrigWidth, 1.0f); });
    trap.step(132, [&] { ImageHeight = zoomedExtent(OrigHeight, 1.0f); });
    trap.step(134, [&] { RedrawImage(); });
    trap.step(136, [&] { SetUpScrollBars(); });
    trap.step(138, [&] { FirstActivation = false; });
}

void PreviewWindow::RedrawImage()
{
    ErrorTrap trap(locations::Form3_RedrawImage);
    trap.step(100, [&] { ImageWidth = zoomedExtent(OrigWidth, ViewZoom); });
    trap.step(102, [&] { ImageHeight = zoomedExtent(OrigHeight, ViewZoom); });
    if (trap.condition(104, [&] { return fitsZoomBound(ImageWidth, ImageHeight); })) {
        trap.step(106, [&] { picture1_->clearPicture(); });
        trap.step(108, [&] { picture1_->resize(ImageWidth, picture1_->height()); });
        trap.step(110, [&] { picture1_->resize(picture1_->width(), ImageHeight); });
        trap.step(112, [&] {
            const QImage& original = zoomOri_->picture();
            QImage zoomed(ImageWidth, ImageHeight, QImage::Format_RGB32);
            zoomed.fill(Qt::white);
            QPainter painter(&zoomed);
            painter.drawImage(QRect(0, 0, ImageWidth, ImageHeight), original,
                              QRect(0, 0, OrigWidth, OrigHeight));
            painter.end();
            picture1_->setAutoSize(false);
            picture1_->setPicture(zoomed);
        });
        trap.step(114, [&] { unsetCursor(); });
        trap.step(116, [&] { hScroll1_->setValue(0); });
        trap.step(118, [&] { vScroll1_->setValue(0); });
        trap.step(120, [&] { hScroll1_->setEnabled(picture2_->width() < ImageWidth); });
        trap.step(122, [&] { vScroll1_->setEnabled(picture2_->height() < ImageHeight); });
        return;
    }
    trap.step(124, [&] { ViewZoom = 1.0f; });
    trap.step(126, [&] { OrigWidth = zoomOri_->picture().width(); });
    trap.step(128, [&] { OrigHeight = zoomOri_->picture().height(); });
    trap.step(130, [&] { ImageWidth = OrigWidth; });
    trap.step(132, [&] { ImageHeight = OrigHeight; });
}

void PreviewWindow::SetUpScrollBars()
{
    picture1_->move(0, 0);
    const ScrollBarSetup h = scrollBarSetup(picture1_->width(), picture2_->width());
    const ScrollBarSetup v = scrollBarSetup(picture1_->height(), picture2_->height());
    HScrollUnit = h.unit;
    VScrollUnit = v.unit;
    for (auto [bar, setup] : {std::pair{hScroll1_, h}, std::pair{vScroll1_, v}}) {
        bar->setEnabled(setup.enabled);
        if (setup.enabled) {
            bar->setRange(0, setup.maximum);
            bar->setValue(0);
        }
    }
}

void PreviewWindow::StepZoom(bool zoomOut)
{
    SetZoom(steppedZoom(ViewZoom, zoomOut));
}

void PreviewWindow::SetZoom(float zoom)
{
    if (!isZoomAllowed(zoom))
        return;
    ViewZoom = zoom;
    RedrawImage();
    // The scroll ranges follow the zoomed size, so every part stays reachable.
    SetUpScrollBars();
}

void PreviewWindow::zoomIn()
{
    ErrorTrap trap(locations::Form3_PushButton1_Click);
    trap.step(100, [&] { StepZoom(false); });
}

void PreviewWindow::zoomOut()
{
    ErrorTrap trap(locations::Form3_PushButton2_Click);
    trap.step(100, [&] { StepZoom(true); });
}

void PreviewWindow::pictureMouseDown(const QPointF& at)
{
    ErrorTrap trap(locations::Form3_picture1_MouseDown);
    trap.step(100, [&] { DragStartX = static_cast<float>(at.x()); });
    trap.step(102, [&] { DragStartY = static_cast<float>(at.y()); });
}

void PreviewWindow::pictureMouseMove(const QPointF& at)
{
    ErrorTrap trap(locations::Form3_picture1_MouseMove);
    int newLeft = 0, newTop = 0;
    const QSize inner = picture2_->contentsRect().size();
    trap.step(104, [&] {
        newLeft = static_cast<int>(std::lround(picture1_->x() - DragStartX + at.x()));
    });
    trap.step(106, [&] { newLeft = clampDragOffset(newLeft, inner.width(), picture1_->width()); });
    trap.step(114, [&] {
        newTop = static_cast<int>(std::lround(picture1_->y() - DragStartY + at.y()));
    });
    trap.step(116, [&] { newTop = clampDragOffset(newTop, inner.height(), picture1_->height()); });
    trap.step(124, [&] { picture1_->move(newLeft, newTop); });
}

void PreviewWindow::pictureMouseUp()
{
    ErrorTrap trap(locations::Form3_Picture1_MouseUp);
    int h = 0, v = 0;
    trap.step(102, [&] {
        h = offsetPercent(picture1_->x(), picture1_->width(), picture2_->width());
    });
    trap.step(106, [&] {
        v = offsetPercent(picture1_->y(), picture1_->height(), picture2_->height());
    });
    trap.step(108, [&] { setBarByPercent(*hScroll1_, roundToInt16(h)); });
    trap.step(110, [&] { setBarByPercent(*vScroll1_, roundToInt16(v)); });
}

void PreviewWindow::setBarByPercent(QScrollBar& bar, int percent)
{
    if (const auto position = positionForPercent(percent, bar.maximum()))
        bar.setValue(*position);
}

void PreviewWindow::saveResults()
{
    ErrorTrap trap(locations::Form3_PushButton6_Click);
    QString chosen;
    int answer = 0;
    trap.step(112, [&] {
        chosen = system().saveFileName(QString::fromUtf8(kSaveTitle), QString::fromUtf8(kSaveFilter),
                                       QString());
    });
    if (!trap.condition(116, [&] { return chosen.isEmpty(); })) {
        if (trap.condition(118, [&] { return fileExists(chosen); })) {
            trap.step(120, [&] {
                answer = msgBox(QStringLiteral("Are you sure you wish to overwrite ") + chosen
                                    + QStringLiteral(" ?"),
                                msgbox::kYesNo);
            });
            if (trap.condition(122, [&] { return answer == msgbox::kAnswerYes; }))
                trap.step(124, [&] { deleteFileQuietly(chosen); });
        } else {
            trap.step(126, [&] { answer = msgbox::kAnswerYes; });
        }
        if (trap.condition(128, [&] { return answer == msgbox::kAnswerYes; }))
            trap.step(130, [&] { copyReplacing(mExcelFile, chosen); });
    }
    trap.step(132, [] { msgBox(QStringLiteral("Done.")); });
}

void PreviewWindow::goBack()
{
    ErrorTrap trap(locations::Form3_PushButton8_Click);
    trap.step(102, [&] { deleteFileQuietly(mExcelFile); });
    trap.step(104, [&] {
        if (!mainWindow_)
            throw std::runtime_error("There is no main window to go back to.");
        mainWindow_->show();
    });
    trap.step(106, [&] { hide(); });
}

bool PreviewWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        formActivate();
    return QWidget::event(event);
}

void PreviewWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    formActivate();
}

void PreviewWindow::closeEvent(QCloseEvent* event)
{
    ErrorTrap trap(locations::Form3_Form_QueryUnload);
    trap.step(100, [&] { deleteFileQuietly(mExcelFile); });
    trap.step(102, [] { QCoreApplication::processEvents(); });
    trap.step(104, [] { QCoreApplication::processEvents(); });
    event->accept();
    // Closing the preview ends the program; the main window's close-time
    // work does not run on this path.
    QApplication::exit(0);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picture1_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress: pictureMouseDown(mouse->position()); break;
        case QEvent::MouseMove:
            if (mouse->buttons() != Qt::NoButton)
                pictureMouseMove(mouse->position());
            break;
        case QEvent::MouseButtonRelease: pictureMouseUp(); break;
        default: break;
        }
    } else if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        updatePointer(watched);
    }
    return QWidget::eventFilter(watched, event);
}

void PreviewWindow::updatePointer(QObject* over)
{
    if (QApplication::overrideCursor())
        return;
    if (qobject_cast<QPushButton*>(over))
        setCursor(handPointer_);
    else if (over == this || qobject_cast<QGroupBox*>(over))
        setCursor(Qt::ArrowCursor);
}

}  // namespace jubilo
