#include "engine_host/engine_picture.h"

#include "spreadsheet/picture/range_picture.h"
#include "spreadsheet/model/range.h"
#include "spreadsheet/model/worksheet.h"

#include <QClipboard>
#include <QGuiApplication>

#include <stdexcept>

namespace jubilo {

namespace {

PictureSink& currentSink()
{
    static PictureSink sink;
    return sink;
}

}  // namespace

void putPictureOnClipboard(const QImage& picture)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        throw std::runtime_error("CopyPicture needs the desktop's clipboard, and no GUI application is running");
    QGuiApplication::clipboard()->setImage(picture);
}

PictureSink setEnginePictureSink(PictureSink sink) { return std::exchange(currentSink(), std::move(sink)); }

namespace engine {

void copyPicture(const spreadsheet::Range& range)
{
    const auto sheet = range.worksheet();
    const QImage picture = spreadsheet::picture::drawRange(*sheet, range.rect());
    if (picture.isNull())
        throw std::runtime_error("The picture of the range could not be drawn");
    if (const PictureSink& sink = currentSink())
        sink(picture);
    else
        putPictureOnClipboard(picture);
}

}  // namespace engine
}  // namespace jubilo
