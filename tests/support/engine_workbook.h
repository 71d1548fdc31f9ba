#pragma once
// The engine as most of its tests start: an application in US English with
// one new workbook, its active sheet, and ranges by address.

#include "tests/support/engine_sheets.h"

#include <gtest/gtest.h>

namespace jubilo::spreadsheet::testing {

class EngineWorkbookTest : public ::testing::Test {
protected:
    Range range(const char* a1) const { return app->range(QString::fromLatin1(a1)); }
    Value value(const char* a1) const { return range(a1).value(); }

    std::shared_ptr<Application> app = englishApplication();
    std::shared_ptr<Workbook> book = app->addWorkbook();
    std::shared_ptr<Worksheet> sheet = app->activeSheet();
};

}  // namespace jubilo::spreadsheet::testing
