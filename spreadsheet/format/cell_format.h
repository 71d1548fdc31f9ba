#pragma once
// The look of a cell, split the way the file format splits it: a font (FONT
// record), a number format code (FORMAT record) and the rest (XF record).
// Codes inside are the file format's own, so a writer copies them as they are.

#include "spreadsheet/xls/xls_codes.h"

#include <QString>

#include <array>
#include <cstddef>

namespace jubilo::spreadsheet {

// Colour index 0 means "automatic" everywhere below; 1..56 are palette entries.
struct Font {
    QString name = QStringLiteral("Arial");
    quint16 height = 200;  // twips, 1/20 point
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    quint8 colorIndex = 0;
    bool operator==(const Font&) const = default;
};

// Alignments and line styles are the file format's codes.
using HAlign = xls::XlsHAlign;
using VAlign = xls::XlsVAlign;

enum BorderSide : quint8 { kLeft = 0, kRight, kTop, kBottom };

using LineStyle = xls::XlsLine;

struct BorderLine {
    LineStyle style = LineStyle::None;
    quint8 colorIndex = 0;
    bool operator==(const BorderLine&) const = default;
};

struct CellFormat {
    quint16 font = 0;  // index into the workbook's font table
    quint16 numberFormat = 0;  // format code index: built-in below 164, custom from 164
    HAlign hAlign = HAlign::General;
    VAlign vAlign = VAlign::Bottom;
    quint8 indent = 0;
    bool wrap = false;
    bool quotePrefix = false;  // typed with a leading apostrophe
    quint8 fillColor = 0;  // 0: no fill; else a solid fill in that palette entry
    std::array<BorderLine, 4> borders{};
    bool operator==(const CellFormat&) const = default;
};

// Format edits that set one member to one value. With the value they make
// a key under which the workbook remembers what the edit gave for each
// format it started from.
enum class FormatSetter : quint8 {
    Fill = 1,
    FontSize,
    FontColor,
    FontBold,
    FontItalic,
    FontStyle,
    HAlign,
    VAlign,
    Indent,
    Wrap,
    NumberFormat,
};

constexpr quint32 setterKey(FormatSetter setter, quint32 value) { return quint32(setter) << 24 | (value & 0xFFFFFF); }

std::size_t hashFont(const Font& font);
std::size_t hashFormat(const CellFormat& format);

struct FontHash {
    std::size_t operator()(const Font& f) const { return hashFont(f); }
};
struct FormatHash {
    std::size_t operator()(const CellFormat& f) const { return hashFormat(f); }
};

}  // namespace jubilo::spreadsheet
