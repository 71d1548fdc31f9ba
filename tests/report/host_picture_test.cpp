// CopyPicture through the host interface, on the plan sheet the report
// builds. Set JUBILO_PICTURE_PNG to a path to keep the plan's picture.

#include "model/plan.h"
#include "engine_host/engine_host.h"
#include "engine_host/engine_picture.h"
#include "report/plan_sheet.h"
#include "spreadsheet/picture/range_picture.h"
#include "spreadsheet/picture/sheet_geometry_p.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

using spreadsheet::picture::columnPixels;
using spreadsheet::picture::pointsToPixels;

std::string describe(const QColor& c)
{
    return QStringLiteral("(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue()).toStdString();
}

#define EXPECT_PIXEL(image, x, y, color) \
    EXPECT_EQ(describe((image).pixelColor((x), (y))), describe(color)) << "at " << (x) << "," << (y)

Plan partyPlan()
{
    Plan plan;
    const auto add = [&](TableId id, std::initializer_list<PlanRow> rows) {
        for (const PlanRow& row : rows)
            plan.table(id).append(row);
    };
    add(TableId::Guests, {{"John", "NY City", "Yes", "1"}, {"Mary and Tom", "12 Elm Street", "Yes", "2"},
                          {"The Garcias", "4 Harbour Road, Apt 7", "No", "4"}});
    add(TableId::Music, {{"Dance", "CD", "No", "9.99"}, {"Jazz night", "Vinyl", "Yes", "1234.5"}});
    add(TableId::Decorations, {{"Garland", "3", "Yes", "3.04"}});
    add(TableId::FoodAndDrinks, {{"Barbeque", "Meat", "Yes", "20.00"}, {"Barbeque", "Charcoal", "No", "7.5"},
                                 {"Punch", "Fruit juice", "Yes", "12"}});
    add(TableId::OtherSupplies, {{"Lights", "Yes", "14.99"}});
    add(TableId::Incidentals, {{"Other", "No", "0.00"}});
    add(TableId::Schedules, {{"Buy meals", "11:10 AM", "Nearest store"}});
    add(TableId::Activities, {{"Dancing", "07:00 PM", "If guests want to"}});
    plan.setBudget(BudgetId::Music, "1500.00");
    plan.setBudget(BudgetId::Decoration, "25.00");
    plan.setBudget(BudgetId::Incidental, "20.00");
    plan.setBudget(BudgetId::Food, "50.00");
    plan.setBudget(BudgetId::OtherSupply, "30.00");
    plan.setDate("2021 | August 31 | 09 PM");
    return plan;
}

class HostPicture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        host = createEngineHost("Excel.Application");
        host->setDisplayAlerts(false);
        host->workbooks()->add();
    }
    void TearDown() override
    {
        setEnginePictureSink({});
        host->quit();
        QLocale::setDefault(QLocale::system());
    }
    QImage copied(HostRange& range)
    {
        QImage image;
        const PictureSink previous = setEnginePictureSink([&](const QImage& picture) { image = picture; });
        range.copyPicture();
        setEnginePictureSink(previous);
        return image;
    }

    std::unique_ptr<SpreadsheetHost> host;
};

TEST_F(HostPicture, CopyPicturePutsTheRangeOnTheClipboard)
{
    host->range("B2")->setFormulaR1C1("42");
    host->range("A1:C3")->interior()->setColorIndex(6);
    QGuiApplication::clipboard()->clear();
    host->range("A1:C3")->copyPicture();
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(3 * 64 + 1, 3 * 17 + 1));
    EXPECT_PIXEL(image, 5, 5, QColor(255, 255, 0));  // entry 6 of a new workbook's palette
}

TEST_F(HostPicture, AnInstalledSinkReceivesThePictureInstead)
{
    QGuiApplication::clipboard()->clear();
    const QImage image = copied(*host->range("B2:D4"));
    EXPECT_EQ(image.size(), QSize(3 * 64 + 1, 3 * 17 + 1));
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());

    const auto gone = host->range("A1");
    host->activeWorkbook()->close();
    EXPECT_THROW(gone->copyPicture(), std::runtime_error);
}

TEST_F(HostPicture, PlanSheetPictureShowsItsBlocks)
{
    buildPlanSheet(*host, partyPlan());
    const auto used = host->activeSheet()->usedRange();
    ASSERT_EQ(used->address(), "$B$2:$F$31");
    const QImage image = copied(*used);
    if (const QString path = qEnvironmentVariable("JUBILO_PICTURE_PNG"); !path.isEmpty())
        image.save(path, "PNG");

    const int b = columnPixels(19.14), c = columnPixels(17.57), d = columnPixels(7.29), e = columnPixels(13.86),
              f = columnPixels(27.86);
    const int title = pointsToPixels(42.75), bar = pointsToPixels(20), data = pointsToPixels(14.25),
              plain = pointsToPixels(12.75);
    EXPECT_EQ(image.width(), b + c + d + e + f + 1);
    // Rows 2 to 35: the title, eight title bars, 13 data rows, six totals
    // and the two timeline header rows.
    EXPECT_EQ(image.height(), title + 8 * bar + 13 * data + 8 * plain + 1);

    const QColor green(129, 164, 120), paleGreen(219, 235, 203), cream(254, 248, 232), white(255, 255, 255),
        totalGrey(234, 234, 234), lineGrey(207, 207, 207), black(0, 0, 0);
    const int row3 = title, row4 = row3 + bar, row5 = row4 + data, row6 = row5 + data, row7 = row6 + data;
    EXPECT_PIXEL(image, b + c + 40, row3 + 3, green);      // Guests title bar in D3
    EXPECT_PIXEL(image, b + c + 40, row4 + 3, cream);      // first guest
    EXPECT_PIXEL(image, b + c + 40, row5 + 3, white);      // second guest
    EXPECT_PIXEL(image, b + c + 40, row6 + 3, cream);      // third guest
    EXPECT_PIXEL(image, b + c + 40, row7 + 3, paleGreen);  // the total label
    EXPECT_PIXEL(image, b + c + d + e + f - 5, row7 + 3, totalGrey);
    EXPECT_PIXEL(image, b, row5 + 8, lineGrey);            // B|C inside line
    EXPECT_PIXEL(image, b + c, row5 + 8, white);           // C:D merged: no line
    EXPECT_PIXEL(image, b + c + d, row5 + 8, lineGrey);    // D|E
    EXPECT_PIXEL(image, 0, row5 + 8, black);               // the block's frame
    EXPECT_PIXEL(image, b + c + d + e + f, row5 + 8, black);
    EXPECT_PIXEL(image, 10, row7 + plain, black);     // between the Guests total and Music title bar
    EXPECT_PIXEL(image, 10, 10, white);                    // no gridlines through the white sheet
    EXPECT_PIXEL(image, b, 10, white);
    EXPECT_EQ(host->range("F10")->text(), "$1,234.50");
}

}  // namespace
}  // namespace jubilo
