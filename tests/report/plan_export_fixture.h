#pragma once
// A plan exported on the engine's host through a scripted seam, as the
// program wires it: US English, a fixed clock for the sheet's date, and a
// folder of the test's own for the files. The command line's tests use it
// too (their include path names this folder).

#include "host/engine/engine_host.h"
#include "tests/support/sample_plans.h"
#include "tests/support/scripted_system.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace jubilo::testing {

class PlanExportFixture : public ScriptedSystemTest {
protected:
    void SetUp() override
    {
        sys.hostFactory = createEngineHost;
        sys.runningHostLookup = runningEngineHost;
        sys.clock = QDateTime(QDate(2024, 5, 6), QTime(15, 0));
        ASSERT_TRUE(dir.isValid());
    }

    UsEnglishLocale english;
    QTemporaryDir dir;
};

}  // namespace jubilo::testing
