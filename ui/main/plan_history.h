#pragma once
// The undo history of the plan on show, on a QUndoStack: every change to
// the plan is one step, named for the Edit menu. A step is pushed once its
// change is made and stored; undoing it or doing it again goes through the
// window, which changes the plan, its boxes and the store together.

#include "plan/plan_change.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <vector>

class QAction;
class QLineEdit;

namespace jubilo {

// Steps kept before the oldest is dropped: every change of a long evening.
inline constexpr int kMaxUndoSteps = 10000;

// A box that is no part of the plan but that the step filled (the dish's
// name "Load Sample Data" types).
struct BoxText {
    QLineEdit* box;
    QString before;
    QString after;
};

// The row a list had selected before the step and after it: 1-based, 0
// for none.
struct RowChoice {
    TableId table;
    int before;
    int after;
};

struct HistoryStep {
    PlanChange change;
    std::vector<BoxText> boxes;
    std::vector<RowChoice> choices;
};

class PlanHistory : public QObject {
    Q_OBJECT
public:
    // Brings the window and the store to one side of a step (`undo`: the
    // side before it). Throws, having changed nothing, when it cannot.
    using Apply = std::function<void(const HistoryStep& step, bool undo)>;

    explicit PlanHistory(Apply apply, QObject* parent = nullptr);

    const QUndoStack& stack() const { return stack_; }

    // The Edit menu's items follow the history: enabled when there is a
    // step, their texts naming it ("&Undo Delete Guest").
    void bindActions(QAction& undo, QAction& redo);

    // Adds a step whose change is already made and stored.
    void push(const QString& name, HistoryStep step);
    // Each throws when the window cannot take the step; the history then
    // stays as it was, and the step can be tried again.
    void undo();
    void redo();
    // Another plan is on show.
    void clear();

private:
    friend class HistoryCommand;
    // For a step the stack itself runs: none of undo(), redo() or push().
    void runFromStack(const HistoryStep& step, bool undo);
    const HistoryStep& stepAt(int index) const;

    QUndoStack stack_;
    Apply apply_;
    bool applied_ = false;  // the step the stack runs now is applied already
};

}  // namespace jubilo
