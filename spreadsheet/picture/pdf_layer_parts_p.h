#pragma once
// The two halves of a page's layer (see pdf_text_layer_p.h): its outlines
// (pdf_layer_outlines.cpp) and its invisible text (pdf_layer_text.cpp).
// Both write their objects into the update and give the resource entries
// that name them.

#include "spreadsheet/picture/pdf_text_layer_p.h"
#include "spreadsheet/picture/pdf_update_p.h"

#include <map>

namespace jubilo::spreadsheet::picture {

// Each character of the texts and its place in the layer's fonts, which
// take one-byte codes, 1 to 255 each.
class LayerCodes {
public:
    struct Code {
        int font;
        int code;
    };
    static constexpr int kCodesPerFont = 255;

    explicit LayerCodes(const std::vector<CarriedPage>& pages);
    Code operator[](char32_t c) const { return codes_.at(c); }
    int fonts() const { return (int(codes_.size()) + kCodesPerFont - 1) / kCodesPerFont; }
    const std::map<char32_t, Code>& all() const { return codes_; }

private:
    std::map<char32_t, Code> codes_;
};

// The fonts of the text; "/JbT<n> <object> 0 R" lines for /Font.
QByteArray addLayerFonts(const LayerCodes& codes, PdfUpdate& update);
// A page's invisible text, in the page's default coordinates.
QByteArray layerText(const CarriedTexts& texts, const LayerCodes& codes, QSizeF paper, double pixelsPerPoint);

// One form for each outline; "/JbG<n> <object> 0 R" lines for /XObject.
QByteArray addLayerOutlines(const CarriedOutlines& outlines, PdfUpdate& update);
// A page's outlines, underlines and strike-outs, in the page's default
// coordinates.
QByteArray layerDrawing(const CarriedTexts& texts, QSizeF paper, double pixelsPerPoint);

// A number as the layer writes it, `decimals` after the point.
QByteArray pdfNumber(double v, int decimals = 3);

}  // namespace jubilo::spreadsheet::picture
