#pragma once
// The lines of text a drawing has painted, laid out once for each scale
// they were painted at. The cache is bounded: past kMaxCachedLines it
// starts over.

#include <QStaticText>

#include <mutex>
#include <unordered_map>

namespace jubilo::spreadsheet::picture {

struct DrawingData;

inline constexpr std::size_t kMaxCachedLines = 4096;

class TextCache {
public:
    // Text `text` of the drawing in its font `font`, ready to paint at `scale`.
    const QStaticText& line(const DrawingData& data, quint32 text, quint32 font, double scale);
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
};

}  // namespace jubilo::spreadsheet::picture
