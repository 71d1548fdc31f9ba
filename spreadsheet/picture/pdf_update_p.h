#pragma once
// An incremental update of a PDF Qt's writer made: its objects read back by
// number, and new objects or new versions of old ones appended after its
// end with a cross-reference table and trailer of their own, so nothing Qt
// wrote moves.

#include <QByteArray>

#include <map>
#include <optional>
#include <vector>

namespace jubilo::spreadsheet::picture {

// "n 0 R".
QByteArray pdfReference(int object);

class QtPdf {
public:
    // Nothing when `bytes` is not laid out as Qt writes PDFs. Keeps a
    // reference to `bytes`.
    static std::optional<QtPdf> read(const QByteArray& bytes);

    // Object `n`'s body, between "obj" and "endobj"; empty when missing.
    QByteArray object(int n) const;
    // The page objects in order, from the catalogue's flat page tree.
    std::vector<int> pages() const;

private:
    friend class PdfUpdate;
    explicit QtPdf(const QByteArray& bytes)
        : bytes_(&bytes)
    {
    }
    bool readOffsets();

    const QByteArray* bytes_;
    qint64 xref_ = 0;
    int size_ = 0;
    QByteArray root_, info_;
    std::map<int, qint64> offsets_;
};

class PdfUpdate {
public:
    // Appends to `out`, a copy of the file `pdf` was read from.
    PdfUpdate(const QtPdf& pdf, QByteArray& out);
    // A new object's number.
    int reserve() { return next_++; }
    // Writes object `object`: a new one, or a new version of one of Qt's.
    void put(int object, const QByteArray& body);
    int add(const QByteArray& body);
    // A stream object's body around `data`, compressed, its dictionary's
    // other entries (each followed by a space) first.
    static QByteArray stream(const QByteArray& data, const QByteArray& entries = {});
    // The cross-reference table and trailer; the update ends there.
    void finish();

private:
    const QtPdf& pdf_;
    QByteArray& out_;
    int next_;
    std::map<int, qsizetype> offsets_;
};

}  // namespace jubilo::spreadsheet::picture
