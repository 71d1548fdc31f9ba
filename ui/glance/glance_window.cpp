#include "ui/glance/glance_window.h"

#include "ui/glance/budget_chart.h"
#include "ui/glance/chart_saving.h"
#include "ui/glance/glance_table_model.h"
#include "ui/glance/glance_texts.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace jubilo {

namespace {

inline constexpr double kGuestsLineScale = 1.25;  // of the window's font

}  // namespace

GlanceWindow::GlanceWindow(const FiguresTracker& tracker, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , tracker_(tracker)
{
    setObjectName(QStringLiteral("GlanceWindow"));
    setWindowTitle(tr("Plan at a Glance"));

    guests_ = new QLabel(this);
    QFont larger = guests_->font();
    larger.setPointSizeF(larger.pointSizeF() * kGuestsLineScale);
    guests_->setFont(larger);
    uncounted_ = new QLabel(this);
    buildTable(new GlanceTableModel(tracker, this));
    chart_ = new BudgetChart(tracker, this);

    saveChart_ = new QAction(tr("Save Chart as PNG…"), this);
    connect(saveChart_, &QAction::triggered, this, [this] { saveChartAsPng(*chart_); });
    chart_->addAction(saveChart_);
    chart_->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(guests_);
    layout->addWidget(uncounted_);
    layout->addWidget(table_);
    layout->addWidget(chart_, 1);

    connect(&tracker, &FiguresTracker::changed, this, &GlanceWindow::figuresChanged);
    figuresChanged();
}

// Read-only, sized to its six rows, read by screen readers cell by cell.
void GlanceWindow::buildTable(GlanceTableModel* model)
{
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("GlanceTable"));
    table_->setAccessibleName(tr("Budget against spending per list"));
    table_->setModel(model);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void GlanceWindow::figuresChanged()
{
    const PlanFigures& figures = tracker_.figures();
    guests_->setText(guestsLine(figures.guests));
    const QString uncounted = uncountedGuestsLine(figures.guests);
    uncounted_->setText(uncounted);
    uncounted_->setVisible(!uncounted.isEmpty());
    fitTableWidth();
}

// The columns share the window's width equally and never shrink below the
// widest text: the window is kept wide enough for the longest amount.
// Measured from the texts, since a view measures only the rows it has laid
// out.
void GlanceWindow::fitTableWidth()
{
    const QAbstractItemModel& model = *table_->model();
    const QFontMetrics metrics = table_->fontMetrics();
    const int margins = 2 * (table_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table_) + 1)
        + metrics.averageCharWidth();
    int widest = 0;
    for (int column = 0; column < model.columnCount(); ++column) {
        widest = std::max(widest, table_->horizontalHeader()->sectionSizeHint(column));
        for (int row = 0; row < model.rowCount(); ++row)
            widest = std::max(widest, metrics.horizontalAdvance(model.index(row, column).data().toString()) + margins);
    }
    table_->setMinimumWidth(table_->verticalHeader()->sizeHint().width() + 2 * table_->frameWidth()
                            + model.columnCount() * widest);
}

}  // namespace jubilo
