#include "lists/text_scan.h"

#include "lists/import_error.h"
#include "lists/import_file.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TextScan)
};

constexpr qsizetype kStartBytes = 64 * 1024;
const QByteArray kUtf8Bom("\xEF\xBB\xBF");

bool startsWithUtf16Bom(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView("\xFF\xFE", 2)) || bytes.startsWith(QByteArrayView("\xFE\xFF", 2));
}

// Counts lines as the delimited reader does: CR LF, a lone CR and a lone LF
// each end one, even across pieces.
class LineCounter {
public:
    // The line of `at` within `piece`, counting the pieces before.
    int lineOf(QByteArrayView piece, qsizetype at) const
    {
        LineCounter copy = *this;
        copy.count(piece.first(at));
        return copy.line_;
    }
    void count(QByteArrayView piece)
    {
        for (const char c : piece) {
            if (c == '\n' && !afterCarriageReturn_)
                ++line_;
            else if (c == '\r')
                ++line_;
            afterCarriageReturn_ = c == '\r';
        }
    }

private:
    int line_ = 1;
    bool afterCarriageReturn_ = false;
};

}  // namespace

TextScan scanText(const QString& path)
{
    TextScan scan;
    QStringDecoder utf8(QStringDecoder::Utf8);
    LineCounter lines;
    bool first = true;
    readFileInPieces(path, [&](QByteArrayView piece) {
        if (first) {
            first = false;
            if (startsWithUtf16Bom(piece))
                throw ImportError(Texts::tr("the file is UTF-16 text; please save it as UTF-8 and import that"));
            if (piece.startsWith(kUtf8Bom))
                scan.bomBytes = kUtf8Bom.size();
        }
        if (const qsizetype nul = piece.indexOf('\0'); nul >= 0)
            throw ImportError(Texts::tr("it holds a NUL byte, so it is no text file"), lines.lineOf(piece, nul));
        lines.count(piece);
        if (scan.start.size() < kStartBytes + scan.bomBytes)
            scan.start += piece.first(std::min(piece.size(), kStartBytes + scan.bomBytes - scan.start.size()));
        if (scan.encoding == TextEncoding::Utf8) {
            const QString checked = utf8.decode(piece);  // decoded only to be checked
            if (utf8.hasError())
                scan.encoding = TextEncoding::Windows1252;
        }
    });
    // A sequence cut short at the very end is invalid too: a line break
    // after it shows that.
    const QString end = utf8.decode(QByteArrayView("\n"));
    if (utf8.hasError())
        scan.encoding = TextEncoding::Windows1252;
    scan.start.remove(0, scan.bomBytes);
    return scan;
}

void readTextInPieces(const QString& path, const TextScan& scan, const std::function<void(QByteArrayView)>& piece)
{
    qsizetype skip = scan.bomBytes;
    readFileInPieces(path, [&](QByteArrayView bytes) {
        const qsizetype skipped = std::min(skip, bytes.size());
        skip -= skipped;
        if (bytes.size() > skipped)
            piece(bytes.sliced(skipped));
    });
}

QString decodedText(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    // Stateless, so one decoder serves every field. Without ICU Qt knows no
    // Windows-1252; Latin-1 differs from it only in 0x80 to 0x9F.
    static QStringDecoder windows1252("windows-1252", QStringDecoder::Flag::Stateless);
    if (!windows1252.isValid())
        return QString::fromLatin1(bytes);
    return windows1252.decode(bytes);
}

QString encodingName(TextEncoding encoding)
{
    return encoding == TextEncoding::Utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Windows-1252");
}

}  // namespace jubilo
