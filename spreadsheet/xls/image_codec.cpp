#include "spreadsheet/xls/image_codec_p.h"

#include "spreadsheet/xls/xls_error.h"

#include <bit>
#include <cstring>

namespace jubilo::xls::codec {

uint16_t fileFontIndex(uint16_t logical) { return logical < 4 ? logical : uint16_t(logical + 1); }

uint16_t logicalFontIndex(uint16_t file)
{
    if (file == 4)
        throw XlsError("damaged workbook: a format uses font 4, which does not exist");
    return file < 4 ? file : uint16_t(file - 1);
}

rec::Xf toRecord(const XlsXf& xf)
{
    rec::Xf r;
    r.font = fileFontIndex(xf.font);
    r.format = xf.numberFormat;
    const uint16_t parent = xf.isStyle ? 0x0FFF : xf.parent;
    r.protection = uint16_t((xf.locked ? 0x1 : 0) | (xf.formulaHidden ? 0x2 : 0) | (xf.isStyle ? 0x4 : 0)
                            | (xf.quotePrefix ? 0x8 : 0) | (parent << 4));
    r.alignment = uint8_t(uint8_t(xf.hAlign) | (xf.wrap ? 0x08 : 0) | (uint8_t(xf.vAlign) << 4)
                          | (xf.justifyLast ? 0x80 : 0));
    r.rotation = xf.rotation;
    r.indentation = uint8_t((xf.indent & 0x0F) | (xf.shrinkToFit ? 0x10 : 0) | ((xf.readingOrder & 3) << 6));
    r.used = uint8_t((xf.usedAttributes & 0x3F) << 2);
    r.border1 = uint32_t(xf.left.line) | (uint32_t(xf.right.line) << 4) | (uint32_t(xf.top.line) << 8)
                | (uint32_t(xf.bottom.line) << 12) | (uint32_t(xf.left.color & 0x7F) << 16)
                | (uint32_t(xf.right.color & 0x7F) << 23) | (uint32_t(xf.diagonalKind & 3) << 30);
    r.border2 = uint32_t(xf.top.color & 0x7F) | (uint32_t(xf.bottom.color & 0x7F) << 7)
                | (uint32_t(xf.diagonal.color & 0x7F) << 14) | (uint32_t(uint8_t(xf.diagonal.line) & 0x0F) << 21)
                | (uint32_t(xf.fillPattern & 0x3F) << 26);
    r.fill = uint16_t((xf.fillForeground & 0x7F) | ((xf.fillBackground & 0x7F) << 7) | (xf.pivotButton ? 0x4000 : 0));
    return r;
}

XlsXf fromRecord(const rec::Xf& r)
{
    XlsXf xf;
    xf.font = logicalFontIndex(r.font);
    xf.numberFormat = r.format;
    xf.locked = r.protection & 0x1;
    xf.formulaHidden = r.protection & 0x2;
    xf.isStyle = r.protection & 0x4;
    xf.quotePrefix = r.protection & 0x8;
    xf.parent = xf.isStyle ? 0 : uint16_t(r.protection >> 4);
    xf.hAlign = XlsHAlign(r.alignment & 0x07);
    xf.wrap = r.alignment & 0x08;
    const uint8_t v = (r.alignment >> 4) & 0x07;
    if (v > uint8_t(XlsVAlign::Distributed))
        throw XlsError("damaged workbook: a format has an unknown vertical alignment");
    xf.vAlign = XlsVAlign(v);
    xf.justifyLast = r.alignment & 0x80;
    xf.rotation = r.rotation;
    xf.indent = r.indentation & 0x0F;
    xf.shrinkToFit = r.indentation & 0x10;
    xf.readingOrder = uint8_t((r.indentation >> 6) & 3);
    xf.usedAttributes = uint8_t((r.used >> 2) & 0x3F);
    const auto line = [](uint32_t bits) {
        if (bits > uint32_t(XlsLine::SlantDashDot))
            throw XlsError("damaged workbook: a format has an unknown border style");
        return XlsLine(bits);
    };
    xf.left = {line(r.border1 & 0x0F), uint8_t((r.border1 >> 16) & 0x7F)};
    xf.right = {line((r.border1 >> 4) & 0x0F), uint8_t((r.border1 >> 23) & 0x7F)};
    xf.top = {line((r.border1 >> 8) & 0x0F), uint8_t(r.border2 & 0x7F)};
    xf.bottom = {line((r.border1 >> 12) & 0x0F), uint8_t((r.border2 >> 7) & 0x7F)};
    xf.diagonalKind = uint8_t(r.border1 >> 30);
    xf.diagonal = {line((r.border2 >> 21) & 0x0F), uint8_t((r.border2 >> 14) & 0x7F)};
    xf.fillPattern = uint8_t((r.border2 >> 26) & 0x3F);
    xf.fillForeground = uint8_t(r.fill & 0x7F);
    xf.fillBackground = uint8_t((r.fill >> 7) & 0x7F);
    xf.pivotButton = r.fill & 0x4000;
    return xf;
}

rec::Font toRecord(const XlsFont& f)
{
    rec::Font r;
    r.height = f.height;
    // Bit 0 repeats "bold" for readers of older versions; the weight counts.
    r.flags = uint16_t((f.weight >= 700 ? 0x01 : 0) | (f.italic ? 0x02 : 0) | (f.strikeout ? 0x08 : 0)
                       | (f.outline ? 0x10 : 0) | (f.shadow ? 0x20 : 0));
    r.color = f.color;
    r.weight = f.weight;
    r.script = f.script;
    r.underline = f.underline;
    r.family = f.family;
    r.charset = f.charset;
    r.name = f.name;
    return r;
}

XlsFont fromRecord(const rec::Font& r)
{
    XlsFont f;
    f.height = r.height;
    f.italic = r.flags & 0x02;
    f.strikeout = r.flags & 0x08;
    f.outline = r.flags & 0x10;
    f.shadow = r.flags & 0x20;
    f.color = r.color;
    f.weight = r.weight;
    f.script = r.script;
    f.underline = r.underline;
    f.family = r.family;
    f.charset = r.charset;
    f.name = r.name;
    return f;
}

rec::ColInfo toRecord(const XlsColumnInfo& c)
{
    rec::ColInfo r;
    r.first = c.first;
    r.last = c.last;
    r.width = c.width;
    r.xf = c.xf;
    r.flags = uint16_t((c.hidden ? 0x01 : 0) | (c.customWidth ? 0x02 : 0) | (c.bestFit ? 0x04 : 0)
                       | ((c.outlineLevel & 7) << 8) | (c.collapsed ? 0x1000 : 0));
    return r;
}

XlsColumnInfo fromRecord(const rec::ColInfo& r)
{
    XlsColumnInfo c;
    c.first = r.first;
    c.last = r.last;
    c.width = r.width;
    c.xf = r.xf;
    c.hidden = r.flags & 0x01;
    c.customWidth = r.flags & 0x02;
    c.bestFit = r.flags & 0x04;
    c.outlineLevel = uint8_t((r.flags >> 8) & 7);
    c.collapsed = r.flags & 0x1000;
    return c;
}

uint32_t rowFlags(const XlsRowInfo& row)
{
    uint32_t flags = 0x100 | (row.outlineLevel & 7) | (row.collapsed ? 0x10 : 0) | (row.hidden ? 0x20 : 0)
                     | (row.customHeight ? 0x40 : 0);
    if (row.xf)
        flags |= 0x80 | (uint32_t(*row.xf & 0x0FFF) << 16);
    return flags;
}

XlsRowInfo fromRecord(const rec::Row& r)
{
    XlsRowInfo row;
    row.row = r.row;
    row.height = r.height & 0x7FFF;
    row.outlineLevel = uint8_t(r.flags & 7);
    row.collapsed = r.flags & 0x10;
    row.hidden = r.flags & 0x20;
    row.customHeight = r.flags & 0x40;
    if (r.flags & 0x80)
        row.xf = uint16_t((r.flags >> 16) & 0x0FFF);
    return row;
}

rec::Setup toRecord(const XlsPageSetup& p)
{
    rec::Setup r;
    r.paperSize = p.paperSize;
    r.scale = p.scale;
    r.pageStart = p.firstPageNumber;
    r.fitWidth = p.fitWidth;
    r.fitHeight = p.fitHeight;
    r.flags = uint16_t((p.overThenDown ? 0x001 : 0) | (p.portrait ? 0x002 : 0) | (p.blackAndWhite ? 0x008 : 0)
                       | (p.draft ? 0x010 : 0) | (p.printNotes ? 0x020 : 0) | (p.useFirstPageNumber ? 0x080 : 0)
                       | (p.notesAtEnd ? 0x200 : 0) | ((p.printErrors & 3) << 10));
    r.resolution = p.resolution;
    r.verticalResolution = p.verticalResolution;
    r.headerMargin = p.headerMargin;
    r.footerMargin = p.footerMargin;
    r.copies = p.copies;
    return r;
}

void fromRecord(const rec::Setup& r, XlsPageSetup& p)
{
    const bool printerFieldsValid = !(r.flags & 0x004); // fNoPls
    if (printerFieldsValid) {
        p.paperSize = r.paperSize;
        p.scale = r.scale;
        p.resolution = r.resolution;
        p.verticalResolution = r.verticalResolution;
        p.copies = r.copies;
        if (!(r.flags & 0x040)) // fNoOrient
            p.portrait = r.flags & 0x002;
    }
    p.firstPageNumber = r.pageStart;
    p.fitWidth = r.fitWidth;
    p.fitHeight = r.fitHeight;
    p.overThenDown = r.flags & 0x001;
    p.blackAndWhite = r.flags & 0x008;
    p.draft = r.flags & 0x010;
    p.printNotes = r.flags & 0x020;
    p.useFirstPageNumber = r.flags & 0x080;
    p.notesAtEnd = r.flags & 0x200;
    p.printErrors = uint8_t((r.flags >> 10) & 3);
    p.headerMargin = r.headerMargin;
    p.footerMargin = r.footerMargin;
}

uint16_t window2Flags(const XlsSheetWindow& w, bool active)
{
    return uint16_t((w.showFormulas ? 0x001 : 0) | (w.showGridLines ? 0x002 : 0) | (w.showHeadings ? 0x004 : 0)
                    | (w.showZeros ? 0x010 : 0) | (w.defaultGridColor ? 0x020 : 0) | (w.rightToLeft ? 0x040 : 0)
                    | (w.showOutline ? 0x080 : 0) | (active ? 0x600 : 0) | (w.pageBreakPreview ? 0x800 : 0));
}

void fromFlags(uint16_t f, XlsSheetWindow& w)
{
    w.showFormulas = f & 0x001;
    w.showGridLines = f & 0x002;
    w.showHeadings = f & 0x004;
    w.showZeros = f & 0x010;
    w.defaultGridColor = f & 0x020;
    w.rightToLeft = f & 0x040;
    w.showOutline = f & 0x080;
    w.pageBreakPreview = f & 0x800;
}

uint16_t wsBool(const XlsPageSetup& page)
{
    // Automatic page breaks shown, summary rows below and columns right,
    // outline symbols shown; fit-to-page when the page setup asks for it.
    return uint16_t(0x04C1 | (page.fitToPage ? 0x0100 : 0));
}

uint32_t toRgb(const XlsColor& c) { return uint32_t(c.red) | (uint32_t(c.green) << 8) | (uint32_t(c.blue) << 16); }

XlsColor fromRgb(uint32_t rgb) { return {uint8_t(rgb), uint8_t(rgb >> 8), uint8_t(rgb >> 16)}; }

void encodeResult(const XlsFormulaResult& result, uint8_t out[8])
{
    std::memset(out, 0, 8);
    if (const auto* number = std::get_if<double>(&result)) {
        const auto bits = std::bit_cast<uint64_t>(*number);
        for (int i = 0; i < 8; ++i)
            out[i] = uint8_t(bits >> (8 * i));
        return;
    }
    out[6] = 0xFF;
    out[7] = 0xFF;
    if (const auto* text = std::get_if<std::u16string>(&result))
        out[0] = text->empty() ? 3 : 0;
    else if (const auto* flag = std::get_if<bool>(&result)) {
        out[0] = 1;
        out[2] = *flag ? 1 : 0;
    } else {
        out[0] = 2;
        out[2] = uint8_t(std::get<XlsErrorCode>(result));
    }
}

bool decodeResult(const uint8_t in[8], XlsFormulaResult& result)
{
    if (in[6] != 0xFF || in[7] != 0xFF) {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= uint64_t(in[i]) << (8 * i);
        result = std::bit_cast<double>(bits);
        return false;
    }
    switch (in[0]) {
    case 0:
        result = std::u16string();
        return true;
    case 1:
        result = in[2] != 0;
        return false;
    case 2:
        if (!isKnownError(in[2]))
            throw XlsError("damaged workbook: a formula result is an unknown error value");
        result = XlsErrorCode(in[2]);
        return false;
    case 3:
        result = std::u16string();
        return false;
    default:
        throw XlsError("damaged workbook: a formula result has an unknown type");
    }
}

bool isKnownError(uint8_t code)
{
    switch (code) {
    case 0x00: case 0x07: case 0x0F: case 0x17: case 0x1D: case 0x24: case 0x2A:
        return true;
    default:
        return false;
    }
}

} // namespace jubilo::xls::codec
