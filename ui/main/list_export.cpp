#include "ui/main/list_export.h"

#include "errors/error_trap.h"
#include "files/path_bytes.h"
#include "lists/list_csv.h"
#include "lists/list_names.h"
#include "lists/party_timetable.h"
#include "lists/party_times.h"
#include "messages/message.h"
#include "platform/system.h"
#include "ui/common/save_name.h"
#include "ui/main/export_saving.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/plan_menus.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QTabWidget>
#include <QTreeView>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(ListExport)
};

ExportFileType csvType() { return {Texts::tr("CSV Files"), QStringLiteral(".csv")}; }
ExportFileType calendarType() { return {Texts::tr("iCalendar Files"), QStringLiteral(".ics")}; }

// The day the timetable's events fall on: the Date box's, or else the one
// the user gives; none when the user cancels.
std::optional<QDate> partyDay(const Plan& plan)
{
    if (const std::optional<QDate> day = readPartyDate(plan.date(), system().typedInput()))
        return day;
    return system().askDate(
        Texts::tr("Export Timetable"),
        Texts::tr("The party's date \"%1\" does not read as a date. On which day is the party?").arg(plan.date()),
        system().now().date());
}

QString timetableSavedText(const QString& path, const PartyTimetable& timetable)
{
    QString text = Texts::tr("The timetable is saved as %1.").arg(files::displayName(path));
    if (!timetable.leftOut.empty())
        text += QStringLiteral("\n\n") + leftOutText(timetable.leftOut);
    return text;
}

}  // namespace

ListExport::ListExport(const Plan& plan, const MainWindowWidgets& widgets, const PlanMenus& menus, QWidget& window)
    : QObject(&window)
    , plan_(plan)
    , widgets_(widgets)
    , lastChosen_(widgets.leftTabs)
{
    menus.exportList->setStatusTip(
        Texts::tr("Saves the list on show (the tab chosen last) as a CSV file for spreadsheet programs"));
    menus.exportList->setToolTip(menus.exportList->statusTip());
    menus.exportTimetable->setStatusTip(
        Texts::tr("Saves Schedules and At The Party as calendar events on the party's date (an .ics file)"));
    menus.exportTimetable->setToolTip(menus.exportTimetable->statusTip());
    connect(menus.exportList, &QAction::triggered, this, &ListExport::exportList);
    connect(menus.exportTimetable, &QAction::triggered, this, &ListExport::exportTimetable);
    for (QTabWidget* strip : {widgets.leftTabs, widgets.rightTabs})
        connect(strip, &QTabWidget::currentChanged, this, [this, strip] { lastChosen_ = strip; });
}

const QTabWidget& ListExport::stripOnShow() const
{
    const QWidget* focus = QApplication::focusWidget();
    for (const QTabWidget* strip : {widgets_.leftTabs, widgets_.rightTabs}) {
        if (focus && strip->isAncestorOf(focus))
            return *strip;
    }
    return *lastChosen_;
}

TableId ListExport::listOnShow() const
{
    const QWidget* page = stripOnShow().currentWidget();
    for (const TableId id : tableIds()) {
        // The ingredients are a working list the Food & Drinks tab also shows.
        if (id != TableId::Ingredients && page && page->isAncestorOf(&tableList(widgets_, id)))
            return id;
    }
    return TableId::Guests;
}

// Steps are numbered as the error box reports them.
void ListExport::exportList()
{
    ErrorTrap trap(locations::kExportListClick);
    TableId list = TableId::Guests;
    QString path;
    trap.step(100, [&] {
        list = listOnShow();
        path = askExportFileName(Texts::tr("Export List as CSV"), csvType(), shownListName(list));
    });
    if (path.isEmpty())
        return;
    bool mayWrite = false;
    trap.step(102, [&] { mayWrite = mayWriteAt(path); });
    if (!mayWrite)
        return;
    if (trap.essential(104, [&] { writeExport(path, listCsv(plan_.table(list))); })) {
        trap.step(106, [&] {
            msgBox(Texts::tr("The %1 list is saved as %2.").arg(shownListName(list), files::displayName(path)));
        });
    }
}

void ListExport::exportTimetable()
{
    ErrorTrap trap(locations::kExportTimetableClick);
    std::optional<QDate> day;
    if (!trap.essential(100, [&] { day = partyDay(plan_); }) || !day)
        return;
    PartyTimetable timetable;
    if (!trap.essential(102, [&] { timetable = partyTimetable(plan_, *day, system().typedInput()); }))
        return;
    if (timetable.events.empty()) {
        trap.step(104, [&] { msgBox(emptyTimetableText()); });
        return;
    }
    QString path;
    trap.step(106, [&] {
        path = askExportFileName(Texts::tr("Export Timetable"), calendarType(), Texts::tr("Party Timetable"));
    });
    if (path.isEmpty())
        return;
    bool mayWrite = false;
    trap.step(108, [&] { mayWrite = mayWriteAt(path); });
    if (!mayWrite)
        return;
    if (trap.essential(110, [&] { writeExport(path, icsCalendar(timetable.events, system().now())); }))
        trap.step(112, [&] { msgBox(timetableSavedText(path, timetable)); });
}

}  // namespace jubilo
