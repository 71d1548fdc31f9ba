#pragma once
// The glance window's bar chart: for each money list its budget and what it
// spends, side by side, with a grid of amounts, the lists' names under the
// bars and a legend. The part spent past the budget is hatched and outlined
// in another colour; a list without a budget has its spent bar alone, and a
// spending that is an error ("#N/A") has no bar but its error written where
// the bar would stand. Drawn with QPainter from the layout of the moment
// (chart_layout.h), so it is sharp at any size and scale. Its accessible
// description says the same figures in words, one sentence per list.

#include "figures/figures_tracker.h"
#include "ui/glance/chart_layout.h"

#include <QColor>
#include <QImage>
#include <QWidget>

class QPainter;

namespace jubilo {

class BudgetChart : public QWidget {
    Q_OBJECT
public:
    explicit BudgetChart(const FiguresTracker& tracker, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    // Where everything stands at the widget's present size and font.
    ChartLayout currentLayout() const;
    // The chart drawn afresh into an image `scale` times its size, whose
    // device pixel ratio says so; without the focus frame.
    QImage picture(int scale);

    static QColor budgetColour();
    static QColor spentColour();
    static QColor overColour();  // the part past the budget, hatched in a darker shade

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void figuresChanged();
    void paintFocusFrame(QPainter& painter) const;

    const FiguresTracker& tracker_;
    bool drawingPicture_ = false;
};

}  // namespace jubilo
