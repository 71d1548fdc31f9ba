#pragma once
// A header or footer's text (see PageSetup::header) read for one printed
// page: &L, &C and &R start the left, centre and right sections; &P, &N,
// &D, &T, &F and &A become the page number, the number of pages, the date,
// the time, the file name and the sheet name; && is an ampersand; &B, &I,
// &U and &S switch bold, italic, underline and strike-out, &"Font,Style"
// sets the font and its style and &nn its size in points. Other codes (&X,
// &Y, &E, &O, &H, &Kxxxxxx ...) and malformed ones print nothing. Each
// section starts in the default font; line breaks start new lines.

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <array>
#include <vector>

namespace jubilo::spreadsheet::picture {

inline constexpr double kMinHeaderPoints = 1;
inline constexpr double kMaxHeaderPoints = 409;

struct HeaderFont {
    QString family = QStringLiteral("Arial");
    double points = 10;
    bool bold = false, italic = false, underline = false, strikeout = false;
    bool operator==(const HeaderFont&) const = default;
};

struct HeaderRun {
    QString text;
    HeaderFont font;
    bool operator==(const HeaderRun&) const = default;
};

struct HeaderLine {
    std::vector<HeaderRun> runs;  // neighbours differ in font
    double points = 10;  // the largest size on it, or the size when empty
    bool operator==(const HeaderLine&) const = default;
};

// Left, centre and right; a section with no text has no lines.
using HeaderPrint = std::array<std::vector<HeaderLine>, 3>;

// What the codes stand for on one page.
struct HeaderValues {
    int page = 1, pages = 1;
    QDateTime printedAt;  // &D and &T in the locale's short formats
    QLocale locale = QLocale::c();
    QString fileName, sheetName;
    HeaderFont font;  // the default
};

HeaderPrint readHeaderText(const QString& text, const HeaderValues& values);

}  // namespace jubilo::spreadsheet::picture
