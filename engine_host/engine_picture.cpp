#include "engine_host/engine_picture.h"

#include "platform/bitmap_picture.h"
#include "platform/system.h"
#include "spreadsheet/model/range.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/picture/range_picture.h"

#include <stdexcept>

namespace jubilo::engine {

std::shared_ptr<const HostPicture> pictureOfRange(const spreadsheet::Range& range)
{
    const auto sheet = range.worksheet();
    QImage bitmap = spreadsheet::picture::drawRange(*sheet, range.rect());
    if (bitmap.isNull())
        throw std::runtime_error("The picture of the range could not be drawn");
    return std::make_shared<BitmapPicture>(std::move(bitmap));
}

void copyPicture(const spreadsheet::Range& range) { system().setClipboardPicture(pictureOfRange(range)); }

}  // namespace jubilo::engine
