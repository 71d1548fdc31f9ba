#include "host/engine/engine_picture.h"

#include "spreadsheet/model/application.h"
#include "spreadsheet/model/range.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/sheet_drawing.h"

namespace jubilo::engine {

namespace {

// The engine's drawing of a range as a host picture.
class DrawingPicture : public HostPicture {
public:
    explicit DrawingPicture(spreadsheet::picture::SheetDrawing drawing)
        : drawing_(std::move(drawing))
    {
    }

    QSize size() const override { return drawing_.size(); }
    void paint(QPainter& painter, const QRect& area, double scale) const override
    {
        drawing_.paint(painter, area, scale);
    }

private:
    spreadsheet::picture::SheetDrawing drawing_;
};

}  // namespace

std::shared_ptr<const HostPicture> pictureOfRange(const spreadsheet::Range& range)
{
    const auto sheet = range.worksheet();
    return std::make_shared<DrawingPicture>(spreadsheet::picture::SheetDrawing(*sheet, range.rect()));
}

void copyPicture(const spreadsheet::Range& range)
{
    std::shared_ptr<const HostPicture> picture = pictureOfRange(range);
    range.worksheet()->workbook().application().setClipboard(std::move(picture));
}

std::shared_ptr<const HostPicture> copiedPicture(const spreadsheet::Application& app)
{
    const auto* picture = std::any_cast<std::shared_ptr<const HostPicture>>(&app.clipboard());
    return picture ? *picture : nullptr;
}

}  // namespace jubilo::engine
