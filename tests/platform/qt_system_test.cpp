#include "platform/qt_system.h"

#include <QPrinterInfo>

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(QtSystemTest, PipeFiltersBecomeQtFilters)
{
    EXPECT_EQ(toQtFileFilter("Excel Files (*.xls)|*.xls|"), "Excel Files (*.xls)");
    EXPECT_EQ(toQtFileFilter("Text|*.txt;*.log|All (*.*)|*.*"), "Text (*.txt *.log);;All (*.*)");
    EXPECT_EQ(toQtFileFilter(""), "");
}

TEST(QtSystemTest, HostCreationWithoutARegisteredEngineFails)
{
    QtSystem qt;
    EXPECT_THROW(qt.createHost("Excel.Application"), std::runtime_error);
    EXPECT_EQ(qt.runningHost("Excel.Application"), nullptr);
}

// Qt's printers are the machine's own; where there are some, this cannot be
// checked without printing.
TEST(QtSystemTest, WithoutAPrinterNoPageIsLaidOut)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    QtSystem qt;
    int made = 0;
    const PageMaker maker = [&made] {
        ++made;
        return std::shared_ptr<const HostPages>();
    };
    EXPECT_EQ(qt.printPages(maker), PrintResult::NoPrinter);
    EXPECT_EQ(made, 0);
}

}  // namespace
}  // namespace jubilo
