#pragma once
// The spreadsheet application object: settings, open workbooks, and the
// shortcuts to the active sheet and its selection that automation code
// uses. Every instance that is alive and has not quit is listed in a
// process-wide registry, so the running instance can be found by class name.

#include "host/constants/xl_constants.h"
#include "spreadsheet/model/range.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <any>
#include <memory>
#include <vector>

namespace jubilo::spreadsheet {

class Workbook;
class Worksheet;

class Application : public std::enable_shared_from_this<Application> {
    struct Private {};

public:
    static std::shared_ptr<Application> create(const QLocale& locale = QLocale());
    // The oldest live instance, if the class name is the application's.
    static std::shared_ptr<Application> running(const QString& className);

    Application(Private, const QLocale& locale);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Settings.
    bool screenUpdating() const { return screenUpdating_; }
    void setScreenUpdating(bool on) { live(), screenUpdating_ = on; }
    bool displayAlerts() const { return displayAlerts_; }
    void setDisplayAlerts(bool on) { live(), displayAlerts_ = on; }
    bool enableEvents() const { return enableEvents_; }
    void setEnableEvents(bool on) { live(), enableEvents_ = on; }
    bool visible() const { return visible_; }
    void setVisible(bool on) { live(), visible_ = on; }
    int enableCancelKey() const { return enableCancelKey_; }
    void setEnableCancelKey(int value);
    int cursor() const { return cursor_; }
    void setCursor(int value);
    QString version() const;
    QString value() const;  // the default member's text

    const QLocale& locale() const { return locale_; }

    // Workbooks, 1-based.
    std::shared_ptr<Workbook> addWorkbook();
    // Opens an .xls file as the last workbook, active, with the sheet that
    // was active when it was saved. Throws SpreadsheetError for a file that
    // is missing, damaged or no .xls workbook.
    std::shared_ptr<Workbook> openWorkbook(const QString& path);
    int workbookCount() const;
    std::shared_ptr<Workbook> workbook(int index) const;
    void closeWorkbook(Workbook& book);
    void activate(Workbook& book);

    // The active workbook and sheet; throw when no workbook is open.
    std::shared_ptr<Workbook> activeWorkbook() const;
    std::shared_ptr<Worksheet> activeSheet() const;

    // Shortcuts on the active sheet.
    Range range(const QString& a1) const;
    Range range(const Range& cell1, const Range& cell2) const;
    Range cells() const;
    Range cells(int row, int column) const;  // 1-based
    Range columns(const QString& a1) const;
    Range rows(const QString& a1) const;
    Range selection() const;
    Range activeCell() const;

    double inchesToPoints(double inches) const { return inches * 72.0; }

    // The application's own clipboard, apart from the system's: what its
    // last copy put there, kept until the next copy or until it quits. The
    // engine never looks inside; its host adapter keeps pictures there.
    // Both throw once the instance has quit.
    void setClipboard(std::any content) { live(), clipboard_ = std::move(content); }
    const std::any& clipboard() const
    {
        live();
        return clipboard_;
    }

    // Closes every workbook without saving, empties the clipboard and
    // leaves the registry; every later call fails.
    void quit();

    // Throws once the instance has quit.
    void live() const;

private:
    QLocale locale_;
    bool screenUpdating_ = true;
    bool displayAlerts_ = true;
    bool enableEvents_ = true;
    bool visible_ = false;  // automation instances start hidden
    int enableCancelKey_ = 1;
    int cursor_ = xl::kCursorDefault;
    std::vector<std::shared_ptr<Workbook>> workbooks_;
    Workbook* active_ = nullptr;
    int booksCreated_ = 0;
    std::any clipboard_;
    bool quit_ = false;
};

}  // namespace jubilo::spreadsheet
