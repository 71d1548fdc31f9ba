#include "host/engine/engine_pages.h"

#include "platform/system.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/page_drawing.h"

namespace jubilo::engine {

namespace {

// The engine's drawing of a sheet's pages as host pages.
class DrawingPages : public HostPages {
public:
    explicit DrawingPages(spreadsheet::Worksheet& sheet)
        : pages_(sheet, system().now())
    {
    }

    int count() const override { return pages_.pageCount(); }
    QPageLayout pageLayout() const override { return pages_.paperLayout(); }
    void paint(QPainter& painter, int index, double dotsPerPoint) const override
    {
        pages_.paintPage(painter, index, dotsPerPoint);
    }

private:
    spreadsheet::picture::PageDrawing pages_;
};

}  // namespace

std::shared_ptr<const HostPages> printedPages(spreadsheet::Worksheet& sheet)
{
    return std::make_shared<DrawingPages>(sheet);
}

PrintResult printOut(spreadsheet::Worksheet& sheet)
{
    return system().printPages([&sheet] { return printedPages(sheet); });
}

}  // namespace jubilo::engine
