#include "tests/support/pointer_events.h"
#include "tests/support/scripted_system.h"
#include "tests/support/test_files.h"
#include "platform/bitmap_picture.h"
#include "ui/preview/preview_window.h"
#include "tests/support/full_disk.h"

#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>

#include <unistd.h>

namespace jubilo {
namespace {

using testing::BusyPointer;
using testing::enter;
using testing::moveOver;
using testing::readFile;
using testing::writeFile;

QImage pictureOf(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0xFF, 0xF2, 0xCC));
    return image;
}

class PreviewWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.setWorkbookPath(dir.filePath("vemqal12345678.xls"));
        writeFile(window.workbookPath(), "workbook bytes");
    }
    void showWith(const QImage& picture)
    {
        window.loadPicture(std::make_shared<BitmapPicture>(picture));
        window.show();
    }
    const PreviewWindowWidgets& widgets() const { return window.widgets(); }
    static void click(QPushButton* button)
    {
        if (!button)
            throw std::runtime_error("the window keeps no such button");
        QTest::mouseClick(button, Qt::LeftButton);
    }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    QTemporaryDir dir;
    PreviewWindow window;
};

TEST_F(PreviewWindowTest, LayoutAndFirstActivationSetUpTheViewport)
{
    EXPECT_EQ(window.size(), QSize(656, 626));
    EXPECT_EQ(window.windowTitle(), "Jubilo");
    EXPECT_EQ(window.viewport().geometry(), QRect(8, 8, 622, 495));
    showWith(pictureOf(1000, 400));
    EXPECT_FALSE(window.needsViewportSetUp());
    EXPECT_FLOAT_EQ(window.zoom(), 1.0f);
    EXPECT_EQ(window.originalSize().width(), 1000);
    EXPECT_EQ(window.zoomedSize().height(), 400);
    EXPECT_EQ(window.picture().boxSize(), QSize(1000, 400));
    EXPECT_TRUE(window.horizontalScrollBar().isEnabled());
    EXPECT_EQ(window.horizontalScrollUnit(), 10);
    EXPECT_EQ(window.horizontalScrollBar().maximum(), 38);
    EXPECT_FALSE(window.verticalScrollBar().isEnabled());
    EXPECT_EQ(window.verticalScrollUnit(), 0);

    window.horizontalScrollBar().setValue(7);
    EXPECT_EQ(window.picture().offset(), QPoint(-70, 0));
    // The picture widget covers what the viewport shows of the picture, no more.
    EXPECT_EQ(window.picture().geometry(), QRect(0, 0, 622, 400));
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(PreviewWindowTest, DraggingPansWithinTheEdgesAndReleaseSnapsTheBars)
{
    showWith(pictureOf(1000, 900));
    auto* picture = &window.picture();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(500, 500));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 520), QPointF(), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(picture, &move);
    EXPECT_EQ(picture->offset(), QPoint(-200, 0));  // dragging down stops at the top edge
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(300, 520));
    // 200 of 378 overflow pixels is 53 %, which snaps to position 20 of 38.
    EXPECT_EQ(window.horizontalScrollBar().value(), 20);
    EXPECT_EQ(picture->offset().x(), -200);

    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(500, 500));
    QMouseEvent far(QEvent::MouseMove, QPointF(-2000, -2000), QPointF(), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(picture, &far);
    const QSize inner = window.viewport().contentsRect().size();
    EXPECT_EQ(picture->offset(), QPoint(inner.width() - 1000, inner.height() - 900));
    EXPECT_TRUE(sys.messages.empty());
}

