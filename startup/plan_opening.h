#pragma once
// Claiming a plan and opening it, for the window's start and its File
// menu: a plan file's lock is taken before the file is read, so a plan open
// in another Jubilo is never opened twice.

#include "startup/open_plan.h"

#include <QString>

#include <memory>
#include <optional>

namespace jubilo {

// The plan file's lock, or null: when another Jubilo holds it
// (`heldElsewhere` set, nothing said) or it cannot be taken (the message
// says why).
std::unique_ptr<PlanLock> claimPlanFile(const QString& path, bool& heldElsewhere);

// What a plan file's store tells the user (a damaged copy kept aside).
void showPlanFileNotice(const QString& text);

// A plan file claimed and opened. When the file is no plan or its lock
// cannot be taken, a message has said why and `plan` is empty; when
// another Jubilo has it open, nothing is said (the start and the menus say
// it differently) and `heldElsewhere` is set. A read-only plan is said so.
struct PlanFileOpening {
    std::optional<OpenPlan> plan;
    bool heldElsewhere = false;
};
PlanFileOpening openPlanFile(const QString& path);

// The plan a window starts on, into `plan`: the plan file named on the
// command line, or else the store's plan. A plan file another Jubilo has
// open ends the start as the store's plan does ("Jubilo is already
// open."); one that cannot be opened is said so and the store's plan opens
// instead. Answers the exit status to end with, the message said; nothing
// when the window may start.
std::optional<int> claimStartPlan(const QString& planFile, OpenPlan& plan);

}  // namespace jubilo
