#include "ui/main/plan_history.h"

#include "errors/error_location.h"
#include "errors/error_trap.h"

#include <QAction>
#include <QUndoCommand>

namespace jubilo {

namespace {

// Sets a flag for as long as it lives.
class Raised {
public:
    explicit Raised(bool& flag)
        : flag_(flag)
    {
        flag_ = true;
    }
    ~Raised() { flag_ = false; }
    Raised(const Raised&) = delete;
    Raised& operator=(const Raised&) = delete;

private:
    bool& flag_;
};

}  // namespace

class HistoryCommand : public QUndoCommand {
public:
    HistoryCommand(PlanHistory& history, const QString& name, HistoryStep step)
        : QUndoCommand(name)
        , history_(history)
        , step_(std::move(step))
    {
    }
    const HistoryStep& step() const { return step_; }
    void undo() override { history_.runFromStack(step_, true); }
    void redo() override { history_.runFromStack(step_, false); }

private:
    PlanHistory& history_;
    HistoryStep step_;
};

PlanHistory::PlanHistory(Apply apply, QObject* parent)
    : QObject(parent)
    , apply_(std::move(apply))
{
    stack_.setUndoLimit(kMaxUndoSteps);
}

void PlanHistory::bindActions(QAction& undo, QAction& redo)
{
    connect(&stack_, &QUndoStack::canUndoChanged, &undo, &QAction::setEnabled);
    connect(&stack_, &QUndoStack::canRedoChanged, &redo, &QAction::setEnabled);
    // Whole phrases, so that a language may put the step where it belongs.
    connect(&stack_, &QUndoStack::undoTextChanged, &undo, [&undo](const QString& step) {
        //: The Edit menu's Undo with the step it undoes, as "Undo Delete Guest".
        undo.setText(step.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(step));
    });
    connect(&stack_, &QUndoStack::redoTextChanged, &redo, [&redo](const QString& step) {
        //: The Edit menu's Redo with the step it redoes, as "Redo Delete Guest".
        redo.setText(step.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(step));
    });
    undo.setEnabled(stack_.canUndo());
    redo.setEnabled(stack_.canRedo());
}

void PlanHistory::push(const QString& name, HistoryStep step)
{
    const Raised applied(applied_);
    stack_.push(new HistoryCommand(*this, name, std::move(step)));
}

const HistoryStep& PlanHistory::stepAt(int index) const
{
    return static_cast<const HistoryCommand*>(stack_.command(index))->step();
}

// The window takes the step first: when it cannot, the stack is not moved.
void PlanHistory::undo()
{
    if (!stack_.canUndo())
        return;
    apply_(stepAt(stack_.index() - 1), true);
    const Raised applied(applied_);
    stack_.undo();
}

void PlanHistory::redo()
{
    if (!stack_.canRedo())
        return;
    apply_(stepAt(stack_.index()), false);
    const Raised applied(applied_);
    stack_.redo();
}

void PlanHistory::clear() { stack_.clear(); }

void PlanHistory::runFromStack(const HistoryStep& step, bool undo)
{
    if (applied_)
        return;
    guardHandler(undo ? locations::kUndoClick : locations::kRedoClick, [&] { apply_(step, undo); });
}

}  // namespace jubilo
