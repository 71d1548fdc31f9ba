#include "ui/common/cursor_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CursorFile)
};

// ICONDIR (6 bytes) then the first ICONDIRENTRY; in a cursor file the
// entry's planes and bit-count words hold the hot spot.
constexpr int kHeaderSize = 6 + 16;
constexpr quint16 kCursorType = 2;

QPoint hotSpotOf(const QByteArray& bytes)
{
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < kHeaderSize || qFromLittleEndian<quint16>(data) != 0
        || qFromLittleEndian<quint16>(data + 2) != kCursorType || qFromLittleEndian<quint16>(data + 4) == 0)
        throw std::runtime_error(Texts::tr("The file is not a cursor file").toStdString());
    return {qFromLittleEndian<quint16>(data + 6 + 4), qFromLittleEndian<quint16>(data + 6 + 6)};
}

}  // namespace

QCursor loadCursorFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error(Texts::tr("The cursor file could not be opened: %1").arg(path).toStdString());
    const QByteArray bytes = file.read(1 << 20);
    const QPoint hotSpot = hotSpotOf(bytes);
    QImage image;
    if (!image.loadFromData(bytes, "CUR") && !image.loadFromData(bytes, "ICO"))
        throw std::runtime_error(Texts::tr("The cursor file could not be read: %1").arg(path).toStdString());
    return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}

}  // namespace jubilo
