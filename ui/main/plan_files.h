#pragma once
// The File menu's commands on plan files: a new plan, the next party's
// plan from this one, opening a plan (from the dialog, the recent list or
// the command line) and saving the plan under another name. Each new plan
// is written whole before the window turns to it; each is claimed first, so
// a plan open in another Jubilo is never opened twice.

#include "plan/stored_values.h"
#include "startup/open_plan.h"
#include "startup/plan_opening.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace jubilo {

class Plan;
class ErrorTrap;
struct ErrorLocation;

// What the commands need of the window that shows the plan.
class PlanWindow {
public:
    virtual ~PlanWindow() = default;
    virtual const Plan& shownPlan() const = 0;
    virtual const OpenPlan& openPlan() const = 0;
    // The plan as it is stored now; a table kept whole in the store (more
    // rows than a list shows) with all its stored rows.
    virtual StoredValues valuesAsStored() const = 0;
    // Turns the window to `plan`, which is already claimed and readable.
    virtual void showPlan(OpenPlan plan) = 0;
};

class PlanFiles {
public:
    explicit PlanFiles(PlanWindow& window);

    void newPlan();
    void newPlanFromThis();
    void openPlan();
    void openRecent(const QString& path);
    void savePlanAs();

private:
    void open(ErrorTrap& trap, const QString& path);
    void create(const QString& title, const std::function<StoredValues()>& values, const ErrorLocation& where);
    bool isOpenNow(const QString& path) const;

    PlanWindow& window_;
};

// The values of a new, empty plan file: the tables and budgets, empty, and
// no date, so the date follows the clock until it is typed.
StoredValues newPlanValues();

}  // namespace jubilo
