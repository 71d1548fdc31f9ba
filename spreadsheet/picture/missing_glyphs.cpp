#include "spreadsheet/picture/missing_glyphs_p.h"

namespace jubilo::spreadsheet::picture {

namespace {

constexpr char16_t kWordJoiner = 0x2060;

// Characters that draw nothing of their own, so no font needs them.
bool drawsNothing(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        break;
    }
    return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF);  // variation selectors
}

}  // namespace

bool markMissing(QString& text, const QFontMetricsF& metrics)
{
    bool marked = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        const char32_t c = pair ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
        if (drawsNothing(c) || metrics.inFontUcs4(c)) {
            i += pair;
            continue;
        }
        marked = true;
        text[i] = metrics.inFont(QChar(0xFFFD)) ? QChar(0xFFFD) : QChar(u'?');
        if (pair)
            text[++i] = QChar(kWordJoiner);
    }
    return marked;
}

}  // namespace jubilo::spreadsheet::picture
