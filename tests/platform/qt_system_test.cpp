#include "platform/qt_system.h"

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

}  // namespace
}  // namespace jubilo
