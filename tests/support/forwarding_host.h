#pragma once
// A host that hands every member on to another host, so a test can script
// the few members it is about and leave the rest to a real host.

#include "host/interface/spreadsheet_host.h"

#include <memory>

namespace jubilo::testing {

class ForwardingHost : public SpreadsheetHost {
public:
    explicit ForwardingHost(std::unique_ptr<SpreadsheetHost> inner)
        : inner_(std::move(inner))
    {
    }

    bool screenUpdating() const override { return inner_->screenUpdating(); }
    void setScreenUpdating(bool on) override { inner_->setScreenUpdating(on); }
    bool displayAlerts() const override { return inner_->displayAlerts(); }
    void setDisplayAlerts(bool on) override { inner_->setDisplayAlerts(on); }
    bool enableEvents() const override { return inner_->enableEvents(); }
    void setEnableEvents(bool on) override { inner_->setEnableEvents(on); }
    bool visible() const override { return inner_->visible(); }
    void setVisible(bool on) override { inner_->setVisible(on); }
    int enableCancelKey() const override { return inner_->enableCancelKey(); }
    void setEnableCancelKey(int value) override { inner_->setEnableCancelKey(value); }
    int cursor() const override { return inner_->cursor(); }
    void setCursor(int value) override { inner_->setCursor(value); }
    QString version() const override { return inner_->version(); }
    QString defaultValue() const override { return inner_->defaultValue(); }

    std::unique_ptr<HostWorkbooks> workbooks() override { return inner_->workbooks(); }
    std::unique_ptr<HostSheets> sheets() override { return inner_->sheets(); }
    std::unique_ptr<HostWorkbook> activeWorkbook() override { return inner_->activeWorkbook(); }
    std::unique_ptr<HostWorksheet> activeSheet() override { return inner_->activeSheet(); }

    std::unique_ptr<HostRange> range(const QString& a1) override { return inner_->range(a1); }
    std::unique_ptr<HostRange> range(const HostRange& cell1, const HostRange& cell2) override
    {
        return inner_->range(cell1, cell2);
    }
    std::unique_ptr<HostRange> cells() override { return inner_->cells(); }
    std::unique_ptr<HostRange> cells(int row, int column) override { return inner_->cells(row, column); }
    std::unique_ptr<HostRange> columns(const QString& a1) override { return inner_->columns(a1); }
    std::unique_ptr<HostRange> rows(const QString& a1) override { return inner_->rows(a1); }
    std::unique_ptr<HostRange> selection() override { return inner_->selection(); }
    std::unique_ptr<HostRange> activeCell() override { return inner_->activeCell(); }

    std::shared_ptr<const HostPicture> copiedPicture() override { return inner_->copiedPicture(); }

    double inchesToPoints(double inches) const override { return inner_->inchesToPoints(inches); }
    void quit() override { inner_->quit(); }

private:
    std::unique_ptr<SpreadsheetHost> inner_;
};

}  // namespace jubilo::testing
