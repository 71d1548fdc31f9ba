#include "spreadsheet/picture/cell_fonts_p.h"

#include "spreadsheet/picture/sheet_geometry_p.h"

#include <QStringList>

#include <mutex>

namespace jubilo::spreadsheet::picture {

void registerFontSubstitutes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // Liberation and P052 share the metrics of the fonts they stand for;
        // nothing free matches Century Gothic's, and the geometric URW Gothic
        // (or TeX Gyre Adventor, cut from the same design) comes closest.
        QFont::insertSubstitutions(QStringLiteral("Century Gothic"),
                                   {QStringLiteral("URW Gothic"), QStringLiteral("TeX Gyre Adventor")});
        QFont::insertSubstitutions(QStringLiteral("Palatino Linotype"),
                                   {QStringLiteral("P052"), QStringLiteral("TeX Gyre Pagella")});
        QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
        QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif")});
        QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono")});
    });
}

QFont cellFont(const Font& font)
{
    QFont f(font.name);
    f.setPixelSize(qMax(1, pointsToPixels(font.height / 20.0)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeout);
    return f;
}

}  // namespace jubilo::spreadsheet::picture
