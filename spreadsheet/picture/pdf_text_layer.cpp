#include "spreadsheet/picture/pdf_text_layer_p.h"

#include <QRegularExpression>

#include <map>
#include <optional>
#include <set>

namespace jubilo::spreadsheet::picture {

namespace {

// The layer's fonts take one-byte codes, 1 to 255 each.
constexpr int kCodesPerFont = 255;
// Entries in one bfchar block of a character map, as readers expect.
constexpr int kEntriesPerBlock = 100;

QByteArray number(double v) { return QByteArray::number(v, 'f', 3); }
QByteArray reference(int object) { return QByteArray::number(object) + " 0 R"; }

// What the update needs of the file Qt wrote: where its cross-reference
// table is, its trailer's entries and where each object starts.
struct QtPdf {
    const QByteArray& bytes;
    qint64 xref = 0;
    int size = 0;
    QByteArray root, info;
    std::map<int, qint64> offsets;

    // Object `n`'s body, between "obj" and "endobj"; empty when missing.
    QByteArray object(int n) const
    {
        const auto at = offsets.find(n);
        if (at == offsets.end())
            return {};
        const qsizetype begin = bytes.indexOf("obj", at->second), end = bytes.indexOf("endobj", at->second);
        return begin < 0 || end < begin ? QByteArray() : bytes.mid(begin + 3, end - begin - 3).trimmed();
    }
};

QRegularExpressionMatch match(const QString& pattern, const QByteArray& text)
{
    return QRegularExpression(pattern).match(QString::fromLatin1(text));
}

// The cross-reference table's subsections: "first count", then 20-byte entries.
bool readOffsets(QtPdf& pdf)
{
    const QByteArray& b = pdf.bytes;
    if (!b.mid(pdf.xref).startsWith("xref"))
        return false;
    qsizetype at = b.indexOf('\n', pdf.xref) + 1;
    static const QRegularExpression section(QStringLiteral("^(\\d+) (\\d+)\\s*$"));
    for (;;) {
        const qsizetype end = b.indexOf('\n', at);
        const auto head = section.match(QString::fromLatin1(b.mid(at, end - at)));
        if (end < 0 || !head.hasMatch())
            return true;
        at = end + 1;
        for (int i = 0, first = head.captured(1).toInt(); i < head.captured(2).toInt(); ++i, at += 20)
            if (b.mid(at + 17, 1) == "n")
                pdf.offsets[first + i] = b.mid(at, 10).toLongLong();
    }
}

std::optional<QtPdf> readQtPdf(const QByteArray& bytes)
{
    QtPdf pdf{bytes, 0, 0, {}, {}, {}};
    const qsizetype start = bytes.lastIndexOf("startxref"), trailer = bytes.lastIndexOf("trailer");
    if (start < 0 || trailer < 0 || trailer > start)
        return std::nullopt;
    pdf.xref = match(QStringLiteral("^startxref\\s+(\\d+)"), bytes.mid(start)).captured(1).toLongLong();
    const QByteArray dict = bytes.mid(trailer, start - trailer);
    pdf.size = match(QStringLiteral("/Size\\s+(\\d+)"), dict).captured(1).toInt();
    pdf.root = match(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"), dict).captured(1).toLatin1();
    pdf.info = match(QStringLiteral("/Info\\s+(\\d+\\s+\\d+\\s+R)"), dict).captured(1).toLatin1();
    if (pdf.size <= 0 || pdf.root.isEmpty() || !readOffsets(pdf))
        return std::nullopt;
    return pdf;
}

// The page objects in order, from the catalogue's flat page tree.
std::vector<int> pageObjects(const QtPdf& pdf)
{
    const QByteArray catalog = pdf.object(pdf.root.split(' ').first().toInt());
    const int tree = match(QStringLiteral("/Pages\\s+(\\d+)\\s+0\\s+R"), catalog).captured(1).toInt();
    const QString kids = match(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"), pdf.object(tree)).captured(1);
    std::vector<int> pages;
    static const QRegularExpression ref(QStringLiteral("(\\d+)\\s+0\\s+R"));
    for (const auto& m : ref.globalMatch(kids))
        pages.push_back(m.captured(1).toInt());
    return pages;
}

// Each character of the texts and where it is in the layer's fonts.
class Codes {
public:
    struct Code {
        int font;
        int code;
    };

    explicit Codes(const std::vector<CarriedTexts>& pages)
    {
        for (const CarriedTexts& page : pages)
            for (const CarriedText& t : page)
                for (const uint c : t.text.toUcs4())
                    if (!codes_.count(c)) {
                        const int n = int(codes_.size());
                        codes_[c] = {n / kCodesPerFont, n % kCodesPerFont + 1};
                    }
    }
    Code operator[](char32_t c) const { return codes_.at(c); }
    int fonts() const { return (int(codes_.size()) + kCodesPerFont - 1) / kCodesPerFont; }
    const std::map<char32_t, Code>& all() const { return codes_; }

private:
    std::map<char32_t, Code> codes_;
};

QByteArray utf16Hex(char32_t c)
{
    QByteArray hex;
    for (const QChar unit : QString::fromUcs4(&c, 1))
        hex += QByteArray::number(unit.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex;
}

// Appends objects to the file, and the cross-reference table and trailer
// that find them.
class Update {
public:
    Update(const QtPdf& pdf, QByteArray& out)
        : pdf_(pdf)
        , out_(out)
        , next_(pdf.size)
    {
        out_ += '\n';
    }
    int reserve() { return next_++; }
    void put(int object, const QByteArray& body)
    {
        offsets_[object] = out_.size();
        out_ += QByteArray::number(object) + " 0 obj\n" + body + "\nendobj\n";
    }
    int add(const QByteArray& body)
    {
        const int object = reserve();
        put(object, body);
        return object;
    }
    static QByteArray stream(const QByteArray& data)
    {
        return "<< /Length " + QByteArray::number(data.size()) + " >>\nstream\n" + data + "\nendstream";
    }
    void finish()
    {
        const qsizetype xref = out_.size();
        out_ += "xref\n";
        for (const auto& [object, offset] : offsets_)
            out_ += QByteArray::number(object) + " 1\n" + QByteArray::number(offset).rightJustified(10, '0')
                + " 00000 n \n";
        out_ += "trailer\n<< /Size " + QByteArray::number(next_) + " /Root " + pdf_.root;
        if (!pdf_.info.isEmpty())
            out_ += " /Info " + pdf_.info;
        out_ += " /Prev " + QByteArray::number(pdf_.xref) + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    }

private:
    const QtPdf& pdf_;
    QByteArray& out_;
    int next_;
    std::map<int, qsizetype> offsets_;
};

// A layer font's character map: its codes to the characters they stand for.
QByteArray toUnicode(const Codes& codes, int font)
{
    std::vector<QByteArray> entries;
    for (const auto& [c, code] : codes.all())
        if (code.font == font)
            entries.push_back("<" + QByteArray::number(code.code, 16).rightJustified(2, '0').toUpper() + "> <"
                              + utf16Hex(c) + ">\n");
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
    for (std::size_t i = 0; i < entries.size(); i += kEntriesPerBlock) {
        const std::size_t end = std::min(entries.size(), i + kEntriesPerBlock);
        map += QByteArray::number(qsizetype(end - i)) + " beginbfchar\n";
        for (std::size_t k = i; k < end; ++k)
            map += entries[k];
        map += "endbfchar\n";
    }
    return map + "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend";
}

// The layer's fonts: every code an empty glyph 1000 units (one text space
// unit) wide. Returns their resource entries, "/JbT<n> <object> 0 R".
QByteArray addFonts(const Codes& codes, Update& update)
{
    const int glyph = update.add(Update::stream("1000 0 0 0 0 0 d1"));
    QByteArray entries;
    for (int f = 0; f < codes.fonts(); ++f) {
        const int map = update.add(Update::stream(toUnicode(codes, f)));
        const QByteArray glyphs = QByteArray(" /g").repeated(kCodesPerFont);
        const QByteArray widths = QByteArray(" 1000").repeated(kCodesPerFont);
        QByteArray font
            = "<< /Type /Font /Subtype /Type3 /FontBBox [0 -200 1000 800] /FontMatrix [0.001 0 0 0.001 0 0]\n";
        font += "/CharProcs << /g " + reference(glyph) + " >>\n";
        font += "/Encoding << /Type /Encoding /Differences [1" + glyphs + "] >>\n";
        font += "/FirstChar 1 /LastChar " + QByteArray::number(kCodesPerFont) + " /Widths [" + widths + "]\n";
        font += "/ToUnicode " + reference(map) + " /Resources << >> >>";
        entries += "/JbT" + QByteArray::number(f) + " " + reference(update.add(font)) + "\n";
    }
    return entries;
}

// A page's layer: each character of each text in its slot along the line,
// invisible (render mode 3), inside q/Q so Qt's drawing after it starts as
// it would.
QByteArray layerContent(const CarriedTexts& texts, const Codes& codes, QSizeF paper, double pixelsPerPoint)
{
    QByteArray content = "q\nBT\n3 Tr\n";
    for (const CarriedText& t : texts) {
        const QList<uint> chars = t.text.toUcs4();
        // Each character's slot, never so narrow that its matrix flattens.
        const double size = t.size / pixelsPerPoint;
        const double advance = qMax(size / 100, t.width / pixelsPerPoint / qMax(1, chars.size()));
        const double x = t.start.x() / pixelsPerPoint, y = paper.height() - t.start.y() / pixelsPerPoint;
        if (chars.isEmpty() || !(size > 0))
            continue;
        const bool backwards = t.text.isRightToLeft();
        for (qsizetype i = 0; i < chars.size(); ++i) {
            const auto code = codes[chars[i]];
            const qsizetype slot = backwards ? chars.size() - 1 - i : i;
            content += "/JbT" + QByteArray::number(code.font) + " " + number(size) + " Tf " + number(advance / size)
                + " 0 0 1 " + number(x + slot * advance) + " " + number(y) + " Tm <"
                + QByteArray::number(code.code, 16).rightJustified(2, '0') + "> Tj\n";
        }
    }
    return content + "ET\nQ";
}

}  // namespace

namespace {

// The page's new version draws its layer first, then what Qt drew; its
// resources' new version holds the layer's fonts. False when the page is
// not laid out as Qt writes pages.
bool addLayer(const QtPdf& pdf, int page, const QByteArray& fonts, int layer, Update& update,
              std::set<int>& resourcesDone)
{
    QByteArray dict = pdf.object(page);
    static const QRegularExpression contents(QStringLiteral("/Contents\\s+(\\d+\\s+0\\s+R)"));
    const auto drawn = contents.match(QString::fromLatin1(dict));
    const int resources = match(QStringLiteral("/Resources\\s+(\\d+)\\s+0\\s+R"), dict).captured(1).toInt();
    QByteArray table = pdf.object(resources);
    if (!drawn.hasMatch() || !table.startsWith("<<"))
        return false;
    dict.replace(drawn.capturedStart(), drawn.capturedLength(),
                 "/Contents [" + reference(layer) + " " + drawn.captured(1).toLatin1() + "]");
    update.put(page, dict);
    if (!resourcesDone.insert(resources).second)
        return true;
    const qsizetype fontTable = table.indexOf("/Font <<");
    if (fontTable >= 0)
        table.insert(fontTable + 8, "\n" + fonts);
    else
        table.insert(2, "\n/Font <<\n" + fonts + ">>");
    update.put(resources, table);
    return true;
}

}  // namespace

QByteArray withTextLayer(const QByteArray& pdf, const std::vector<CarriedTexts>& pages, QSizeF paper,
                         double pixelsPerPoint)
{
    const Codes codes(pages);
    const std::optional<QtPdf> qt = codes.fonts() > 0 ? readQtPdf(pdf) : std::nullopt;
    const std::vector<int> objects = qt ? pageObjects(*qt) : std::vector<int>();
    if (!qt || objects.size() < pages.size())
        return pdf;
    QByteArray out = pdf;
    Update update(*qt, out);
    const QByteArray fonts = addFonts(codes, update);
    std::set<int> resourcesDone;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].empty())
            continue;
        const int layer = update.add(Update::stream(layerContent(pages[i], codes, paper, pixelsPerPoint)));
        if (!addLayer(*qt, objects[i], fonts, layer, update, resourcesDone))
            return pdf;
    }
    update.finish();
    return out;
}

}  // namespace jubilo::spreadsheet::picture
