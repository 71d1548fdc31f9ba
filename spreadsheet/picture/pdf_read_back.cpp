#include "spreadsheet/picture/pdf_read_back_p.h"

#include <QByteArray>
#include <QRawFont>

#include <algorithm>
#include <mutex>
#include <unordered_map>
#include <vector>

namespace jubilo::spreadsheet::picture {

namespace {

// Below this, a glyph's first code point is taken to be its character:
// Latin-1 shares glyphs only with itself (a no-break space reads as a space).
constexpr char16_t kFirstMappedCheck = 0x100;

// Each font's glyphs with the first code point below U+10000 that maps to
// them, as the PDF writer finds it; found once per font for the process.
class FirstCodes {
public:
    char16_t of(const QRawFont& font, quint32 glyph)
    {
        // The head and maxp tables tell fonts apart; a font without them (Qt's
        // stand-in boxes) has no character map at all.
        const QByteArray key = font.fontTable("head") + font.fontTable("maxp");
        if (key.isEmpty())
            return 0;
        const std::lock_guard lock(mutex_);
        auto found = fonts_.find(key);
        if (found == fonts_.end())
            found = fonts_.emplace(key, build(font)).first;
        return glyph < found->second.size() ? found->second[glyph] : 0;
    }

private:
    static std::vector<char16_t> build(const QRawFont& font)
    {
        std::vector<QChar> chars(0x10000);
        for (char32_t c = 0; c < 0x10000; ++c)
            chars[c] = QChar::isSurrogate(c) ? QChar() : QChar(char16_t(c));
        std::vector<quint32> glyphs(chars.size());
        int count = int(glyphs.size());
        font.glyphIndexesForChars(chars.data(), int(chars.size()), glyphs.data(), &count);
        std::vector<char16_t> first(*std::max_element(glyphs.begin(), glyphs.end()) + 1, 0);
        for (char32_t c = 1; c < 0x10000; ++c)
            if (glyphs[c] && !first[glyphs[c]])
                first[glyphs[c]] = char16_t(c);
        return first;
    }

    std::mutex mutex_;
    std::unordered_map<QByteArray, std::vector<char16_t>> fonts_;
};

FirstCodes& firstCodes()
{
    static FirstCodes codes;
    return codes;
}

struct PlacedGlyph {
    double x;
    quint32 glyph;
    qsizetype run;
};

// The glyphs of the runs left to right, or none when a run goes right to left.
std::vector<PlacedGlyph> inVisualOrder(const QList<QGlyphRun>& runs)
{
    std::vector<PlacedGlyph> glyphs;
    for (qsizetype r = 0; r < runs.size(); ++r) {
        if (runs[r].isRightToLeft())
            return {};
        const QList<quint32> ids = runs[r].glyphIndexes();
        // One run's glyphs come in order; only several need their places.
        const QList<QPointF> at = runs.size() > 1 ? runs[r].positions() : QList<QPointF>();
        glyphs.reserve(glyphs.size() + std::size_t(ids.size()));
        for (qsizetype i = 0; i < ids.size(); ++i)
            glyphs.push_back({at.isEmpty() ? 0 : at[i].x(), ids[i], r});
    }
    if (runs.size() > 1)
        std::stable_sort(glyphs.begin(), glyphs.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
    return glyphs;
}

// The glyph each character maps to on its own in the font of the glyph drawn
// in its place: one look-up of the whole text for each font.
std::vector<quint32> mappedGlyphs(const QString& text, const std::vector<PlacedGlyph>& glyphs,
                                  const std::vector<QRawFont>& fonts)
{
    std::vector<quint32> mapped(glyphs.size());
    for (std::size_t f = 0; f < fonts.size(); ++f) {
        const QList<quint32> all = fonts[f].glyphIndexesForString(text);
        for (std::size_t i = 0; i < glyphs.size(); ++i)
            if (std::size_t(glyphs[i].run) == f)
                mapped[i] = all.value(qsizetype(i));
    }
    return mapped;
}

bool alone(QChar c) { return !c.isSurrogate() && c.direction() != QChar::DirR && c.direction() != QChar::DirAL; }

}  // namespace

bool pdfReadsBack(const QString& text, const QList<QGlyphRun>& runs)
{
    if (!std::all_of(text.begin(), text.end(), alone))
        return false;
    const std::vector<PlacedGlyph> glyphs = inVisualOrder(runs);
    if (qsizetype(glyphs.size()) != text.size())
        return false;
    std::vector<QRawFont> fonts;
    for (const QGlyphRun& run : runs)
        fonts.push_back(run.rawFont());
    const std::vector<quint32> mapped = mappedGlyphs(text, glyphs, fonts);
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const char16_t c = text[qsizetype(i)].unicode();
        const quint32 glyph = glyphs[i].glyph;
        if (glyph == 0 || mapped[i] != glyph)
            return false;
        if (c >= kFirstMappedCheck && firstCodes().of(fonts[std::size_t(glyphs[i].run)], glyph) != c)
            return false;
    }
    return true;
}

}  // namespace jubilo::spreadsheet::picture
