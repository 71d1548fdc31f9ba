#include "spreadsheet/model/application.h"

#include "spreadsheet/core/address.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <algorithm>
#include <mutex>

namespace jubilo::spreadsheet {

namespace {

constexpr int kNewWorkbookSheets = 3;

// Live instances in creation order. An instance enters when created and
// leaves when it quits or is destroyed.
struct Registry {
    std::mutex lock;
    std::vector<std::pair<Application*, std::weak_ptr<Application>>> live;
};

Registry& registry()
{
    static Registry r;
    return r;
}

void unregister(Application* app)
{
    Registry& r = registry();
    const std::lock_guard guard(r.lock);
    std::erase_if(r.live, [app](const auto& entry) { return entry.first == app; });
}

}  // namespace

std::shared_ptr<Application> Application::create(const QLocale& locale)
{
    auto app = std::make_shared<Application>(Private{}, locale);
    Registry& r = registry();
    const std::lock_guard guard(r.lock);
    r.live.emplace_back(app.get(), app);
    return app;
}

std::shared_ptr<Application> Application::running(const QString& className)
{
    if (className.compare(QLatin1String(xl::kApplicationClassName), Qt::CaseInsensitive) != 0)
        return nullptr;
    Registry& r = registry();
    const std::lock_guard guard(r.lock);
    for (const auto& [raw, weak] : r.live)
        if (auto app = weak.lock())
            return app;
    return nullptr;
}

Application::Application(Private, const QLocale& locale)
    : locale_(locale)
{
}

Application::~Application()
{
    unregister(this);
    for (auto& book : workbooks_)
        book->detach();
}

void Application::live() const
{
    if (quit_)
        throw SpreadsheetError(QStringLiteral("The spreadsheet application has quit"));
}

void Application::setEnableCancelKey(int value)
{
    live();
    if (value < 0 || value > 2)
        throw SpreadsheetError(QStringLiteral("EnableCancelKey %1 is not a valid setting (0, 1 or 2)").arg(value));
    enableCancelKey_ = value;
}

void Application::setCursor(int value)
{
    live();
    static constexpr int kCursors[]
        = {xl::kCursorDefault, xl::kCursorNorthwestArrow, xl::kCursorWait, xl::kCursorIBeam};
    if (std::find(std::begin(kCursors), std::end(kCursors), value) == std::end(kCursors))
        throw SpreadsheetError(QStringLiteral("Cursor %1 is not a valid setting").arg(value));
    cursor_ = value;
}

QString Application::version() const
{
    live();
    return QStringLiteral("16.0");
}

QString Application::value() const
{
    live();
    return QString::fromLatin1(xl::kApplicationDefaultValue);
}

std::shared_ptr<Workbook> Application::addWorkbook()
{
    live();
    auto book = std::make_shared<Workbook>(*this, QStringLiteral("Book%1").arg(++booksCreated_), kNewWorkbookSheets);
    workbooks_.push_back(book);
    active_ = book.get();
    return book;
}

int Application::workbookCount() const
{
    live();
    return int(workbooks_.size());
}

std::shared_ptr<Workbook> Application::workbook(int index) const
{
    live();
    if (index < 1 || index > int(workbooks_.size()))
        throw SpreadsheetError(
            QStringLiteral("There is no workbook number %1 (%2 open)").arg(index).arg(workbooks_.size()));
    return workbooks_[index - 1];
}

void Application::closeWorkbook(Workbook& book)
{
    live();
    const auto it = std::find_if(workbooks_.begin(), workbooks_.end(), [&](const auto& b) { return b.get() == &book; });
    if (it == workbooks_.end())
        throw SpreadsheetError(QStringLiteral("The workbook \"%1\" is not open").arg(book.name()));
    const auto keep = *it;  // alive until detached
    workbooks_.erase(it);
    keep->detach();
    if (active_ == &book)
        active_ = workbooks_.empty() ? nullptr : workbooks_.back().get();
}

void Application::activate(Workbook& book)
{
    live();
    active_ = &book;
}

std::shared_ptr<Workbook> Application::activeWorkbook() const
{
    live();
    if (!active_)
        throw SpreadsheetError(QStringLiteral("No workbook is open"));
    return active_->shared_from_this();
}

std::shared_ptr<Worksheet> Application::activeSheet() const { return activeWorkbook()->activeSheet(); }

Range Application::range(const QString& a1) const { return {activeSheet(), parseA1Range(a1)}; }
Range Application::range(const Range& cell1, const Range& cell2) const
{
    return Range::spanning(activeSheet(), cell1, cell2);
}
Range Application::cells() const { return {activeSheet(), CellRect::sheet()}; }
Range Application::cells(int row, int column) const { return Range::cell(activeSheet(), row, column); }
Range Application::columns(const QString& a1) const { return {activeSheet(), parseColumns(a1), RangeKind::Columns}; }
Range Application::rows(const QString& a1) const { return {activeSheet(), parseRows(a1), RangeKind::Rows}; }

Range Application::selection() const
{
    auto sheet = activeSheet();
    return {sheet, sheet->selection()};
}

Range Application::activeCell() const
{
    auto sheet = activeSheet();
    return {sheet, CellRect::at(sheet->activeCell().row, sheet->activeCell().col)};
}

void Application::quit()
{
    live();
    quit_ = true;
    unregister(this);
    for (auto& book : workbooks_)
        book->detach();
    workbooks_.clear();
    active_ = nullptr;
    clipboard_.reset();
}

}  // namespace jubilo::spreadsheet
