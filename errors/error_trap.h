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
// A step the rest of the procedure needs is essential: when it fails, its
// box is shown and the procedure is abandoned. The steps after it would
// only fail in turn, so they are passed over, except the cleanup steps that
// give back what the procedure took:
//
//   trap.essential(176, [&] { book.saveAs(path); });
//   trap.step(178, [&] { report(path); });     // passed over
//   trap.cleanup(180, [&] { book.close(); });  // runs either way
//
// Procedures without a trap of their own simply throw; the trap of whoever
// called them reports the failure at the caller's step.

#include "errors/error_location.h"

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

    // True when the step ran to its end; false, without running it, in an
    // abandoned procedure.
    template <class Step>
    bool step(int line, Step&& run)
    {
        if (abandoned_)
            return false;
        reached_ = line;
        try {
            std::forward<Step>(run)();
            return true;
        } catch (...) {
            report();
            return false;
        }
    }

    // A step the rest of the procedure needs: when it fails, the procedure
    // is abandoned after its box.
    template <class Step>
    bool essential(int line, Step&& run)
    {
        if (step(line, std::forward<Step>(run)))
            return true;
        abandon();
        return false;
    }

    // A step that gives back what the procedure took (closes a workbook,
    // quits a host, restores the pointer). It runs in an abandoned procedure
    // too, where its failure shows no box: the box that abandoned the
    // procedure has said what went wrong.
    template <class Step>
    bool cleanup(int line, Step&& run)
    {
        if (!abandoned_)
            return step(line, std::forward<Step>(run));
        reached_ = line;
        try {
            std::forward<Step>(run)();
            return true;
        } catch (...) {
            return false;
        }
    }

    // Abandons the procedure without a box of its own: for a procedure it
    // called under a trap of its own, which has shown the box.
    void abandon() { abandoned_ = true; }
    bool abandoned() const { return abandoned_; }

    // Evaluates a condition. When evaluating it fails, the failure is shown
    // and the answer is true: execution resumes with the first guarded step.
    // In an abandoned procedure it is not evaluated and the answer is false.
    template <class Condition>
    bool condition(int line, Condition&& test)
    {
        if (abandoned_)
            return false;
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
    bool abandoned_ = false;
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
