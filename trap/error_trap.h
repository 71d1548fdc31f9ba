#pragma once
// The standard error trap. A procedure arms one with its location and runs
// its numbered steps through it; a failing step shows the error box with the
// step's number and the procedure goes on with the next step. Steps are
// numbered as the error box reports them (100, 102, ...).
//
//   ErrorTrap trap(locations::kMainWindowLoad);
//   trap.step(100, [&] { applySkin(window); });
//   if (trap.condition(116, [&] { return fileExists(path); }))
//       trap.step(118, [&] { loadCursor(path); });
//
// Procedures without a trap of their own simply throw; the trap of whoever
// called them reports the failure at the caller's step.

#include "trap/error_location.h"

#include <QString>

#include <exception>
#include <utility>

namespace jubilo {

// The description of the exception being handled.
QString describeCurrentException();

class ErrorTrap {
public:
    explicit ErrorTrap(const ErrorLocation& location)
        : location_(location)
    {
    }

    // True when the step ran to its end. A run whose later steps need what
    // a step made ends there instead of failing at each of them in turn.
    template <class Step>
    bool step(int line, Step&& run)
    {
        reached_ = line;
        try {
            std::forward<Step>(run)();
            return true;
        } catch (...) {
            report();
            return false;
        }
    }

    // Evaluates a condition. When evaluating it fails, the failure is shown
    // and the answer is true: execution resumes with the first guarded step.
    template <class Condition>
    bool condition(int line, Condition&& test)
    {
        reached_ = line;
        try {
            return static_cast<bool>(std::forward<Condition>(test)());
        } catch (...) {
            report();
            return true;
        }
    }

    int lastStep() const { return reached_; }
    int failureCount() const { return failures_; }

private:
    void report();

    ErrorLocation location_;
    int reached_ = 0;
    int failures_ = 0;
};

// For event handlers that have no numbered steps (budget changes, focus,
// pointer): a failure shows the error box naming the handler, at line 0,
// instead of escaping into the event loop.
template <class Handler>
void guardHandler(const ErrorLocation& handler, Handler&& run)
{
    ErrorTrap trap(handler);
    trap.step(0, std::forward<Handler>(run));
}

}  // namespace jubilo
