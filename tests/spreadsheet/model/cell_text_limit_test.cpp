#include "spreadsheet/core/error.h"
#include "tests/support/engine_workbook.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet {
namespace {

using CellTextLimit = testing::EngineWorkbookTest;

// A cell takes as much text as a saved workbook can hold, and no more: a
// longer text is refused when it is typed, not later when the file is saved.

TEST_F(CellTextLimit, TextsUpTo32767CharactersAreTakenLongerOnesRefused)
{
    const QString longest(32767, QChar(0x00E9));
    app->range("B2").setFormulaR1C1(longest);
    EXPECT_EQ(std::get<QString>(app->range("B2").value()), longest);
    try {
        app->range("C9").setFormulaR1C1(QString(32768, 'x'));
        FAIL() << "a 32,768-character text was taken";
    } catch (const SpreadsheetError& e) {
        EXPECT_NE(std::string(e.what()).find("C9"), std::string::npos) << e.what();
    }
    EXPECT_EQ(std::get<QString>(app->range("B2").value()), longest);
}

}  // namespace
}  // namespace jubilo::spreadsheet
