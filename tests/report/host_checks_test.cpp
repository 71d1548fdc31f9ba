#include "host/interface/spreadsheet_host.h"
#include "report/host_checks.h"
#include "tests/support/scripted_system.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace jubilo {
namespace {

// Only the members the checks touch answer; the rest are never called.
class AnsweringHost : public SpreadsheetHost {
public:
    explicit AnsweringHost(QString value)
        : value_(std::move(value))
    {
    }
    QString defaultValue() const override { return value_; }

    bool screenUpdating() const override { return true; }
    void setScreenUpdating(bool) override {}
    bool displayAlerts() const override { return true; }
    void setDisplayAlerts(bool) override {}
    bool enableEvents() const override { return true; }
    void setEnableEvents(bool) override {}
    bool visible() const override { return false; }
    void setVisible(bool) override {}
    int enableCancelKey() const override { return 1; }
    void setEnableCancelKey(int) override {}
    int cursor() const override { return xl::kCursorDefault; }
    void setCursor(int) override {}
    QString version() const override { return "16.0"; }
    std::unique_ptr<HostWorkbooks> workbooks() override { throw std::logic_error("unused"); }
    std::unique_ptr<HostSheets> sheets() override { throw std::logic_error("unused"); }
    std::unique_ptr<HostWorkbook> activeWorkbook() override { throw std::logic_error("unused"); }
    std::unique_ptr<HostWorksheet> activeSheet() override { throw std::logic_error("unused"); }
    std::unique_ptr<HostRange> range(const QString&) override { throw std::logic_error("unused"); }
    std::unique_ptr<HostRange> cells() override { throw std::logic_error("unused"); }
    std::unique_ptr<HostRange> columns(const QString&) override { throw std::logic_error("unused"); }
    std::unique_ptr<HostRange> rows(const QString&) override { throw std::logic_error("unused"); }
    std::unique_ptr<HostRange> selection() override { throw std::logic_error("unused"); }
    std::unique_ptr<HostRange> activeCell() override { throw std::logic_error("unused"); }
    std::shared_ptr<const HostPicture> copiedPicture() override { throw std::logic_error("unused"); }
    double inchesToPoints(double inches) const override { return inches * 72; }
    void quit() override {}

private:
    QString value_;
};

using HostChecksTest = testing::ScriptedSystemTest;

TEST_F(HostChecksTest, AHostThatStartsLetsTheProgramGoOnSilently)
{
    int created = 0;
    sys.hostFactory = [&](const QString& className) -> std::unique_ptr<SpreadsheetHost> {
        EXPECT_EQ(className, "Excel.Application");
        ++created;
        return std::make_unique<AnsweringHost>("Microsoft Excel");
    };
    checkHostAvailable();
    EXPECT_EQ(created, 1);
    EXPECT_TRUE(sys.messages.empty());
    EXPECT_FALSE(sys.endedWith.has_value());
}

TEST_F(HostChecksTest, NoHostExplainsWhyAndEndsTheProgram)
{
    for (bool givesNothing : {false, true}) {
        testing::ScriptedSystem local;
        ScopedSystem scoped(local);
        if (givesNothing)
            local.hostFactory = [](const QString&) { return std::unique_ptr<SpreadsheetHost>(); };
        checkHostAvailable();
        ASSERT_EQ(local.messages.size(), 1u);
        EXPECT_EQ(local.messages[0].flags, 0);
        EXPECT_TRUE(
            local.messages[0].text.startsWith("Error 842001. A normal instance of Excel could not be created.\r\n\r\n"
                                              "1. Please make sure Excel is installed on this computer.\r\n\r\n2. "));
        EXPECT_TRUE(local.messages[0].text.endsWith("except for the rare Excel Starter and Student editions."));
        EXPECT_EQ(local.messages[0].text.count("\r\n\r\n"), 4);
        EXPECT_EQ(local.endedWith, 0);
    }
}

TEST_F(HostChecksTest, TheWarningAsksOnlyWhenARealHostRuns)
{
    EXPECT_FALSE(isHostRunning());
    EXPECT_FALSE(warnHostRunning());

    sys.runningHostLookup = [](const QString&) { return std::make_shared<AnsweringHost>("Some Other App"); };
    EXPECT_FALSE(isHostRunning());
    EXPECT_FALSE(warnHostRunning());
    EXPECT_TRUE(sys.messages.empty());

    sys.runningHostLookup
        = [](const QString&) -> std::shared_ptr<SpreadsheetHost> { throw std::runtime_error("lookup failed"); };
    EXPECT_FALSE(isHostRunning());

    sys.runningHostLookup = [](const QString&) { return std::make_shared<AnsweringHost>("Microsoft Excel"); };
    EXPECT_TRUE(isHostRunning());
    sys.answers = {msgbox::kAnswerYes, msgbox::kAnswerNo};
    EXPECT_FALSE(warnHostRunning());
    EXPECT_TRUE(warnHostRunning());
    ASSERT_EQ(sys.messages.size(), 2u);
    EXPECT_EQ(sys.messages[0].flags, 4);
    EXPECT_EQ(sys.messages[0].text,
              "Excel may be open. It is recommended that you close Excel first.\r"
              "Use Ctrl+Alt+Del > Task Manager > EXCEL.EXE if necessary.\r\n\r\n"
              "Would you like to proceed anyway?");
}

}  // namespace
}  // namespace jubilo
