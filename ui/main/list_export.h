#pragma once
// The File menu's exports. "Export List as CSV…" writes the list on show:
// the current tab of the tab strip the keyboard focus is in, or else of
// the strip whose tab was chosen last (the left one until a tab is
// chosen); the Food & Drinks tab gives the Food and Drinks list.
// "Export Timetable…" writes the Schedules and At The Party lists as an
// iCalendar file on the party's date, asking for the day when the Date
// box's text does not read as one (the plan keeps its text).

#include "plan/plan.h"

#include <QObject>

class QTabWidget;
class QWidget;

namespace jubilo {

struct MainWindowWidgets;
struct PlanMenus;

class ListExport : public QObject {
    Q_OBJECT
public:
    ListExport(const Plan& plan, const MainWindowWidgets& widgets, const PlanMenus& menus, QWidget& window);

    TableId listOnShow() const;
    void exportList();
    void exportTimetable();

private:
    const QTabWidget& stripOnShow() const;

    const Plan& plan_;
    const MainWindowWidgets& widgets_;
    const QTabWidget* lastChosen_;
};

}  // namespace jubilo
