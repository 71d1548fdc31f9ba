#include "ui/preview/preview_window.h"

#include "platform/system.h"
#include "ui/common/save_name.h"
#include "ui/common/skin.h"
#include "messages/app_title.h"
#include "errors/error_trap.h"
#include "files/file_procedures.h"
#include "messages/message.h"
#include "ui/preview/viewport_math.h"
#include "ui/preview/workbook_copy.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>

#include <cmath>
#include <stdexcept>

namespace jubilo {

PreviewWindow::PreviewWindow(QWidget* parent)
    : QWidget(parent, kFormWindowFlags)
    , pointer_(*this, [](const QWidget& widget) { return qobject_cast<const QGroupBox*>(&widget); })
{
    setObjectName(QStringLiteral("Form3"));
    setFixedSize(twipsToPixels(kPreviewWindowWidth), twipsToPixels(kPreviewWindowHeight));
    setFont(QFont(QStringLiteral("Arial")));
    widgets_ = buildPreviewWindow(*this);

    QWidget* viewport = widgets_.viewport;
    viewport->setAutoFillBackground(true);
    QPalette grey = viewport->palette();
    grey.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    viewport->setPalette(grey);

    picture_ = new PictureCanvas(viewport);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->installEventFilter(this);

    connect(widgets_.horizontalScrollBar, &QScrollBar::valueChanged, this, [this](int position) {
        picture_->moveBox({offsetForPosition(horizontalScroll_, position), picture_->offset().y()});
    });
    connect(widgets_.verticalScrollBar, &QScrollBar::valueChanged, this, [this](int position) {
        picture_->moveBox({picture_->offset().x(), offsetForPosition(verticalScroll_, position)});
    });
    connect(widgets_.zoomInButton, &QPushButton::clicked, this, &PreviewWindow::zoomIn);
    connect(widgets_.zoomOutButton, &QPushButton::clicked, this, &PreviewWindow::zoomOut);
    connect(widgets_.saveResultsButton, &QPushButton::clicked, this, [this] { saveResults(); });
    connect(widgets_.backButton, &QPushButton::clicked, this, &PreviewWindow::goBack);

    addPictureMenu();
    formLoad();
}

// Ctrl+P works anywhere in the window; the menu opens on the picture.
void PreviewWindow::addPictureMenu()
{
    printAction_ = new QAction(tr("Print…"), this);
    printAction_->setShortcut(QKeySequence::Print);
    connect(printAction_, &QAction::triggered, this, &PreviewWindow::printSheet);
    savePdfAction_ = new QAction(tr("Save as PDF…"), this);
    connect(savePdfAction_, &QAction::triggered, this, [this] { saveResults(SavedFileType::Pdf); });
    copyPictureAction_ = new QAction(tr("Copy picture"), this);
    connect(copyPictureAction_, &QAction::triggered, this, &PreviewWindow::copyPicture);
    addAction(printAction_);
    picture_->addActions({printAction_, savePdfAction_, copyPictureAction_});
    picture_->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// Steps are numbered as the error box reports them.
void PreviewWindow::formLoad()
{
    ErrorTrap trap(locations::kPreviewLoad);
    trap.step(100, [&] { needsViewportSetUp_ = true; });
    trap.step(102, [&] { useButtonFaceColours(*this); });
    trap.step(104, [&] {
        setWindowTitle(QString::fromUtf8(kProductName));
        setWindowIcon(QApplication::windowIcon());
    });
    pointer_.loadHand(trap);
}

void PreviewWindow::loadPicture(std::shared_ptr<const HostPicture> picture)
{
    if (!picture || picture->size().isEmpty())
        throw std::runtime_error(tr("The picture is empty").toStdString());
    picture_->setAutoSize(true);
    picture_->setPicture(ScaledPicture(std::move(picture), 1.0f));
    // Every new picture gets a fresh viewport, never the last one's zoom.
    needsViewportSetUp_ = true;
    if (isVisible())
        formActivate();
}

void PreviewWindow::formActivate()
{
    if (!needsViewportSetUp_)
        return;
    ErrorTrap trap(locations::kPreviewActivate);
    trap.step(102, [&] { picture_->setAutoSize(true); });
    // Zooms draw from the picture as loaded, never from a zoomed one.
    trap.step(112, [&] { original_ = picture_->picture().source(); });
    trap.step(124, [&] { zoom_ = 1.0f; });
    trap.step(126, [&] { originalWidth_ = sizeOfOriginal().width(); });
    trap.step(128, [&] { originalHeight_ = sizeOfOriginal().height(); });
    trap.step(130, [&] { zoomedWidth_ = zoomedExtent(originalWidth_, 1.0f); });
    trap.step(132, [&] { zoomedHeight_ = zoomedExtent(originalHeight_, 1.0f); });
    trap.step(134, [&] { redrawImage(); });
    trap.step(136, [&] { setUpScrollBars(); });
    trap.step(138, [&] { needsViewportSetUp_ = false; });
}

void PreviewWindow::redrawImage()
{
    ErrorTrap trap(locations::kRedrawPicture);
    trap.step(100, [&] { zoomedWidth_ = zoomedExtent(originalWidth_, zoom_); });
    trap.step(102, [&] { zoomedHeight_ = zoomedExtent(originalHeight_, zoom_); });
    if (trap.condition(104, [&] { return fitsZoomBound(zoomedWidth_, zoomedHeight_); })) {
        trap.step(106, [&] { picture_->clearPicture(); });
        trap.step(108, [&] { picture_->resizeBox({zoomedWidth_, picture_->boxSize().height()}); });
        trap.step(110, [&] { picture_->resizeBox({picture_->boxSize().width(), zoomedHeight_}); });
        trap.step(112, [&] {
            picture_->setAutoSize(false);
            picture_->setPicture(ScaledPicture(original_, zoom_));
        });
        trap.step(114, [&] { unsetCursor(); });
        trap.step(116, [&] { widgets_.horizontalScrollBar->setValue(0); });
        trap.step(118, [&] { widgets_.verticalScrollBar->setValue(0); });
        trap.step(120, [&] { widgets_.horizontalScrollBar->setEnabled(widgets_.viewport->width() < zoomedWidth_); });
        trap.step(122, [&] { widgets_.verticalScrollBar->setEnabled(widgets_.viewport->height() < zoomedHeight_); });
        return;
    }
    trap.step(124, [&] { zoom_ = 1.0f; });
    trap.step(126, [&] { originalWidth_ = sizeOfOriginal().width(); });
    trap.step(128, [&] { originalHeight_ = sizeOfOriginal().height(); });
    trap.step(130, [&] { zoomedWidth_ = originalWidth_; });
    trap.step(132, [&] { zoomedHeight_ = originalHeight_; });
}

QSize PreviewWindow::sizeOfOriginal() const { return original_ ? original_->size() : QSize(0, 0); }

void PreviewWindow::setUpScrollBars()
{
    picture_->moveBox({0, 0});
    const ScrollBarSetup h = scrollBarSetup(picture_->boxSize().width(), widgets_.viewport->width());
    const ScrollBarSetup v = scrollBarSetup(picture_->boxSize().height(), widgets_.viewport->height());
    horizontalScroll_ = h;
    verticalScroll_ = v;
    for (auto [bar, setup] : {std::pair{widgets_.horizontalScrollBar, h}, std::pair{widgets_.verticalScrollBar, v}}) {
        bar->setEnabled(setup.enabled);
        if (setup.enabled) {
            bar->setRange(0, setup.maximum);
            bar->setValue(0);
        }
    }
}

void PreviewWindow::stepZoom(bool zoomOut) { setZoom(steppedZoom(zoom_, zoomOut)); }

void PreviewWindow::setZoom(float zoom)
{
    if (!isZoomAllowed(zoom))
        return;
    zoom_ = zoom;
    redrawImage();
    // The scroll ranges follow the zoomed size, so every part stays reachable.
    setUpScrollBars();
}

void PreviewWindow::zoomIn()
{
    ErrorTrap trap(locations::kZoomInClick);
    trap.step(100, [&] { stepZoom(false); });
}

void PreviewWindow::zoomOut()
{
    ErrorTrap trap(locations::kZoomOutClick);
    trap.step(100, [&] { stepZoom(true); });
}

void PreviewWindow::pictureMouseDown(const QPointF& at)
{
    ErrorTrap trap(locations::kPictureMouseDown);
    trap.step(100, [&] { dragStartX_ = at.x(); });
    trap.step(102, [&] { dragStartY_ = at.y(); });
}

void PreviewWindow::pictureMouseMove(const QPointF& at)
{
    ErrorTrap trap(locations::kPictureMouseMove);
    int newLeft = 0, newTop = 0;
    const QSize inner = widgets_.viewport->contentsRect().size();
    const QPoint offset = picture_->offset();
    const QSize box = picture_->boxSize();
    trap.step(104, [&] { newLeft = static_cast<int>(std::lround(offset.x() - dragStartX_ + at.x())); });
    trap.step(106, [&] { newLeft = clampDragOffset(newLeft, inner.width(), box.width()); });
    trap.step(114, [&] { newTop = static_cast<int>(std::lround(offset.y() - dragStartY_ + at.y())); });
    trap.step(116, [&] { newTop = clampDragOffset(newTop, inner.height(), box.height()); });
    trap.step(124, [&] { picture_->moveBox({newLeft, newTop}); });
}

void PreviewWindow::pictureMouseUp()
{
    ErrorTrap trap(locations::kPictureMouseUp);
    int h = 0, v = 0;
    const QPoint offset = picture_->offset();
    const QSize box = picture_->boxSize();
    trap.step(102, [&] { h = offsetPercent(offset.x(), box.width(), widgets_.viewport->width()); });
    trap.step(106, [&] { v = offsetPercent(offset.y(), box.height(), widgets_.viewport->height()); });
    trap.step(108, [&] { setBarByPercent(*widgets_.horizontalScrollBar, roundToInt16(h)); });
    trap.step(110, [&] { setBarByPercent(*widgets_.verticalScrollBar, roundToInt16(v)); });
}

void PreviewWindow::setBarByPercent(QScrollBar& bar, int percent)
{
    if (const auto position = positionForPercent(percent, bar.maximum()))
        bar.setValue(*position);
}

namespace {

// A planted link or a name that is no file: said, and nothing is written.
bool refuseUnsafeName(const SaveName& name)
{
    if (name.refusal.isEmpty())
        return false;
    msgBox(name.refusal);
    return true;
}

}  // namespace

// A failed step ends the save without "Done.", and the old file stays as
// it was: the copy replaces it only once complete.
// A name ending in ".pdf" writes the sheet's pages as a PDF instead of
// copying the workbook.
void PreviewWindow::saveResults(SavedFileType fileType)
{
    ErrorTrap trap(locations::kSaveResultsClick);
    SaveTarget target{QString(), fileType};
    int answer = 0;
    bool refused = true;
    trap.step(112, [&] {
        const SaveFileChoice choice
            = system().saveFileName(tr("Save File"), saveFilter(), QString(), static_cast<int>(fileType));
        if (!choice.path.isEmpty())
            target = saveTarget(choice.path, static_cast<SavedFileType>(choice.fileType));
    });
    const QString& chosen = target.path;
    SaveName name{chosen, false, {}};
    trap.step(114, [&] {
        refused = isSameFile(chosen, workbookPath_);
        if (refused)
            msgBox(refusedTargetText(chosen));
        else if (!chosen.isEmpty())
            refused = refuseUnsafeName(name = checkSaveName(chosen));
    });
    if (refused)
        return;
    if (!trap.condition(116, [&] { return chosen.isEmpty(); })) {
        // A link the user made is followed: the question names its file.
        if (trap.condition(118, [&] { return name.exists; })) {
            trap.step(120, [&] {
                //: %1 is the file's name.
                answer = msgBox(tr("Are you sure you wish to overwrite %1 ?").arg(name.file), msgbox::kYesNo);
            });
        } else {
            trap.step(126, [&] { answer = msgbox::kAnswerYes; });
        }
        if (trap.condition(128, [&] { return answer == msgbox::kAnswerYes; }))
            trap.step(130, [&] { writeSaved(target); });
    }
    if (trap.failureCount() == 0)
        trap.step(132, [] { msgBox(tr("Done.")); });
}

// The types in SavedFileType's order; the patterns stay as they are in
// every language.
QString PreviewWindow::saveFilter()
{
    return tr("Excel Files") + QStringLiteral(" (*.xls)|*.xls|") + tr("PDF Files") + QStringLiteral(" (*.pdf)|*.pdf|");
}

// The workbook on show is this window's own, deleted on the way out: never
// a place to keep a copy.
QString PreviewWindow::refusedTargetText(const QString& chosen)
{
    //: %1 is the name of the file the user chose.
    return tr("%1 is the workbook this preview shows, which is deleted when the preview closes. "
              "Please save the copy under another name.")
        .arg(chosen);
}

void PreviewWindow::writeSaved(const SaveTarget& target)
{
    if (target.type == SavedFileType::Pdf)
        saveSheetPdf(workbookPath_, target.path);
    else
        saveCopy(workbookPath_, target.path);
}

// Printing ends quietly when the user closes the print dialog; printing
// says nothing when it succeeds, as printing does elsewhere.
void PreviewWindow::printSheet()
{
    ErrorTrap trap(locations::kPrintClick);
    PrintResult result = PrintResult::Cancelled;
    trap.step(100, [&] { result = jubilo::printSheet(workbookPath_); });
    if (result == PrintResult::NoPrinter)
        trap.step(102, [] {
            msgBox(tr("No printer is set up on this computer, so the sheet cannot be printed from here. "
                      "Use \"Save as PDF…\" to keep it as a PDF file, which any computer with a printer can print."));
        });
}

// The picture as loaded, at 100%: other programs get a bitmap when they paste.
void PreviewWindow::copyPicture()
{
    ErrorTrap trap(locations::kCopyPictureClick);
    trap.step(100, [&] {
        const auto picture = original_ ? original_ : picture_->picture().source();
        if (!picture)
            throw std::runtime_error(tr("There is no picture to copy").toStdString());
        system().setClipboardPicture(picture);
    });
}

void PreviewWindow::goBack()
{
    ErrorTrap trap(locations::kBackClick);
    trap.step(102, [&] { deleteFileQuietly(workbookPath_); });
    trap.step(104, [&] {
        if (!mainWindow_)
            throw std::runtime_error(tr("There is no main window to go back to.").toStdString());
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
    ErrorTrap trap(locations::kPreviewClose);
    trap.step(100, [&] { deleteFileQuietly(workbookPath_); });
    trap.step(102, [] { QCoreApplication::processEvents(); });
    trap.step(104, [] { QCoreApplication::processEvents(); });
    event->accept();
    // Closing the preview ends the program; the main window's close-time
    // work does not run on this path.
    QApplication::exit(0);
}

bool PreviewWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == picture_) {
        // The handlers take points of the whole picture, wherever it has scrolled.
        auto* mouse = static_cast<QMouseEvent*>(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            pictureMouseDown(picture_->toBox(mouse->position()));
            break;
        case QEvent::MouseMove:
            if (mouse->buttons() != Qt::NoButton)
                pictureMouseMove(picture_->toBox(mouse->position()));
            break;
        case QEvent::MouseButtonRelease:
            pictureMouseUp();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace jubilo
