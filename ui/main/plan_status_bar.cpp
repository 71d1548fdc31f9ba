#include "ui/main/plan_status_bar.h"

#include "figures/figure_texts.h"
#include "figures/figures_tracker.h"

#include <QLabel>

namespace jubilo {

PlanStatusBar::PlanStatusBar(const FiguresTracker& figures, QWidget* parent)
    : QStatusBar(parent)
    , figures_(figures)
    , line_(new QLabel(this))
{
    setObjectName(QStringLiteral("PlanStatusBar"));
    setSizeGripEnabled(false);
    line_->setObjectName(QStringLiteral("PlanSummary"));
    line_->setAccessibleName(tr("Plan summary"));
    line_->setTextFormat(Qt::PlainText);
    line_->setContentsMargins(6, 0, 6, 0);  // in line with the form's frames
    addWidget(line_, 1);
    connect(&figures_, &FiguresTracker::changed, this, &PlanStatusBar::showFigures);
    showFigures();
}

QString PlanStatusBar::summary() const { return line_->text(); }

void PlanStatusBar::showFigures()
{
    const PlanFigures& figures = figures_.figures();
    line_->setText(planSummaryLine(figures));
    const bool over = isOverBudget(figures.totalSpent(), figures.totalBudget());
    if (over == overBudget_)
        return;
    overBudget_ = over;
    QFont font = line_->font();
    font.setBold(over);
    line_->setFont(font);
    QPalette palette = line_->palette();
    palette.setColor(QPalette::WindowText,
                     over ? QColor(0xB0, 0x00, 0x20) : this->palette().color(QPalette::WindowText));
    line_->setPalette(palette);
}

}  // namespace jubilo
