#include "report/host_session.h"

#include "report/plan_workbook.h"

#include <stdexcept>

namespace jubilo {

HostSession::HostSession()
    : host_(startSpreadsheetHost())
{
}

HostSession::~HostSession()
{
    try {
        host_->setDisplayAlerts(false);
        if (book_)
            book_->close();
    } catch (...) {
    }
    try {
        host_->quit();
    } catch (...) {
    }
}

HostWorkbook& HostSession::addWorkbook() { return keep(host_->workbooks()->add()); }

HostWorkbook& HostSession::openWorkbook(const QString& path) { return keep(host_->workbooks()->open(path)); }

HostWorkbook& HostSession::keep(std::unique_ptr<HostWorkbook> book)
{
    if (!book)
        throw std::runtime_error("The host gave no workbook");
    book_ = std::move(book);
    return *book_;
}

}  // namespace jubilo
