#include "platform/journal_format.h"

#include "platform/ini_text.h"

#include <zlib.h>

#include <algorithm>

namespace jubilo::journal {

namespace {

constexpr char kHeaderKind[] = "jubilo-journal-1";
constexpr char kEditKind[] = "edit";
constexpr char kFoldKind[] = "fold";
constexpr char kEditsKind[] = "edits";
// An entry's first line ("<kind> <length> <checksum>") is never longer.
constexpr qsizetype kMaxFrameLine = 64;
constexpr int kChecksumDigits = 8;

quint32 checksumOf(QByteArrayView kind, QByteArrayView payload)
{
    uLong crc = ::crc32_z(0L, Z_NULL, 0);
    crc = ::crc32_z(crc, reinterpret_cast<const Bytef*>(kind.data()), z_size_t(kind.size()));
    crc = ::crc32_z(crc, reinterpret_cast<const Bytef*>(payload.data()), z_size_t(payload.size()));
    return quint32(crc);
}

QByteArray frame(QByteArrayView kind, const QByteArray& payload)
{
    const QByteArray checksum = QByteArray::number(checksumOf(kind, payload), 16).rightJustified(kChecksumDigits, '0');
    return kind.toByteArray() + ' ' + QByteArray::number(payload.size()) + ' ' + checksum + '\n' + payload + '\n';
}

// `text` cut at the first `count - 1` separators, the last field the rest;
// empty when it has fewer.
std::vector<QByteArrayView> fields(QByteArrayView text, char separator, int count)
{
    std::vector<QByteArrayView> parts;
    qsizetype from = 0;
    for (int i = 1; i < count; ++i) {
        const qsizetype at = text.indexOf(separator, from);
        if (at < 0)
            return {};
        parts.push_back(text.sliced(from, at - from));
        from = at + 1;
    }
    parts.push_back(text.sliced(from));
    return parts;
}

// Digits only: no sign but a leading '-' where allowed, no spaces.
std::optional<qint64> number(QByteArrayView text, int radix = 10)
{
    const QByteArrayView digits = text.startsWith('-') ? text.sliced(1) : text;
    const bool plain = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [radix](char c) {
        return (c >= '0' && c <= '9') || (radix == 16 && ((c >= 'a' && c <= 'f')));
    });
    bool ok = false;
    const qint64 value = text.toByteArray().toLongLong(&ok, radix);
    return plain && ok ? std::optional<qint64>(value) : std::nullopt;
}

QByteArray basePayload(const Base& base)
{
    return QByteArray::number(base.size) + ' ' + QByteArray::number(base.checksum, 16);
}

std::optional<Base> baseFrom(QByteArrayView payload)
{
    const std::vector<QByteArrayView> parts = fields(payload, ' ', 2);
    if (parts.empty())
        return std::nullopt;
    const std::optional<qint64> size = number(parts[0]);
    const std::optional<qint64> checksum = number(parts[1], 16);
    if (!size || *size < 0 || !checksum || *checksum < 0 || *checksum > 0xFFFFFFFFLL)
        return std::nullopt;
    return Base{*size, quint32(*checksum)};
}

std::optional<Edit> editFrom(QByteArrayView payload)
{
    const std::vector<QByteArrayView> parts = fields(payload, '\n', 4);
    const std::vector<QByteArrayView> numbers = parts.empty() ? parts : fields(parts[2], ' ', 3);
    if (numbers.empty())
        return std::nullopt;
    const std::optional<qint64> oldLength = number(numbers[0]), offset = number(numbers[1]),
                                removed = number(numbers[2]);
    const std::optional<QString> inserted = ini::unescapedText(parts[3]);
    if (!oldLength || !offset || !removed || !inserted || *oldLength < -1 || *offset < 0 || *removed < 0
        || *offset + *removed > std::max<qint64>(*oldLength, 0))
        return std::nullopt;
    return Edit{ini::unescapedKey(parts[0]), ini::unescapedKey(parts[1]), qsizetype(*oldLength),
                TextSplice{qsizetype(*offset), qsizetype(*removed), *inserted}};
}

struct Frame {
    QByteArrayView kind, payload;
    qsizetype end = 0;
};

// The whole, undamaged entry at `at`, or nothing.
std::optional<Frame> frameAt(QByteArrayView bytes, qsizetype at)
{
    const qsizetype lineEnd = bytes.indexOf('\n', at);
    if (lineEnd < 0 || lineEnd - at > kMaxFrameLine)
        return std::nullopt;
    const std::vector<QByteArrayView> parts = fields(bytes.sliced(at, lineEnd - at), ' ', 3);
    const std::optional<qint64> length = parts.empty() ? std::nullopt : number(parts[1]);
    const std::optional<qint64> checksum = parts.empty() ? std::nullopt : number(parts[2], 16);
    if (!length || !checksum || parts[2].size() != kChecksumDigits || *length < 0
        || *length >= bytes.size() - lineEnd - 1)
        return std::nullopt;
    const QByteArrayView payload = bytes.sliced(lineEnd + 1, *length);
    const qsizetype end = lineEnd + 1 + *length + 1;
    if (bytes[end - 1] != '\n' || checksumOf(parts[0], payload) != quint32(*checksum))
        return std::nullopt;
    return Frame{parts[0], payload, end};
}

// The entry the frame holds, or nothing when it is none Jubilo writes.
std::optional<std::variant<Edit, Base>> entryFrom(const Frame& frame)
{
    if (frame.kind == kEditKind) {
        if (std::optional<Edit> edit = editFrom(frame.payload))
            return *edit;
    } else if (frame.kind == kFoldKind) {
        if (std::optional<Base> base = baseFrom(frame.payload))
            return *base;
    }
    return std::nullopt;
}

// The edits an "edits" entry holds; nothing unless every one is whole.
std::optional<std::vector<Edit>> editsFrom(QByteArrayView payload)
{
    std::vector<Edit> edits;
    for (qsizetype at = 0; at < payload.size();) {
        const std::optional<Frame> inner = frameAt(payload, at);
        std::optional<Edit> edit = inner && inner->kind == kEditKind ? editFrom(inner->payload) : std::nullopt;
        if (!edit)
            return std::nullopt;
        edits.push_back(std::move(*edit));
        at = inner->end;
    }
    return edits;
}

}  // namespace

