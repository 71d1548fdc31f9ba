#include "host/engine/engine_picture.h"

#include "platform/system.h"
#include "spreadsheet/model/range.h"
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

void copyPicture(const spreadsheet::Range& range) { system().setClipboardPicture(pictureOfRange(range)); }

}  // namespace jubilo::engine
