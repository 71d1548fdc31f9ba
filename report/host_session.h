#pragma once
// A spreadsheet host for one piece of work that must not outlive it: the
// host starts with the session, and its workbook is closed and the host quit
// however the work ends. Failures while closing after a failure are
// swallowed: they would only hide the failure's own message.

#include "host/interface/spreadsheet_host.h"

#include <QString>

#include <memory>

namespace jubilo {

class HostSession {
public:
    // Starts a new host of the spreadsheet class; throws when none starts.
    HostSession();
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    SpreadsheetHost& host() { return *host_; }
    // A new workbook, or the saved one at `path`; the session closes it.
    HostWorkbook& addWorkbook();
    HostWorkbook& openWorkbook(const QString& path);

private:
    HostWorkbook& keep(std::unique_ptr<HostWorkbook> book);

    std::unique_ptr<SpreadsheetHost> host_;
    std::unique_ptr<HostWorkbook> book_;
};

}  // namespace jubilo
