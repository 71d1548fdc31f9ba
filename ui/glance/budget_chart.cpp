#include "ui/glance/budget_chart.h"

#include "figures/figure_texts.h"
#include "ui/glance/glance_texts.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace jubilo {

namespace {

inline constexpr double kHatchSpacingInLines = 0.45;  // of a line of text
inline constexpr double kSwatchInLines = 0.75;
inline constexpr double kDefaultChartWidthFactor = 1.4;  // of the minimum size
inline constexpr double kDefaultChartHeightFactor = 1.6;

QColor hatchColour() { return QColor(0x7A, 0x0C, 0x0C); }

// The part over budget: filled, hatched and outlined, so that it differs
// from the spent bar by more than colour.
void paintOver(QPainter& painter, const QRectF& area, double lineHeight)
{
    painter.fillRect(area, BudgetChart::overColour());
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(hatchColour(), lineHeight / 12));
    const double spacing = std::max(lineHeight * kHatchSpacingInLines, 1.0);
    for (double x = area.left() - area.height(); x < area.right(); x += spacing)
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x + area.height(), area.top()));
    painter.restore();
    painter.save();
    painter.setPen(QPen(hatchColour(), lineHeight / 10));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
    painter.restore();
}

void paintGrid(QPainter& painter, const ChartLayout& layout, const QPalette& palette, double lineHeight)
{
    for (double value : layout.axis.gridValues()) {
        const double y = layout.yOf(value);
        const bool zero = std::abs(value) < layout.axis.step / 2;
        painter.setPen(QPen(zero ? palette.color(QPalette::Text) : palette.color(QPalette::Mid), 1));
        painter.drawLine(QPointF(layout.plot.left(), y), QPointF(layout.plot.right(), y));
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(QRectF(0, y - lineHeight / 2, layout.labelRight, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, moneyText(value));
    }
}

void paintList(QPainter& painter, const ListBars& bars, const MoneyFigures& money, const ChartLayout& layout,
               double lineHeight)
{
    if (bars.budget)
        painter.fillRect(*bars.budget, BudgetChart::budgetColour());
    if (bars.spent)
        painter.fillRect(*bars.spent, BudgetChart::spentColour());
    if (bars.over)
        paintOver(painter, *bars.over, lineHeight);
    if (money.spent.isError()) {
        const double zero = layout.yOf(0);
        const QRectF where(bars.spentLane.left(), zero - lineHeight * 1.25, bars.spentLane.width(), lineHeight);
        painter.drawText(where, Qt::AlignHCenter | Qt::AlignBottom, money.spent.error);
    }
    painter.drawText(bars.name, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, listName(money));
}

// Budget, Spent and Over budget, right-aligned above the plot.
void paintLegend(QPainter& painter, const QRectF& row, const QFontMetricsF& metrics)
{
    const QString names[] = {BudgetChart::tr("Budget"), BudgetChart::tr("Spent"), BudgetChart::tr("Over budget")};
    const double swatch = metrics.height() * kSwatchInLines;
    const double gap = metrics.height() / 4;
    double width = 0;
    for (const QString& name : names)
        width += swatch + gap + metrics.horizontalAdvance(name) + 4 * gap;
    double x = std::max(row.left(), row.right() - width + 4 * gap);
    for (int i = 0; i < 3; ++i) {
        const QRectF box(x, row.center().y() - swatch / 2, swatch, swatch);
        if (i == 2)
            paintOver(painter, box, metrics.height());
        else
            painter.fillRect(box, i == 0 ? BudgetChart::budgetColour() : BudgetChart::spentColour());
        x = box.right() + gap;
        const double textWidth = metrics.horizontalAdvance(names[i]);
        painter.drawText(QRectF(x, row.top(), textWidth + gap, row.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         names[i]);
        x += textWidth + 4 * gap;
    }
}

}  // namespace

BudgetChart::BudgetChart(const FiguresTracker& tracker, QWidget* parent)
    : QWidget(parent)
    , tracker_(tracker)
{
    setObjectName(QStringLiteral("BudgetChart"));
    setAccessibleName(tr("Budget and spending chart"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Reached with Tab, so that the keyboard opens its menu and a screen
    // reader reads its description.
    setFocusPolicy(Qt::StrongFocus);
    connect(&tracker, &FiguresTracker::changed, this, &BudgetChart::figuresChanged);
    figuresChanged();
}

QColor BudgetChart::budgetColour() { return QColor(0x4C, 0x78, 0xA8); }
QColor BudgetChart::spentColour() { return QColor(0xF5, 0x85, 0x18); }
QColor BudgetChart::overColour() { return QColor(0xE0, 0x3A, 0x3A); }

QSize BudgetChart::minimumSizeHint() const { return minimumChartSize(QFontMetricsF(font())).toSize() + QSize(1, 1); }

QSize BudgetChart::sizeHint() const
{
    const QSizeF least = minimumChartSize(QFontMetricsF(font()));
    return QSizeF(least.width() * kDefaultChartWidthFactor, least.height() * kDefaultChartHeightFactor).toSize();
}

ChartLayout BudgetChart::currentLayout() const
{
    return chartLayout(tracker_.figures(), QSizeF(size()), QFontMetricsF(font()));
}

void BudgetChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QFontMetricsF metrics(font());
    const ChartLayout layout = currentLayout();
    paintGrid(painter, layout, palette(), metrics.height());
    painter.setPen(palette().color(QPalette::Text));
    paintLegend(painter, layout.legend, metrics);
    const PlanFigures& figures = tracker_.figures();
    for (std::size_t i = 0; i < layout.lists.size(); ++i) {
        painter.setPen(palette().color(QPalette::Text));
        paintList(painter, layout.lists[i], figures.money[i], layout, metrics.height());
    }
    if (hasFocus() && !drawingPicture_)
        paintFocusFrame(painter);
}

QImage BudgetChart::picture(int scale)
{
    QImage image(size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(palette().color(QPalette::Base));
    drawingPicture_ = true;
    render(&image);
    drawingPicture_ = false;
    return image;
}

// A frame in the highlight colour round the chart while it has the focus.
void BudgetChart::paintFocusFrame(QPainter& painter) const
{
    const double width = QFontMetricsF(font()).height() / 8;
    painter.setPen(QPen(palette().color(QPalette::Highlight), width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
}

void BudgetChart::figuresChanged()
{
    update();
    const QString description = chartDescription(tracker_.figures());
    if (description != accessibleDescription())
        setAccessibleDescription(description);
}

}  // namespace jubilo