Base baseOf(QByteArrayView bytes) { return {bytes.size(), checksumOf({}, bytes)}; }

Edit editBetween(const QString& group, const QString& key, const std::optional<QString>& before, const QString& after)
{
    return {group, key, before ? before->size() : -1, spliceBetween(before.value_or(QString()), after)};
}

// A replay splices each value in place (it copies a value once, at its
// first edit): what an edit costs is the text it puts in, and the rest of
// the value moved along when that text is longer or shorter than what it
// takes out. Taking the last row of a table of thousands moves nothing.
qint64 replayWork(const Edit& edit)
{
    const TextSplice& splice = edit.splice;
    const qint64 tail = std::max<qint64>(edit.oldLength, 0) - splice.offset - splice.removed;
    return splice.inserted.size() + (splice.inserted.size() == splice.removed ? 0 : std::max<qint64>(tail, 0));
}

bool Parsed::hasEdits() const
{
    return std::any_of(entries.begin(), entries.end(),
                       [](const auto& entry) { return std::holds_alternative<Edit>(entry); });
}

Parsed parse(QByteArrayView bytes)
{
    Parsed parsed;
    const std::optional<Frame> header = frameAt(bytes, 0);
    if (!header || header->kind != kHeaderKind || !(parsed.base = baseFrom(header->payload)))
        return parsed;
    parsed.wholeEnd = header->end;
    while (const std::optional<Frame> next = frameAt(bytes, parsed.wholeEnd)) {
        if (next->kind == kEditsKind) {
            std::optional<std::vector<Edit>> edits = editsFrom(next->payload);
            if (!edits)
                break;
            parsed.entries.insert(parsed.entries.end(), edits->begin(), edits->end());
        } else {
            std::optional<std::variant<Edit, Base>> entry = entryFrom(*next);
            if (!entry)
                break;
            parsed.entries.push_back(std::move(*entry));
        }
        parsed.wholeEnd = next->end;
    }
    return parsed;
}

QByteArray headerEntry(const Base& base) { return frame(kHeaderKind, basePayload(base)); }

QByteArray editEntry(const Edit& edit)
{
    const TextSplice& splice = edit.splice;
    return frame(kEditKind,
                 ini::escapedKey(edit.group) + '\n' + ini::escapedKey(edit.key) + '\n'
                     + QByteArray::number(edit.oldLength) + ' ' + QByteArray::number(splice.offset) + ' '
                     + QByteArray::number(splice.removed) + '\n' + ini::escapedText(splice.inserted));
}

QByteArray editsEntry(const std::vector<Edit>& edits)
{
    QByteArray payload;
    for (const Edit& edit : edits)
        payload += editEntry(edit);
    return frame(kEditsKind, payload);
}

QByteArray foldEntry(const Base& next) { return frame(kFoldKind, basePayload(next)); }

std::optional<std::vector<Edit>> editsFor(const Parsed& journal, const Base& main)
{
    if (!journal.base)
        return std::nullopt;
    // The last point that names the main file; -1 for the header.
    std::optional<std::ptrdiff_t> from;
    if (*journal.base == main)
        from = -1;
    for (std::size_t i = 0; i < journal.entries.size(); ++i) {
        const Base* fold = std::get_if<Base>(&journal.entries[i]);
        if (fold && *fold == main)
            from = std::ptrdiff_t(i);
    }
    if (!from)
        return std::nullopt;
    std::vector<Edit> edits;
    for (std::size_t i = std::size_t(*from + 1); i < journal.entries.size(); ++i) {
        if (const Edit* edit = std::get_if<Edit>(&journal.entries[i]))
            edits.push_back(*edit);
    }
    return edits;
}

}  // namespace jubilo::journal
