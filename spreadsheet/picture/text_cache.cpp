#include "spreadsheet/picture/text_cache_p.h"

#include "spreadsheet/picture/drawing_data_p.h"
#include "spreadsheet/picture/pdf_read_back_p.h"

#include <QTextLayout>

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

QList<QGlyphRun> shapeLine(const QString& text, const QFont& font, double* advance)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();  // laid out unbounded by endLayout
    layout.endLayout();
    if (advance)
        *advance = line.horizontalAdvance();
    return layout.glyphRuns();
}

const QList<QGlyphRun>& TextCache::glyphs(const DrawingData& data, quint32 text, quint32 font)
{
    const quint64 key = quint64(text) << 32 | font;
    if (const auto kept = data.shapes.find(key); kept != data.shapes.end())
        return kept->second;
    if (const auto found = glyphs_.find(key); found != glyphs_.end())
        return found->second;
    if (glyphs_.size() >= kMaxCachedLines)
        glyphs_.clear();
    return glyphs_.emplace(key, shapeLine(data.strings[text], data.fonts[font].font)).first->second;
}

bool TextCache::readsBack(const DrawingData& data, quint32 text, quint32 font)
{
    const quint64 key = quint64(text) << 32 | font;
    if (const auto found = readBack_.find(key); found != readBack_.end())
        return found->second;
    if (readBack_.size() >= kMaxCachedLines)
        readBack_.clear();
    return readBack_.emplace(key, pdfReadsBack(data.strings[text], glyphs(data, text, font))).first->second;
}

}  // namespace jubilo::spreadsheet::picture
