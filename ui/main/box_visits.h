#pragma once
// A budget box or the date box is one undo step per visit: what the user
// types between focus-in and focus-out is stored keystroke by keystroke,
// and becomes one step when the box is left. Inside the box its own text
// undo keeps working.

#include "plan/plan_change.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>
#include <optional>

class QLineEdit;

namespace jubilo {

class BoxVisits : public QObject {
    Q_OBJECT
public:
    // `ended` takes a visit that changed the plan, with the box's step name.
    using Ended = std::function<void(const QString& name, PlanChange change)>;

    BoxVisits(const Plan& plan, Ended ended, QObject* parent = nullptr);

    void watch(QLineEdit& box, const QString& stepName);
    // Ends the visit under way as if the box were left, and starts a new
    // one when the box still has focus: before an undo, a redo or another
    // step, so that the visit's change comes first.
    void settle();
    // Forgets the visit under way: its box now shows another plan.
    void forget();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void begin(QLineEdit& box);
    void end();

    const Plan& plan_;
    Ended ended_;
    std::map<QLineEdit*, QString> names_;
    QLineEdit* box_ = nullptr;  // the box of the visit under way
    std::optional<PlanSnapshot> start_;
};

}  // namespace jubilo
