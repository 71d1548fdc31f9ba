#include "ui/main/budget_tips.h"

#include <QCoreApplication>
#include <QLineEdit>

namespace jubilo {

namespace {

// Enough of the text to recognise it by.
QString quoted(const QString& text)
{
    constexpr int kShownCharacters = 40;
    return text.size() <= kShownCharacters ? text : text.left(kShownCharacters) + QChar(0x2026);
}

}  // namespace

void showBudgetTips(const MainWindowWidgets& widgets, const Plan& plan, const PlanFigures& figures)
{
    for (const MoneyFigures& money : figures.money) {
        const QString text = plan.budget(money.budgetId);
        const bool unread = !money.budget && !text.trimmed().isEmpty();
        QLineEdit& box = budgetBox(widgets, money.budgetId);
        const QString tip = unread ? QCoreApplication::translate("BudgetTips",
                                                                 "\"%1\" does not read as an amount, so this list has "
                                                                 "no budget in the plan's figures. The text is kept "
                                                                 "as typed.")
                                         .arg(quoted(text))
                                   : QString();
        if (box.toolTip() != tip)
            box.setToolTip(tip);
    }
}

}  // namespace jubilo
