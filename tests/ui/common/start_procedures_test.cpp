#include "ui/common/home_page.h"
#include "ui/common/skin.h"
#include "tests/support/scripted_system.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(HomePageTest, OpensOnlyWhenTheDrawIsSeven)
{
    EXPECT_EQ(homePageDraw(0.0), 1);
    EXPECT_EQ(homePageDraw(0.999999), 100);
    for (double r : {0.0, 0.05999, 0.07, 0.5, 0.99}) {
        testing::ScriptedSystem sys;
        ScopedSystem installed(sys);
        sys.randoms = {r};
        maybeShowHomePage();
        EXPECT_TRUE(sys.openedUrls.isEmpty()) << r;
    }
    testing::ScriptedSystem sys;
    ScopedSystem installed(sys);
    sys.clock = QDateTime(QDate(2021, 8, 31), QTime(21, 0, 5, 700));
    sys.randoms = {0.06, 0.06};
    maybeShowHomePage();
    EXPECT_EQ(sys.openedUrls, QStringList{"https://www.jubilo.example/"});
    EXPECT_EQ(sys.seeds, std::vector<quint32>{75605});  // seconds since midnight
    EXPECT_EQ(sys.randoms.size(), 1u) << "one draw per start";

    sys.failOpenUrl = true;
    sys.randoms = {0.065};
    EXPECT_THROW(maybeShowHomePage(), std::runtime_error);
}

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sys.folder = programFolder.path();
        window.resize(300, 200);
        label = new QLabel("Name:", &window);
        frame = new QGroupBox("Date", &window);
        edit = new QLineEdit(&window);
        page = new QWidget(&window);
        page->setProperty(kPictureBoxProperty, true);
        editColour = edit->palette().color(QPalette::Base);
    }

    void writeSkin(const QByteArray& bytes)
    {
        ASSERT_TRUE(QDir(programFolder.path()).mkpath("x"));
        QFile file(skinPath(programFolder.path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    bool hasButtonFace(QWidget* w) const
    {
        return w->autoFillBackground() && w->palette().color(QPalette::Window) == buttonFaceColour();
    }

    QTemporaryDir programFolder;
    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    QWidget window;
    QLabel* label;
    QGroupBox* frame;
    QLineEdit* edit;
    QWidget* page;
    QColor editColour;
    SkinFramework skin;
};

TEST_F(SkinTest, WithoutTheSkinFileNothingChanges)
{
    applySkin(window, skin);
    EXPECT_FALSE(skin.isLoaded());
    EXPECT_FALSE(hasButtonFace(&window));
    EXPECT_FALSE(hasButtonFace(label));
    EXPECT_TRUE(window.styleSheet().isEmpty());
}

TEST_F(SkinTest, TheSkinColoursFramesLabelsAndPagesThenAppliesTheStyleSheet)
{
    writeSkin("QPushButton { font-weight: bold; }");
    applySkin(window, skin);
    EXPECT_TRUE(hasButtonFace(&window));
    EXPECT_TRUE(hasButtonFace(label));
    EXPECT_TRUE(hasButtonFace(frame));
    EXPECT_TRUE(hasButtonFace(page));
    EXPECT_FALSE(hasButtonFace(edit));
    EXPECT_EQ(window.styleSheet(), "QPushButton { font-weight: bold; }");
    EXPECT_TRUE(skin.applyOptions() & SkinFramework::kApplyMetrics);
    EXPECT_EQ(window.size(), QSize(300, 200));
}

TEST_F(SkinTest, AnUnreadableSkinFailsAfterTheColoursChanged)
{
    writeSkin("\xff\xfe\xfa not text");
    EXPECT_THROW(applySkin(window, skin), std::runtime_error);
    EXPECT_TRUE(hasButtonFace(label));
    EXPECT_TRUE(window.styleSheet().isEmpty());
}

TEST_F(SkinTest, ButtonFaceColoursLeavePictureBoxesAlone)
{
    useButtonFaceColours(window);
    EXPECT_TRUE(hasButtonFace(&window));
    EXPECT_TRUE(hasButtonFace(label));
    EXPECT_TRUE(hasButtonFace(frame));
    EXPECT_FALSE(hasButtonFace(page));
    EXPECT_FALSE(hasButtonFace(edit));
}

}  // namespace
}  // namespace jubilo
