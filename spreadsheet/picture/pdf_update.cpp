#include "spreadsheet/picture/pdf_update_p.h"

#include <QRegularExpression>

namespace jubilo::spreadsheet::picture {

namespace {

QRegularExpressionMatch match(const QString& pattern, const QByteArray& text)
{
    return QRegularExpression(pattern).match(QString::fromLatin1(text));
}

}  // namespace

QByteArray pdfReference(int object) { return QByteArray::number(object) + " 0 R"; }

std::optional<QtPdf> QtPdf::read(const QByteArray& bytes)
{
    QtPdf pdf(bytes);
    const qsizetype start = bytes.lastIndexOf("startxref"), trailer = bytes.lastIndexOf("trailer");
    if (start < 0 || trailer < 0 || trailer > start)
        return std::nullopt;
    pdf.xref_ = match(QStringLiteral("^startxref\\s+(\\d+)"), bytes.mid(start)).captured(1).toLongLong();
    const QByteArray dict = bytes.mid(trailer, start - trailer);
    pdf.size_ = match(QStringLiteral("/Size\\s+(\\d+)"), dict).captured(1).toInt();
    pdf.root_ = match(QStringLiteral("/Root\\s+(\\d+\\s+\\d+\\s+R)"), dict).captured(1).toLatin1();
    pdf.info_ = match(QStringLiteral("/Info\\s+(\\d+\\s+\\d+\\s+R)"), dict).captured(1).toLatin1();
    if (pdf.size_ <= 0 || pdf.root_.isEmpty() || !pdf.readOffsets())
        return std::nullopt;
    return pdf;
}

// The cross-reference table's subsections: "first count", then 20-byte entries.
bool QtPdf::readOffsets()
{
    const QByteArray& b = *bytes_;
    if (!b.mid(xref_).startsWith("xref"))
        return false;
    qsizetype at = b.indexOf('\n', xref_) + 1;
    static const QRegularExpression section(QStringLiteral("^(\\d+) (\\d+)\\s*$"));
    for (;;) {
        const qsizetype end = b.indexOf('\n', at);
        const auto head = section.match(QString::fromLatin1(b.mid(at, end - at)));
        if (end < 0 || !head.hasMatch())
            return true;
        at = end + 1;
        for (int i = 0, first = head.captured(1).toInt(); i < head.captured(2).toInt(); ++i, at += 20)
            if (b.mid(at + 17, 1) == "n")
                offsets_[first + i] = b.mid(at, 10).toLongLong();
    }
}

QByteArray QtPdf::object(int n) const
{
    const auto at = offsets_.find(n);
    if (at == offsets_.end())
        return {};
    const qsizetype begin = bytes_->indexOf("obj", at->second), end = bytes_->indexOf("endobj", at->second);
    return begin < 0 || end < begin ? QByteArray() : bytes_->mid(begin + 3, end - begin - 3).trimmed();
}

std::vector<int> QtPdf::pages() const
{
    const QByteArray catalog = object(root_.split(' ').first().toInt());
    const int tree = match(QStringLiteral("/Pages\\s+(\\d+)\\s+0\\s+R"), catalog).captured(1).toInt();
    const QString kids = match(QStringLiteral("/Kids\\s*\\[([^\\]]*)\\]"), object(tree)).captured(1);
    std::vector<int> pages;
    static const QRegularExpression ref(QStringLiteral("(\\d+)\\s+0\\s+R"));
    for (const auto& m : ref.globalMatch(kids))
        pages.push_back(m.captured(1).toInt());
    return pages;
}

PdfUpdate::PdfUpdate(const QtPdf& pdf, QByteArray& out)
    : pdf_(pdf)
    , out_(out)
    , next_(pdf.size_)
{
    out_ += '\n';
}

void PdfUpdate::put(int object, const QByteArray& body)
{
    offsets_[object] = out_.size();
    out_ += QByteArray::number(object) + " 0 obj\n" + body + "\nendobj\n";
}

int PdfUpdate::add(const QByteArray& body)
{
    const int object = reserve();
    put(object, body);
    return object;
}

QByteArray PdfUpdate::stream(const QByteArray& data, const QByteArray& entries)
{
    // qCompress puts the length in four bytes before a zlib stream.
    const QByteArray packed = qCompress(data).mid(4);
    return "<< " + entries + "/Length " + QByteArray::number(packed.size()) + " /Filter /FlateDecode >>\nstream\n"
        + packed + "\nendstream";
}

void PdfUpdate::finish()
{
    const qsizetype xref = out_.size();
    out_ += "xref\n";
    for (const auto& [object, offset] : offsets_)
        out_
            += QByteArray::number(object) + " 1\n" + QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    out_ += "trailer\n<< /Size " + QByteArray::number(next_) + " /Root " + pdf_.root_;
    if (!pdf_.info_.isEmpty())
        out_ += " /Info " + pdf_.info_;
    out_ += " /Prev " + QByteArray::number(pdf_.xref_) + " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
}

}  // namespace jubilo::spreadsheet::picture
