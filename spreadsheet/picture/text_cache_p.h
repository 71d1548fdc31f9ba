#pragma once
// The lines of text a drawing has painted, laid out once for each scale
// they were painted at, or once as glyph runs for devices that draw them
// through the painter's scale. Each cache is bounded: past kMaxCachedLines
// it starts over.

#include <QGlyphRun>
#include <QList>
#include <QStaticText>

#include <mutex>
#include <unordered_map>

namespace jubilo::spreadsheet::picture {

struct DrawingData;

inline constexpr std::size_t kMaxCachedLines = 4096;

// One line of text in a font, laid out without a width limit, its baseline
// at the line's ascent; `advance` gets its width, trailing spaces included.
QList<QGlyphRun> shapeLine(const QString& text, const QFont& font, double* advance = nullptr);

class TextCache {
public:
    // Text `text` of the drawing in its font `font`, ready to paint at `scale`.
    const QStaticText& line(const DrawingData& data, quint32 text, quint32 font, double scale);
    // The same text shaped once (or as the drawing kept it), for any scale.
    const QList<QGlyphRun>& glyphs(const DrawingData& data, quint32 text, quint32 font);
    // Whether a PDF gives those glyphs' text back (see pdf_read_back_p.h).
    bool readsBack(const DrawingData& data, quint32 text, quint32 font);
    // Held while painting: a drawing paints from one thread at a time.
    std::mutex& mutex() { return mutex_; }

private:
    struct Key {
        quint32 text;
        quint32 font;
        double scale;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const;
    };

    std::mutex mutex_;
    std::unordered_map<Key, QStaticText, KeyHash> lines_;
    std::unordered_map<quint64, QList<QGlyphRun>> glyphs_;  // by text << 32 | font
    std::unordered_map<quint64, bool> readBack_;  // the same way
};

}  // namespace jubilo::spreadsheet::picture
