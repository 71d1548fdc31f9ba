#pragma once
// Where the budget chart puts everything, worked out afresh from the
// widget's size and font at every paint, in floating point: the same
// figures laid out at any size or scale, so the chart is sharp wherever
// it is drawn (a high-DPI screen, a large window, an image twice the size).
//
// Sizes and positions are in the widget's logical pixels.

#include "figures/plan_figures.h"

#include <QFontMetricsF>
#include <QRectF>
#include <QSizeF>

#include <array>
#include <optional>
#include <vector>

namespace jubilo {

// The value axis: from low to high in steps, low and high on a step, zero
// between them or at one end.
struct ChartAxis {
    double low = 0;
    double high = 0;
    double step = 0;

    // The values of the grid lines, low to high.
    std::vector<double> gridValues() const;
};

// An axis that holds every value and zero, in a round step (1, 2, 2.5 or 5
// times a power of ten) that makes about four intervals.
ChartAxis chartAxis(const std::vector<double>& values);

// One money list's place in the chart.
struct ListBars {
    QRectF slot;  // the list's share of the plot's width
    std::optional<QRectF> budget;  // none without a budget
    std::optional<QRectF> spent;  // the part within the budget; none when it is an error
    std::optional<QRectF> over;  // the part past the budget
    QRectF spentLane;  // where the spent bar stands, or its error text
    QRectF name;  // where the list's name is written, under the bars
};

struct ChartLayout {
    QRectF plot;  // where the bars stand; the grid spans its width
    ChartAxis axis;
    double labelRight = 0;  // the grid's money labels end here
    QRectF legend;  // the legend's row, above the plot
    std::array<ListBars, kMoneyTableCount> lists;

    // The height in the plot of a value.
    double yOf(double value) const;
};

ChartLayout chartLayout(const PlanFigures& figures, const QSizeF& size, const QFontMetricsF& metrics);

// The space a readable chart needs: every list's name fits under its bars.
QSizeF minimumChartSize(const QFontMetricsF& metrics);

}  // namespace jubilo
