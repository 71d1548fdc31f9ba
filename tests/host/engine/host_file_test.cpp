// SaveAs and Workbooks.Open through the host interface, as the report run
// calls them: one instance saves, a second one opens the file.

#include "host/engine/engine_host.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace jubilo {
namespace {

TEST(HostFiles, SavedWorkbookReopensInASecondInstance)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("vemqal12345678.xls");

    auto host = createEngineHost(QStringLiteral("Excel.Application"));
    auto book = host->workbooks()->add();
    host->sheets()->item(1)->setName(QStringLiteral("Holiday Party Plans"));
    host->range(QStringLiteral("B2"))->setFormulaR1C1(QStringLiteral("Holiday Party Plans"));
    host->range(QStringLiteral("F3"))->setFormulaR1C1(QStringLiteral("12.5"));
    host->range(QStringLiteral("F4"))->setFormulaR1C1(QStringLiteral("=SUM(R[-1]C:R[-1]C)*2"));
    host->sheets()->item(2)->select();
    EXPECT_THROW(book->saveAs(file, 51), std::runtime_error);
    book->saveAs(file, xl::kExcel8);
    host->setDisplayAlerts(false);
    book->close();
    host->quit();

    auto preview = createEngineHost(QStringLiteral("Excel.Application"));
    preview->workbooks()->add();
    auto opened = preview->workbooks()->open(file);
    auto books = preview->workbooks();
    ASSERT_EQ(books->count(), 2);
    EXPECT_EQ(books->item(books->count())->name(), opened->name());
    EXPECT_EQ(opened->activeSheet()->name(), "Sheet2");
    auto plan = opened->sheets()->item(1);
    EXPECT_EQ(plan->name(), "Holiday Party Plans");
    EXPECT_EQ(plan->range(QStringLiteral("F4"))->value().toDouble(), 25.0);
    EXPECT_EQ(plan->range(QStringLiteral("F4"))->formulaR1C1(), "=SUM(R[-1]C:R[-1]C)*2");
    EXPECT_EQ(plan->usedRange()->address(), "$B$2:$F$4");

    EXPECT_THROW(preview->workbooks()->open(dir.filePath("missing.xls")), std::runtime_error);
    EXPECT_EQ(preview->workbooks()->count(), 2);
    preview->quit();
}

}  // namespace
}  // namespace jubilo
