#include "ui/glance/chart_layout.h"

#include "figures/figure_texts.h"

#include <algorithm>
#include <cmath>

namespace jubilo {

namespace {

inline constexpr int kTargetIntervals = 4;
inline constexpr double kRoundSteps[] = {1, 2, 2.5, 5, 10};
inline constexpr double kSmallestStep = 0.01;  // a cent
inline constexpr double kEmptyAxisHigh = 100;  // when every figure is zero
// Amounts past this are drawn at it, so the axis's arithmetic stays finite.
inline constexpr double kLargestCharted = 1e300;
inline constexpr double kBarShare = 0.32;  // of a list's slot, each bar
inline constexpr double kBarGapShare = 0.04;  // between a list's two bars
inline constexpr int kNameLines = 2;  // "Food and / Drinks" under narrow bars
inline constexpr int kMinimumPlotLines = 8;
// The chart's money labels are about as wide as this amount's, in any locale.
inline constexpr double kWidestLabelAmount = 10000;

double charted(double value) { return std::clamp(value, -kLargestCharted, kLargestCharted); }

double roundStep(double raw)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    for (double multiple : kRoundSteps) {
        if (raw <= multiple * magnitude * (1 + 1e-9))
            return multiple * magnitude;
    }
    return 10 * magnitude;
}

// The figures the axis must hold: every budget and every spending that is
// not an error.
std::vector<double> chartedValues(const PlanFigures& figures)
{
    std::vector<double> values;
    for (const MoneyFigures& money : figures.money) {
        if (money.budget)
            values.push_back(*money.budget);
        if (!money.spent.isError())
            values.push_back(money.spent.value);
    }
    return values;
}

double padding(const QFontMetricsF& metrics) { return metrics.height() / 2; }

double widestLabel(const ChartAxis& axis, const QFontMetricsF& metrics)
{
    double widest = 0;
    for (double value : axis.gridValues())
        widest = std::max(widest, metrics.horizontalAdvance(moneyText(value)));
    return widest;
}

// A bar from one value to another, whichever is higher.
QRectF barBetween(const ChartLayout& layout, double left, double width, double from, double to)
{
    const double top = layout.yOf(std::max(from, to));
    const double bottom = layout.yOf(std::min(from, to));
    return QRectF(left, top, width, bottom - top);
}

// The spent bar stops at the budget when it passes it; the rest is the
// part over. A budget below zero leaves the whole bar over.
void placeSpent(ListBars& bars, const MoneyFigures& money, const ChartLayout& layout, double left, double width)
{
    if (money.spent.isError())
        return;
    const double spent = charted(money.spent.value);
    if (!isOverBudget(money.spent, money.budget)) {
        bars.spent = barBetween(layout, left, width, 0, spent);
        return;
    }
    const double budget = std::clamp(charted(*money.budget), std::min(0.0, spent), std::max(0.0, spent));
    if (budget != 0)
        bars.spent = barBetween(layout, left, width, 0, budget);
    bars.over = barBetween(layout, left, width, budget, spent);
}

ListBars placeList(const MoneyFigures& money, const ChartLayout& layout, int index, double lineHeight)
{
    const double slotWidth = layout.plot.width() / kMoneyTableCount;
    ListBars bars;
    bars.slot = QRectF(layout.plot.left() + index * slotWidth, layout.plot.top(), slotWidth, layout.plot.height());
    const double centre = bars.slot.center().x();
    const double barWidth = slotWidth * kBarShare;
    const double gap = slotWidth * kBarGapShare;
    if (money.budget)
        bars.budget = barBetween(layout, centre - gap / 2 - barWidth, barWidth, 0, charted(*money.budget));
    placeSpent(bars, money, layout, centre + gap / 2, barWidth);
    bars.spentLane = QRectF(centre, layout.plot.top(), slotWidth / 2, layout.plot.height());
    bars.name = QRectF(bars.slot.left(), layout.plot.bottom() + lineHeight / 4, slotWidth, kNameLines * lineHeight);
    return bars;
}

}  // namespace

std::vector<double> ChartAxis::gridValues() const
{
    std::vector<double> values;
    const long intervals = step > 0 ? std::lround((high - low) / step) : 0;
    for (long i = 0; i <= intervals; ++i)
        values.push_back(low + static_cast<double>(i) * step);
    return values;
}

ChartAxis chartAxis(const std::vector<double>& values)
{
    double low = 0, high = 0;
    for (double value : values) {
        low = std::min(low, charted(value));
        high = std::max(high, charted(value));
    }
    if (low == high)
        high = kEmptyAxisHigh;
    const double step = std::max(roundStep((high - low) / kTargetIntervals), kSmallestStep);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

double ChartLayout::yOf(double value) const
{
    return plot.bottom() - (value - axis.low) / (axis.high - axis.low) * plot.height();
}

ChartLayout chartLayout(const PlanFigures& figures, const QSizeF& size, const QFontMetricsF& metrics)
{
    const double pad = padding(metrics);
    const double line = metrics.height();
    ChartLayout layout;
    layout.axis = chartAxis(chartedValues(figures));
    layout.labelRight = pad + widestLabel(layout.axis, metrics);
    layout.legend
        = QRectF(layout.labelRight + pad, pad / 2, std::max(0.0, size.width() - layout.labelRight - 2 * pad), line);
    const double top = layout.legend.bottom() + line;
    const double bottom = size.height() - pad / 2 - kNameLines * line - line / 4;
    layout.plot = QRectF(layout.legend.left(), top, std::max(1.0, layout.legend.width()), std::max(1.0, bottom - top));
    for (int i = 0; i < kMoneyTableCount; ++i)
        layout.lists[static_cast<std::size_t>(i)]
            = placeList(figures.money[static_cast<std::size_t>(i)], layout, i, line);
    return layout;
}

QSizeF minimumChartSize(const QFontMetricsF& metrics)
{
    double widestWord = 0;
    for (const MoneyTableSpec& spec : moneyTableSpecs()) {
        for (const QString& word : shownTableName(spec.table).split(QLatin1Char(' ')))
            widestWord = std::max(widestWord, metrics.horizontalAdvance(word));
    }
    const double pad = padding(metrics);
    const double labels = metrics.horizontalAdvance(moneyText(kWidestLabelAmount)) + 3 * pad;
    const double line = metrics.height();
    return {labels + kMoneyTableCount * (widestWord + 2 * pad), (3 + kNameLines + kMinimumPlotLines) * line};
}

}  // namespace jubilo
