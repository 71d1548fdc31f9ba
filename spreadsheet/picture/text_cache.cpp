#include "spreadsheet/picture/text_cache_p.h"

#include "spreadsheet/picture/drawing_data_p.h"

#include <functional>

namespace jubilo::spreadsheet::picture {

std::size_t TextCache::KeyHash::operator()(const Key& k) const
{
    return std::hash<quint64>()(quint64(k.text) << 32 | k.font) ^ std::hash<double>()(k.scale);
}

const QStaticText& TextCache::line(const DrawingData& data, quint32 text, quint32 font, double scale)
{
    const Key key{text, font, scale};
    if (const auto found = lines_.find(key); found != lines_.end())
        return found->second;
    if (lines_.size() >= kMaxCachedLines)
        lines_.clear();
    QStaticText line(data.strings[text]);
    line.setTextFormat(Qt::PlainText);
    line.prepare(QTransform::fromScale(scale, scale), data.fonts[font].font);
    return lines_.emplace(key, std::move(line)).first->second;
}

}  // namespace jubilo::spreadsheet::picture
