#include "files/path_bytes.h"

namespace jubilo::files {

namespace {

constexpr char16_t kFirstKeptByte = 0xDC80;  // holds byte 0x80
constexpr char16_t kLastKeptByte = 0xDCFF;  // holds byte 0xFF

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at `at`, or 0 when the byte there
// starts none: a stray continuation, a truncated or overlong sequence, an
// encoded surrogate or a code point beyond U+10FFFF.
int validSequenceLength(QByteArrayView bytes, qsizetype at, char32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    int length;
    char32_t minimum;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, minimum = 0x80, codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, minimum = 0x800, codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, minimum = 0x10000, codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if (!isContinuation(next))
            return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    return codePoint < minimum || surrogate || codePoint > 0x10FFFF ? 0 : length;
}

bool isKeptByte(char16_t unit) { return unit >= kFirstKeptByte && unit <= kLastKeptByte; }

}  // namespace

QString nameFromBytes(QByteArrayView bytes)
{
    QString name;
    name.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        const int length = validSequenceLength(bytes, at, codePoint);
        if (length == 0) {
            name += QChar(char16_t(kFirstKeptByte + (static_cast<unsigned char>(bytes[at]) - 0x80)));
            ++at;
            continue;
        }
        name += QString::fromUcs4(&codePoint, 1);
        at += length;
    }
    return name;
}

QByteArray bytesOfName(const QString& name)
{
    QByteArray bytes;
    bytes.reserve(name.size());
    qsizetype textFrom = 0;  // the text before a kept byte goes as UTF-8
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (!isKeptByte(unit) || (i > 0 && name[i - 1].isHighSurrogate()))
            continue;
        bytes += QStringView(name).sliced(textFrom, i - textFrom).toUtf8();
        bytes += char(0x80 + (unit - kFirstKeptByte));
        textFrom = i + 1;
    }
    bytes += QStringView(name).sliced(textFrom).toUtf8();
    return bytes;
}

std::filesystem::path fileSystemPath(const QString& name) { return bytesOfName(name).toStdString(); }

QString displayName(const QString& name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown[i].isHighSurrogate() && i + 1 < shown.size() && shown[i + 1].isLowSurrogate())
            ++i;  // a character beyond U+FFFF, whatever its second half
        else if (isKeptByte(shown[i].unicode()))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

QString displayName(const std::filesystem::path& path) { return displayName(nameFromBytes(path.native())); }

std::filesystem::path folderOf(const std::filesystem::path& path)
{
    return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

}  // namespace jubilo::files
