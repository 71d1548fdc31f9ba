// The preview's paint of its viewport, drawn from the picture at the zoom:
// after a scroll to the end of a tall sheet, and after a zoom step.

#include "bench_main.h"
#include "process_memory.h"
#include "platform/qt_system.h"
#include "ui/preview/preview_window.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

namespace {

using namespace jubilo;

constexpr int kRowHeight = 20;
constexpr int kColumnWidth = 100;
constexpr int kColumns = 10;

// A sheet as the engine draws one: ruled rows and columns, a text in every
// cell, drawn for the asked area only.
class SheetLikePicture : public HostPicture {
public:
    explicit SheetLikePicture(int rows)
        : rows_(rows)
    {
    }

    QSize size() const override { return {kColumns * kColumnWidth, rows_ * kRowHeight}; }

    void paint(QPainter& painter, const QRect& area, double scale) const override
    {
        ++paints;
        painter.save();
        painter.translate(-area.topLeft());
        painter.setFont(QFont(QStringLiteral("Arial"), std::max(1, static_cast<int>(std::lround(8 * scale)))));
        const double height = kRowHeight * scale, width = kColumnWidth * scale;
        const int first = static_cast<int>(area.top() / height);
        const int last = std::min(rows_ - 1, static_cast<int>(area.bottom() / height));
        for (int row = first; row <= last; ++row) {
            for (int column = 0; column < kColumns; ++column) {
                const QRectF cell(column * width, row * height, width, height);
                if (!cell.intersects(area))
                    continue;
                painter.drawRect(cell);
                painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, QString::number(row + 1));
            }
        }
        painter.restore();
    }

    mutable long paints = 0;

private:
    int rows_;
};

// The desktop seam, without its boxes.
class BenchSystem : public QtSystem {
public:
    int messageBox(const QString&, int, const QString&) override { return msgbox::kAnswerOk; }
};

// The preview on screen with a sheet of `rows` rows.
struct ShownPreview {
    explicit ShownPreview(int rows)
        : picture(std::make_shared<SheetLikePicture>(rows))
    {
        window.loadPicture(picture);
        window.show();
        QApplication::processEvents();
    }
    // What the event loop would paint next: the exposed parts of the picture.
    void paint() { QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest); }

    std::shared_ptr<SheetLikePicture> picture;
    BenchSystem sys;
    ScopedSystem installed{sys};
    PreviewWindow window;
};

void BM_PaintAfterScrollToEnd(benchmark::State& state)
{
    const long before = bench::residentKiB();
    ShownPreview preview(static_cast<int>(state.range(0)));
    QScrollBar& bar = preview.window.verticalScrollBar();
    for (auto _ : state) {
        bar.setValue(bar.maximum());
        preview.paint();
        state.PauseTiming();
        bar.setValue(0);
        preview.paint();
        state.ResumeTiming();
    }
    state.counters["height_px"] = preview.window.zoomedSize().height();
    state.counters["rss_growth_kB"] = static_cast<double>(bench::residentKiB() - before);
    state.counters["paints"]
        = benchmark::Counter(static_cast<double>(preview.picture->paints), benchmark::Counter::kAvgIterations);
}
// 1,000 rows per table, and the engine's whole grid.
BENCHMARK(BM_PaintAfterScrollToEnd)->Arg(8000)->Arg(65536)->Unit(benchmark::kMillisecond);

// A zoom step taken at the end of the sheet, from 350% to 375% (a sheet
// 1,800 pixels tall). A taller sheet refuses every zoom, and the step
// returns it to 100% and to its top.
void BM_PaintAfterZoomStep(benchmark::State& state)
{
    ShownPreview preview(static_cast<int>(state.range(0)));
    for (int step = 0; step < 10; ++step)
        preview.window.zoomIn();
    QScrollBar& bar = preview.window.verticalScrollBar();
    float taken = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bar.setValue(bar.maximum());
        preview.paint();
        state.ResumeTiming();
        preview.window.zoomIn();
        preview.paint();
        state.PauseTiming();
        taken = preview.window.zoom();
        preview.window.zoomOut();
        state.ResumeTiming();
    }
    state.counters["zoom_pct"] = taken * 100;
    state.counters["paints"]
        = benchmark::Counter(static_cast<double>(preview.picture->paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PaintAfterZoomStep)->Arg(90)->Arg(65536)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    jubilo::bench::useOffscreenPlatform();
    QApplication app(argc, argv);
    return jubilo::bench::runBenchmarks(argc, argv);
}
