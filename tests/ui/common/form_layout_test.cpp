#include "ui/common/form_layout.h"
#include "ui/common/skin.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

struct TestWidgets {
    QPushButton* okButton = nullptr;
    QTabWidget* tabs = nullptr;
    QWidget* firstPage = nullptr;
    QComboBox* choice = nullptr;
    QTreeView* list = nullptr;
};

using K = ElementKind;
using W = TestWidgets;

constexpr FormElement<W> kElements[] = {
    {"PushButton1", K::Button, nullptr, "OK", 120, 150, 1500, 405, &W::okButton},
    {"Frame1", K::Frame, nullptr, "Date", 120, 600, 3000, 900},
    {"lblName", K::Label, "Frame1", "Name:", 30, 45, 600, 225},
    {"SSTab1", K::TabStrip, nullptr, nullptr, 3300, 0, 6000, 4500, &W::tabs},
    {"pageOne", K::TabPage, "SSTab1", "One", 0, 0, 0, 0, &W::firstPage},
    {"pageTwo", K::TabPage, "SSTab1", "Two && Three", 0, 0, 0, 0},
    {"cboChoice", K::DropDown, "pageOne", nullptr, 150, 150, 1500, 345, &W::choice},
    {"lvwRows", K::List, "pageTwo", nullptr, 0, 0, 3000, 1500, &W::list},
};

TEST(FormLayoutTest, ElementsAreBuiltNamedPlacedInPixelsAndKeptInTheirMembers)
{
    QWidget window;
    const TestWidgets widgets = buildForm<W>(window, kElements);

    ASSERT_NE(widgets.okButton, nullptr);
    EXPECT_EQ(widgets.okButton->objectName(), "PushButton1");
    EXPECT_EQ(widgets.okButton->text(), "OK");
    EXPECT_EQ(widgets.okButton->parentWidget(), &window);
    EXPECT_EQ(widgets.okButton->geometry(), QRect(8, 10, 100, 27));

    auto* label = window.findChild<QLabel*>("lblName");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget()->objectName(), "Frame1");
    EXPECT_EQ(label->geometry(), QRect(2, 3, 40, 15));

    ASSERT_NE(widgets.tabs, nullptr);
    ASSERT_EQ(widgets.tabs->count(), 2);
    EXPECT_EQ(widgets.tabs->widget(0), widgets.firstPage);
    EXPECT_EQ(widgets.tabs->tabText(1), "Two && Three");
    EXPECT_TRUE(widgets.firstPage->property(kPictureBoxProperty).toBool());

    ASSERT_NE(widgets.choice, nullptr);
    EXPECT_EQ(widgets.choice->parentWidget(), widgets.firstPage);
    ASSERT_NE(widgets.list, nullptr);
    EXPECT_EQ(widgets.list->parentWidget(), widgets.tabs->widget(1));
}

TEST(FormLayoutTest, DescriptionsThatCannotBeBuiltAreRefused)
{
    const FormElement<W> wrongMember[] = {{"lblOk", K::Label, nullptr, "OK", 0, 0, 15, 15, &W::okButton}};
    const FormElement<W> missingParent[] = {{"lblName", K::Label, "Frame9", "Name:", 0, 0, 15, 15}};
    const FormElement<W> pageOutsideAStrip[] = {
        {"Frame1", K::Frame, nullptr, nullptr, 0, 0, 15, 15},
        {"pageOne", K::TabPage, "Frame1", "One", 0, 0, 0, 0},
    };
    QWidget window;
    EXPECT_THROW(buildForm<W>(window, wrongMember), std::logic_error);
    EXPECT_THROW(buildForm<W>(window, missingParent), std::logic_error);
    EXPECT_THROW(buildForm<W>(window, pageOutsideAStrip), std::logic_error);
}

}  // namespace
}  // namespace jubilo
