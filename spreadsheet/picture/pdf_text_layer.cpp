#include "spreadsheet/picture/pdf_text_layer_p.h"

#include "spreadsheet/picture/pdf_layer_parts_p.h"

#include <QRegularExpression>

#include <set>

namespace jubilo::spreadsheet::picture {

QByteArray pdfNumber(double v, int decimals)
{
    QByteArray n = QByteArray::number(v, 'f', decimals);
    while (n.contains('.') && (n.endsWith('0') || n.endsWith('.')))
        n.chop(1);
    return n == "-0" ? "0" : n;
}

quint32 CarriedOutlines::id(const QRawFont& font, quint32 glyph)
{
    const auto key = qMakePair(font, glyph);
    if (const auto known = ids_.constFind(key); known != ids_.cend())
        return *known;
    const auto id = quint32(paths_.size());
    paths_.push_back(font.pathForGlyph(glyph));
    ids_.insert(key, id);
    return id;
}

namespace {

// Inserts `entries` into the resource dictionary `table` under `kind`
// ("/Font", "/XObject").
void addResources(QByteArray& table, const QByteArray& kind, const QByteArray& entries)
{
    if (entries.isEmpty())
        return;
    const qsizetype at = table.indexOf(kind + " <<");
    if (at >= 0)
        table.insert(at + kind.size() + 3, "\n" + entries);
    else
        table.insert(2, "\n" + kind + " <<\n" + entries + ">>");
}

// The layer's resource entries.
struct LayerResources {
    QByteArray fonts, forms;
};

// The page's new version draws what Qt drew inside q/Q, then the layer
// (`before` and `after`); its resources' new version holds the layer's
// fonts and forms. False when the page is not laid out as Qt writes pages.
bool addLayer(const QtPdf& pdf, int page, const std::pair<int, int>& around, const LayerResources& resources,
              PdfUpdate& update, std::set<int>& resourcesDone)
{
    QByteArray dict = pdf.object(page);
    static const QRegularExpression contents(QStringLiteral("/Contents\\s+(\\d+\\s+0\\s+R)"));
    static const QRegularExpression tables(QStringLiteral("/Resources\\s+(\\d+)\\s+0\\s+R"));
    const auto drawn = contents.match(QString::fromLatin1(dict));
    const int tableObject = tables.match(QString::fromLatin1(dict)).captured(1).toInt();
    QByteArray table = pdf.object(tableObject);
    if (!drawn.hasMatch() || !table.startsWith("<<"))
        return false;
    dict.replace(drawn.capturedStart(), drawn.capturedLength(),
                 "/Contents [" + pdfReference(around.first) + ' ' + drawn.captured(1).toLatin1() + ' '
                     + pdfReference(around.second) + ']');
    update.put(page, dict);
    if (resourcesDone.insert(tableObject).second) {
        addResources(table, "/Font", resources.fonts);
        addResources(table, "/XObject", resources.forms);
        update.put(tableObject, table);
    }
    return true;
}

}  // namespace

std::optional<QByteArray> withTextLayer(const QByteArray& pdf, const CarriedOutlines& outlines,
                                        const std::vector<CarriedPage>& pages, QSizeF paper, double pixelsPerPoint)
{
    const LayerCodes codes(pages);
    if (codes.fonts() == 0)
        return pdf;
    const std::optional<QtPdf> qt = QtPdf::read(pdf);
    const std::vector<int> objects = qt ? qt->pages() : std::vector<int>();
    if (!qt || objects.size() < pages.size())
        return std::nullopt;
    QByteArray out = pdf;
    PdfUpdate update(*qt, out);
    const LayerResources resources{addLayerFonts(codes, update), addLayerOutlines(outlines, update)};
    const int before = update.add(PdfUpdate::stream("q"));
    std::set<int> resourcesDone;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const CarriedTexts& texts = pages[i].texts;
        if (texts.empty())
            continue;
        const int after = update.add(PdfUpdate::stream("Q\n" + layerDrawing(texts, paper, pixelsPerPoint)
                                                       + layerText(texts, codes, paper, pixelsPerPoint)));
        if (!addLayer(*qt, objects[i], {before, after}, resources, update, resourcesDone))
            return std::nullopt;
    }
    update.finish();
    return out;
}

}  // namespace jubilo::spreadsheet::picture
