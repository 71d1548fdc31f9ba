#include "ui/main/box_visits.h"

#include <QEvent>
#include <QLineEdit>

namespace jubilo {

BoxVisits::BoxVisits(const Plan& plan, Ended ended, QObject* parent)
    : QObject(parent)
    , plan_(plan)
    , ended_(std::move(ended))
{
}

void BoxVisits::watch(QLineEdit& box, const QString& stepName)
{
    names_[&box] = stepName;
    box.installEventFilter(this);
}

// Budgets and the date only: the boxes change nothing else.
void BoxVisits::begin(QLineEdit& box)
{
    box_ = &box;
    start_.emplace(plan_, std::span<const TableId>());
}

void BoxVisits::end()
{
    if (!box_ || !start_)
        return;
    PlanChange change = start_->changeTo(plan_);
    const QString name = names_[box_];
    box_ = nullptr;
    start_.reset();
    if (!change.isEmpty())
        ended_(name, std::move(change));
}

void BoxVisits::settle()
{
    QLineEdit* box = box_;
    end();
    if (box && box->hasFocus())
        begin(*box);
}

void BoxVisits::forget()
{
    box_ = nullptr;
    start_.reset();
    for (const auto& [box, name] : names_) {
        if (box->hasFocus())
            begin(*box);
    }
}

bool BoxVisits::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && names_.count(box)) {
        if (event->type() == QEvent::FocusIn) {
            end();
            begin(*box);
        } else if (event->type() == QEvent::FocusOut && box == box_) {
            end();
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace jubilo
