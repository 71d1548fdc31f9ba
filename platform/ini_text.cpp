#include "platform/ini_text.h"

#include <QStringDecoder>
#include <QStringList>

#include <cstring>
#include <QStringList>

namespace jubilo::ini {

namespace {

bool isPlainKeyCharacter(char16_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-'
        || c == '.';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The value of `count` hex digits at `at`, or -1.
int hexNumber(QByteArrayView text, qsizetype at, int count)
{
    if (at + count > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = hexValue(text[at + i]);
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

bool isHexDigit(char16_t c) { return c < 0x80 && hexValue(char(c)) >= 0; }

// Half of a pair without its other half: UTF-8 cannot carry it, an escape can.
bool isLoneSurrogate(const QString& text, qsizetype i)
{
    if (text[i].isHighSurrogate())
        return i + 1 == text.size() || !text[i + 1].isLowSurrogate();
    if (text[i].isLowSurrogate())
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

// The letter of a control character's short escape, or 0.
char shortEscape(char16_t c)
{
    switch (c) {
    case '\a':
        return 'a';
    case '\b':
        return 'b';
    case '\f':
        return 'f';
    case '\n':
        return 'n';
    case '\r':
        return 'r';
    case '\t':
        return 't';
    case '\v':
        return 'v';
    case '"':
        return '"';
    case '\\':
        return '\\';
    default:
        return 0;
    }
}

}  // namespace

QByteArray escapedKey(const QString& key)
{
    QByteArray out;
    out.reserve(key.size());
    for (qsizetype i = 0; i < key.size(); ++i) {
        const char16_t c = key[i].unicode();
        if (c == '/' && i + 1 < key.size())
            out += '\\';  // a last one would escape the '=' after it
        else if (isPlainKeyCharacter(c))
            out += char(c);
        else if (c <= 0xFF)
            out += '%' + QByteArray::number(c, 16).toUpper().rightJustified(2, '0');
        else
            out += "%U" + QByteArray::number(c, 16).toUpper().rightJustified(4, '0');
    }
    return out;
}

QString unescapedKey(QByteArrayView key)
{
    QString out;
    QStringDecoder utf8(QStringDecoder::Utf8);
    qsizetype plainFrom = 0;
    const auto flush = [&](qsizetype to) { out += utf8(key.sliced(plainFrom, to - plainFrom)); };
    for (qsizetype i = 0; i < key.size();) {
        int code = -1, length = 0;
        if (key[i] == '\\') {
            code = '/', length = 1;
        } else if (key[i] == '%' && i + 1 < key.size() && key[i + 1] == 'U') {
            code = hexNumber(key, i + 2, 4), length = 6;
        } else if (key[i] == '%') {
            code = hexNumber(key, i + 1, 2), length = 3;
        }
        if (code < 0) {
            ++i;
            continue;
        }
        flush(i);
        out += QChar(char16_t(code));
        i += length;
        plainFrom = i;
    }
    flush(key.size());
    return out;
}

QByteArray escapedText(const QString& text)
{
    const QString value = text.startsWith(QLatin1Char('@')) ? QLatin1Char('@') + text : text;
    QByteArray out;
    out.reserve(value.size() + 2);
    bool quote = false;
    bool escapeNextHexDigit = false;  // a hex digit after \xNN or \0 would extend it
    qsizetype plainFrom = 0;  // characters written as UTF-8, pairs of surrogates whole
    const auto flush = [&](qsizetype to) { out += QStringView(value).sliced(plainFrom, to - plainFrom).toUtf8(); };
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char16_t c = value[i].unicode();
        if (c == ';' || c == ',' || c == '=')
            quote = true;
        const bool hexAfterEscape = escapeNextHexDigit && isHexDigit(c);
        const char letter = shortEscape(c);
        // A byte order mark would be dropped by the reader's UTF-8 decoding.
        const bool mustEscape = c <= 0x1F || c == 0xFEFF || isLoneSurrogate(value, i);
        if (!hexAfterEscape && !letter && !mustEscape) {
            escapeNextHexDigit = false;
            continue;
        }
        flush(i);
        plainFrom = i + 1;
        if (hexAfterEscape) {
            out += "\\x" + QByteArray::number(c, 16);  // and the digits after it too
        } else if (letter) {
            out += '\\';
            out += letter;
            escapeNextHexDigit = false;
        } else {
            out += c == 0 ? QByteArray("\\0") : "\\x" + QByteArray::number(c, 16);
            escapeNextHexDigit = true;
        }
    }
    flush(value.size());
    if (quote || out.startsWith(' ') || out.endsWith(' '))
        return '"' + out + '"';
    return out;
}

namespace {

// Reads QSettings' escaped text: C escapes, quotes (which keep spaces and
// commas), unquoted commas between list items, and spaces trimmed around
// unquoted parts.
class ValueReader {
public:
    explicit ValueReader(QByteArrayView value)
        : in_(value)
    {
    }

    QStringList read()
    {
        skipSpaces();
        while (at_ < in_.size()) {
            const char c = in_[at_];
            if (c == '\\')
                readEscape();
            else if (c == '"')
                toggleQuotes();
            else if (c == ',' && !inQuotes_)
                endItem();
            else
                readPlain();
        }
        endItem();
        return items_;
    }

private:
    void skipSpaces()
    {
        while (at_ < in_.size() && (in_[at_] == ' ' || in_[at_] == '\t'))
            ++at_;
    }

    void readPlain()
    {
        qsizetype end = at_ + 1;
        while (end < in_.size() && in_[end] != '\\' && in_[end] != '"' && (in_[end] != ',' || inQuotes_))
            ++end;
        item_ += utf8_(in_.sliced(at_, end - at_));
        at_ = end;
    }

    void toggleQuotes()
    {
        ++at_;
        quoted_ = true;
        inQuotes_ = !inQuotes_;
        if (!inQuotes_)
            skipSpaces();
    }

    void readEscape();
    void readNumber(int base);

    void endItem()
    {
        if (!quoted_) {
            qsizetype end = item_.size();
            while (end > keepFrom_ && (item_[end - 1] == QLatin1Char(' ') || item_[end - 1] == QLatin1Char('\t')))
                --end;
            item_.truncate(end);
        }
        items_.append(item_);
        item_.clear();
        keepFrom_ = 0;
        quoted_ = false;
        if (at_ < in_.size()) {
            ++at_;  // the comma
            skipSpaces();
        }
    }

    QByteArrayView in_;
    qsizetype at_ = 0;
    QStringDecoder utf8_{QStringDecoder::Utf8};
    QString item_;
    qsizetype keepFrom_ = 0;  // escaped characters are never trimmed
    bool quoted_ = false, inQuotes_ = false;
    QStringList items_;
};

void ValueReader::readEscape()
{
    ++at_;
    if (at_ >= in_.size()) {
        keepFrom_ = item_.size();  // a last lone backslash keeps the spaces before it
        return;
    }
    const char c = in_[at_++];
    static const char kLetters[] = "abfnrtv\"?'\\";
    static const char kMeanings[] = "\a\b\f\n\r\t\v\"?'\\";
    if (const char* found = c ? std::strchr(kLetters, c) : nullptr) {
        item_ += QLatin1Char(kMeanings[found - kLetters]);
    } else if (c == 'x') {
        if (at_ < in_.size() && hexValue(in_[at_]) >= 0)
            readNumber(16);
    } else if (c >= '0' && c <= '7') {
        --at_;
        readNumber(8);
    } else if ((c == '\n' || c == '\r') && at_ < in_.size() && (in_[at_] == '\n' || in_[at_] == '\r')
               && in_[at_] != c) {
        ++at_;  // an escaped line break, \r\n or \n\r, reads as nothing
    }
    keepFrom_ = item_.size();
}

void ValueReader::readNumber(int base)
{
    char16_t value = 0;
    while (at_ < in_.size()) {
        const int digit = hexValue(in_[at_]);
        if (digit < 0 || digit >= base)
            break;
        value = char16_t(value * base + digit);
        ++at_;
    }
    item_ += QChar(value);
}

}  // namespace

std::optional<QString> unescapedText(QByteArrayView value)
{
    const QString text = ValueReader(value).read().join(QStringLiteral(", "));
    if (!text.startsWith(QLatin1Char('@')))
        return text;
    if (text.startsWith(QLatin1String("@@")))
        return text.sliced(1);
    if (text == QLatin1String("@Invalid()"))
        return std::nullopt;
    for (const QLatin1String typed : {QLatin1String("@String("), QLatin1String("@ByteArray(")}) {
        if (text.startsWith(typed) && text.endsWith(QLatin1Char(')')))
            return text.sliced(typed.size(), text.size() - typed.size() - 1);
    }
    return text;
}

}  // namespace jubilo::ini