TEST_F(PreviewWindowTest, ZoomStepsByAQuarterAndStopsAtItsBounds)
{
    showWith(pictureOf(800, 600));
    click(widgets().zoomInButton);
    EXPECT_FLOAT_EQ(window.zoom(), 1.25f);
    EXPECT_EQ(window.picture().boxSize(), QSize(1000, 750));
    EXPECT_EQ(window.picture().picture().size(), QSize(1000, 750));
    EXPECT_EQ(window.horizontalScrollBar().maximum(), 38);  // ranges follow the zoom
    for (int i = 0; i < 20; ++i)
        click(widgets().zoomOutButton);
    EXPECT_FLOAT_EQ(window.zoom(), 0.25f);
    EXPECT_EQ(window.picture().boxSize(), QSize(200, 150));
    EXPECT_FALSE(window.horizontalScrollBar().isEnabled());
    // The picture in its corner of the viewport, the viewport's grey around it.
    const QImage shown = window.viewport().grab().toImage();
    EXPECT_EQ(shown.pixelColor(199, 149), QColor(0xFF, 0xF2, 0xCC));
    EXPECT_EQ(shown.pixelColor(200, 75), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(shown.pixelColor(100, 150), QColor(0x80, 0x80, 0x80));
}

TEST_F(PreviewWindowTest, AZoomPastTheSizeLimitReturnsToOneWithoutRepainting)
{
    showWith(pictureOf(3000, 200));
    click(widgets().zoomInButton);  // 3750 wide
    click(widgets().zoomInButton);  // 4500
    EXPECT_FLOAT_EQ(window.zoom(), 1.5f);
    for (int i = 0; i < 8; ++i)
        click(widgets().zoomInButton);  // 3.0 still fits (9000); 3.5 would be 10500
    EXPECT_FLOAT_EQ(window.zoom(), 1.0f);
    EXPECT_EQ(window.zoomedSize().width(), 3000);
    EXPECT_FLOAT_EQ(window.picture().picture().zoom(), 3.25f);  // still as last drawn
    EXPECT_EQ(window.picture().boxSize().width(), 9750);
}

TEST_F(PreviewWindowTest, ANewPictureGetsAFreshViewport)
{
    showWith(pictureOf(800, 600));
    click(widgets().zoomInButton);
    window.verticalScrollBar().setValue(10);
    ASSERT_EQ(window.picture().offset(), QPoint(0, -100));
    window.loadPicture(std::make_shared<BitmapPicture>(pictureOf(300, 1200)));
    EXPECT_FLOAT_EQ(window.zoom(), 1.0f);
    EXPECT_EQ(window.originalSize().width(), 300);
    EXPECT_EQ(window.picture().boxSize(), QSize(300, 1200));
    EXPECT_FLOAT_EQ(window.picture().picture().zoom(), 1.0f);
    EXPECT_EQ(window.picture().offset(), QPoint(0, 0));
    EXPECT_EQ(window.verticalScrollBar().value(), 0);
    EXPECT_EQ(window.verticalScrollBar().maximum(), 70);  // 70.5 goes to even
    EXPECT_FALSE(window.horizontalScrollBar().isEnabled());

    EXPECT_THROW(window.loadPicture(std::make_shared<BitmapPicture>(QImage())), std::runtime_error);
    EXPECT_THROW(window.loadPicture(nullptr), std::runtime_error);
}

TEST_F(PreviewWindowTest, SavingCopiesTheWorkbookWhereTheUserSays)
{
    const QString fresh = dir.filePath("party.xls");
    sys.savePaths = {fresh};
    click(widgets().saveResultsButton);
    EXPECT_EQ(readFile(fresh), "workbook bytes");
    ASSERT_EQ(sys.saveDialogs.size(), 1u);
    EXPECT_EQ(sys.saveDialogs[0],
              (QStringList{"Save File", "Excel Files (*.xls)|*.xls|PDF Files (*.pdf)|*.pdf|", "", "0"}));
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "Done.");
    EXPECT_TRUE(QFile::exists(window.workbookPath()));
}

TEST_F(PreviewWindowTest, OverwritingAsksFirst)
{
    const QString existing = dir.filePath("old.xls");
    writeFile(existing, "old bytes");
    sys.savePaths = {existing, existing};
    sys.answers = {msgbox::kAnswerNo, msgbox::kAnswerOk, msgbox::kAnswerYes, msgbox::kAnswerOk};
    click(widgets().saveResultsButton);
    EXPECT_EQ(readFile(existing), "old bytes");
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_EQ(sys.messages[0].text, "Are you sure you wish to overwrite " + existing + " ?");
    EXPECT_EQ(sys.messages[0].flags, 4);
    EXPECT_EQ(sys.messages[1].text, "Done.");

    click(widgets().saveResultsButton);
    EXPECT_EQ(readFile(existing), "workbook bytes");
    ASSERT_EQ(sys.messages.size(), 4u);
    EXPECT_EQ(sys.messages[3].text, "Done.");
}

TEST_F(PreviewWindowTest, CancelSaysDoneAFailedCopySaysOnlyWhatWentWrong)
{
    click(widgets().saveResultsButton);
    ASSERT_EQ(sys.messages.size(), 1u);
    EXPECT_EQ(sys.messages[0].text, "Done.");

    QDir(dir.path()).mkdir("plain");
    writeFile(dir.filePath("plain/file"), "not a folder");
    sys.savePaths = {dir.filePath("no/such/folder/party.xls"), dir.filePath("plain/file/party.xls")};
    click(widgets().saveResultsButton);
    click(widgets().saveResultsButton);
    ASSERT_EQ(sys.messages.size(), 3u);
    for (size_t i : {1u, 2u}) {
        EXPECT_EQ(sys.messages[i].caption, "Application Error");
        EXPECT_TRUE(sys.messages[i].text.contains("could not be saved to")) << sys.messages[i].text.toStdString();
        EXPECT_TRUE(sys.messages[i].text.contains("Form3.PushButton6_Click at line 130"));
    }
}

