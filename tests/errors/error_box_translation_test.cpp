// The error box's fixed words are translated; the failure's description
// and the procedure's location are shown as they are.

#include "errors/error_box.h"
#include "errors/error_trap.h"
#include "tests/support/marking_translator.h"
#include "tests/support/scripted_system.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace jubilo {
namespace {

class ErrorBoxTranslationTest : public ::testing::Test {
protected:
    testing::ScriptedSystem sys;
    ScopedSystem installed{sys};
    testing::ScopedMarkingTranslator marking;
};

TEST_F(ErrorBoxTranslationTest, FixedWordsAreTranslatedAroundTheDescriptionAndTheLocation)
{
    struct Case {
        std::function<void()> failure;
        QString description;
    };
    const Case cases[] = {
        {[] { throw std::runtime_error("Method 'SaveAs' failed"); }, "Method 'SaveAs' failed"},
        {[] { throw 42; }, "«Unknown error»"},
        {[] { throw std::bad_alloc(); }, "«Out of memory»"},
    };
    for (const Case& c : cases) {
        sys.messages.clear();
        ErrorTrap trap(locations::kAddIncidentalClick);
        trap.step(104, c.failure);
        ASSERT_EQ(sys.messages.size(), 1u);
        EXPECT_EQ(sys.messages[0].caption, "«Application Error»");
        EXPECT_EQ(sys.messages[0].text,
                  c.description
                      + "\r\nin Quenby2021/08/31.Form1.PushButton19_Click «at line 104»\r\r"
                        "«Please email screenshot of this message to support@jubilo.example»");
    }
}

}  // namespace
}  // namespace jubilo
