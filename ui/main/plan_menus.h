#pragma once
// The main window's menu bar: File (plans), Edit (undo and redo, a list's
// rows copied and pasted), View (the plan at a glance) and Help. It stands
// above the form, which keeps its own size and layout; the window grows by
// the bar.

#include <QString>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace jubilo {

struct PlanMenus {
    QMenuBar* bar = nullptr;
    QMenu* fileMenu = nullptr;
    QAction* newPlan = nullptr;
    QAction* newPlanFromThis = nullptr;
    QAction* openPlan = nullptr;
    QMenu* recentMenu = nullptr;  // filled each time it opens
    QAction* savePlanAs = nullptr;
    QAction* importGuests = nullptr;
    QAction* exportList = nullptr;  // the list on show, as a CSV file
    QAction* exportTimetable = nullptr;  // Schedules and At The Party as a calendar
    QAction* quit = nullptr;
    QMenu* editMenu = nullptr;
    QAction* undo = nullptr;  // its text names the step it undoes
    QAction* redo = nullptr;
    QAction* copyRows = nullptr;  // both act on the list that has the focus
    QAction* pasteRows = nullptr;
    QMenu* viewMenu = nullptr;
    QAction* glance = nullptr;  // ticked while the glance window is up
    QMenu* helpMenu = nullptr;
    QAction* help = nullptr;
    QAction* about = nullptr;
};

// Makes the bar at the top of `window`, every menu and item with a
// mnemonic, its shortcut and an accessible name.
PlanMenus buildPlanMenus(QWidget& window);

// The text of a recent plan's item: its number as the mnemonic (1 to 8),
// then the file's name and its folder.
QString recentPlanItemText(int position, const QString& path);

}  // namespace jubilo