TEST_F(PreviewWindowTest, AWriteThatFailsHalfWayLeavesTheOldFileAsItWas)
{
    const QString existing = dir.filePath("old.xls");
    writeFile(existing, "old bytes");
    sys.savePaths = {existing};
    sys.answers = {msgbox::kAnswerYes};
    {
        const testing::FullDisk fullDisk(4);  // the workbook is 14 bytes
        click(widgets().saveResultsButton);
    }
    EXPECT_EQ(readFile(existing), "old bytes");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2u);  // no copy left behind
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_TRUE(sys.messages[1].text.contains("Form3.PushButton6_Click at line 130"));
}

TEST_F(PreviewWindowTest, TheWorkbookOnShowIsNeverATarget)
{
    QDir(dir.path()).mkdir("sub");
    const QString respelt = dir.filePath("sub/../vemqal12345678.xls");
    ASSERT_NE(respelt, window.workbookPath());
    const QString soft = dir.filePath("soft.xls"), hard = dir.filePath("hard.xls");
    ASSERT_TRUE(QFile::link(window.workbookPath(), soft));
    ASSERT_EQ(::link(QFile::encodeName(window.workbookPath()), QFile::encodeName(hard)), 0);
    sys.savePaths = {respelt, soft, hard};
    sys.answers = {msgbox::kAnswerYes, msgbox::kAnswerYes, msgbox::kAnswerYes};
    for (int i = 0; i < 3; ++i)
        click(widgets().saveResultsButton);
    EXPECT_EQ(readFile(window.workbookPath()), "workbook bytes");
    EXPECT_TRUE(QFileInfo(soft).isSymLink());
    ASSERT_EQ(sys.messages.size(), 3u);  // no overwrite question, no "Done."
    EXPECT_EQ(sys.messages[0].flags, msgbox::kOkOnly);
    const QString said = " is the workbook this preview shows";
    EXPECT_TRUE(sys.messages[0].text.startsWith(respelt + said));
    EXPECT_TRUE(sys.messages[1].text.startsWith(soft + said));
    EXPECT_TRUE(sys.messages[2].text.startsWith(hard + said));
}

TEST_F(PreviewWindowTest, BackDeletesTheTemporaryWorkbookAndShowsTheMainWindow)
{
    QWidget mainWindow;
    window.setMainWindow(&mainWindow);
    showWith(pictureOf(100, 100));
    click(widgets().backButton);
    EXPECT_FALSE(QFile::exists(window.workbookPath()));
    EXPECT_TRUE(mainWindow.isVisible());
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(sys.messages.empty());
}

class PreviewPointerTest : public ::testing::Test {
protected:
    const PreviewWindowWidgets& widgets() const { return window.widgets(); }
    Qt::CursorShape shape() const { return window.cursor().shape(); }

    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    std::optional<PreviewWindow> made;
    PreviewWindow& window = makeWindow();

private:
    PreviewWindow& makeWindow()
    {
        sys.folder = QStringLiteral(JUBILO_RESOURCES_DIR);  // holds HAND-M.CUR
        return made.emplace();
    }
};

TEST_F(PreviewPointerTest, EveryMoveFollowsTheRules)
{
    enter(*widgets().saveResultsButton);
    EXPECT_EQ(shape(), Qt::BitmapCursor);
    moveOver(window, {2, 2});  // off the button onto the window
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    moveOver(*widgets().backButton);
    EXPECT_EQ(shape(), Qt::BitmapCursor);
    moveOver(*widgets().zoomFrame, {4, 40});  // off its zoom buttons onto the frame
    EXPECT_EQ(shape(), Qt::ArrowCursor);
    // A move the window receives counts for the element under the pointer.
    moveOver(window, widgets().zoomInButton->mapTo(&window, QPoint(3, 3)));
    EXPECT_EQ(shape(), Qt::BitmapCursor);
}

TEST_F(PreviewPointerTest, ThePictureAndItsBarsLeaveThePointerAlone)
{
    moveOver(*widgets().zoomOutButton);
    for (QWidget* other : {&window.viewport(), static_cast<QWidget*>(&window.picture()),
                           static_cast<QWidget*>(&window.verticalScrollBar())}) {
        moveOver(*other);
        EXPECT_EQ(shape(), Qt::BitmapCursor) << other->objectName().toStdString();
    }
}

TEST_F(PreviewPointerTest, TheBusyPointerOutlastsMoves)
{
    moveOver(*widgets().saveResultsButton);
    {
        const BusyPointer busy;
        moveOver(window, {2, 2});
        EXPECT_EQ(shape(), Qt::BitmapCursor);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    moveOver(window, {2, 2});
    EXPECT_EQ(shape(), Qt::ArrowCursor);
}

TEST_F(PreviewWindowTest, ClosingDeletesTheTemporaryWorkbook)
{
    showWith(pictureOf(100, 100));
    window.close();
    EXPECT_FALSE(QFile::exists(window.workbookPath()));
}

}  // namespace
}  // namespace jubilo
