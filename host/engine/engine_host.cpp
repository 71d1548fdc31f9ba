#include "host/engine/engine_host.h"

#include "host/engine/engine_objects_p.h"
#include "host/engine/engine_picture.h"
#include "spreadsheet/core/error.h"

#include <stdexcept>

namespace jubilo {

namespace {

using spreadsheet::Application;

class EngineHost : public SpreadsheetHost {
public:
    explicit EngineHost(std::shared_ptr<Application> app)
        : app_(std::move(app))
    {
    }

    bool screenUpdating() const override { return app_->screenUpdating(); }
    void setScreenUpdating(bool on) override { app_->setScreenUpdating(on); }
    bool displayAlerts() const override { return app_->displayAlerts(); }
    void setDisplayAlerts(bool on) override { app_->setDisplayAlerts(on); }
    bool enableEvents() const override { return app_->enableEvents(); }
    void setEnableEvents(bool on) override { app_->setEnableEvents(on); }
    bool visible() const override { return app_->visible(); }
    void setVisible(bool on) override { app_->setVisible(on); }
    int enableCancelKey() const override { return app_->enableCancelKey(); }
    void setEnableCancelKey(int v) override { app_->setEnableCancelKey(v); }
    int cursor() const override { return app_->cursor(); }
    void setCursor(int v) override { app_->setCursor(v); }
    QString version() const override { return app_->version(); }
    QString defaultValue() const override { return app_->value(); }

    std::unique_ptr<HostWorkbooks> workbooks() override
    {
        app_->live();
        return engine::wrapWorkbooks(app_);
    }
    std::unique_ptr<HostSheets> sheets() override { return engine::wrapSheets(app_->activeWorkbook()); }
    std::unique_ptr<HostWorkbook> activeWorkbook() override { return engine::wrapWorkbook(app_->activeWorkbook()); }
    std::unique_ptr<HostWorksheet> activeSheet() override { return engine::wrapSheet(app_->activeSheet()); }

    std::unique_ptr<HostRange> range(const QString& a1) override { return engine::wrapRange(app_->range(a1)); }
    std::unique_ptr<HostRange> range(const HostRange& cell1, const HostRange& cell2) override
    {
        return engine::wrapRange(app_->range(engine::engineRange(cell1), engine::engineRange(cell2)));
    }
    std::unique_ptr<HostRange> cells() override { return engine::wrapRange(app_->cells()); }
    std::unique_ptr<HostRange> cells(int row, int column) override
    {
        return engine::wrapRange(app_->cells(row, column));
    }
    std::unique_ptr<HostRange> columns(const QString& a1) override { return engine::wrapRange(app_->columns(a1)); }
    std::unique_ptr<HostRange> rows(const QString& a1) override { return engine::wrapRange(app_->rows(a1)); }
    std::unique_ptr<HostRange> selection() override { return engine::wrapRange(app_->selection()); }
    std::unique_ptr<HostRange> activeCell() override { return engine::wrapRange(app_->activeCell()); }

    std::shared_ptr<const HostPicture> copiedPicture() override { return engine::copiedPicture(*app_); }

    double inchesToPoints(double inches) const override { return app_->inchesToPoints(inches); }
    void quit() override { app_->quit(); }

private:
    std::shared_ptr<Application> app_;
};

}  // namespace

std::unique_ptr<SpreadsheetHost> createEngineHost(const QString& className)
{
    if (className.compare(QLatin1String(xl::kApplicationClassName), Qt::CaseInsensitive) != 0)
        throw std::runtime_error(QStringLiteral("Cannot create an object of class \"%1\": only \"%2\" is available")
                                     .arg(className, QLatin1String(xl::kApplicationClassName))
                                     .toStdString());
    return std::make_unique<EngineHost>(Application::create());
}

std::shared_ptr<SpreadsheetHost> runningEngineHost(const QString& className)
{
    auto app = Application::running(className);
    return app ? std::make_shared<EngineHost>(std::move(app)) : nullptr;
}

}  // namespace jubilo
