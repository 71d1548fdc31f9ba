#include "plan/read_only_settings_store.h"
#include "tests/support/scripted_system.h"

#include <gtest/gtest.h>

namespace jubilo {
namespace {

TEST(ReadOnlySettingsStoreTest, ReadsPassThroughAndAWriteThrowsWithoutReachingTheStore)
{
    testing::MemorySettingsStore memory;
    memory.write("Tarvel", "Jubilo", "Date", "2021 | August 31 | 09 PM");
    memory.writtenKeys.clear();
    ReadOnlySettingsStore store(memory);

    EXPECT_EQ(store.read("Tarvel", "Jubilo", "Date", "none"), "2021 | August 31 | 09 PM");
    EXPECT_EQ(store.read("Tarvel", "Jubilo", "Guests", "none"), "none");
    EXPECT_THROW(store.write("Tarvel", "Jubilo", "Date", "changed"), StoreError);
    EXPECT_TRUE(memory.writtenKeys.empty());
    EXPECT_EQ(memory.value("Date"), "2021 | August 31 | 09 PM");
}

}  // namespace
}  // namespace jubilo
