#include "platform/ini_document.h"

#include "platform/ini_lines.h"
#include "platform/ini_text.h"

#include <QSet>
#include <QStringList>

#include <algorithm>
#include <utility>

namespace jubilo::ini {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// "[name]": the general group for "General" in any case, a group named
// General for "%General", any other name unescaped.
QString groupName(QByteArrayView header)
{
    const qsizetype close = header.indexOf(']');
    QByteArrayView name = header.sliced(1, (close < 0 ? header.size() : close) - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1));
    return unescapedKey(name);
}

QByteArray groupHeader(const QString& group)
{
    if (group.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return "[%" + group.toLatin1() + "]";
    return '[' + escapedKey(group) + ']';
}

}  // namespace

IniDocument::IniDocument(QByteArray bytes)
    : bytes_(std::move(bytes))
{
    parse();
}

void IniDocument::parse()
{
    entries_.clear();
    blocks_.assign(1, Block{QString(), -1});  // the general group, empty so far
    const QByteArrayView data(bytes_);
    qsizetype position = data.startsWith(kByteOrderMark) ? qsizetype(sizeof kByteOrderMark - 1) : 0;
    IniLine line;
    while (nextIniLine(data, position, line)) {
        const qsizetype end = line.start + line.length;
        if (data[line.start] == '[') {
            blocks_.push_back({groupName(data.sliced(line.start, line.length)), end});
            continue;
        }
        if (line.equals < 0)
            continue;  // neither a key nor a group: QSettings skips it too
        qsizetype valueStart = line.equals + 1;
        while (valueStart < end && isBlank(data[valueStart]))
            ++valueStart;
        const QByteArrayView key = data.sliced(line.start, line.equals - line.start).trimmed();
        entries_.push_back({blocks_.back().group, unescapedKey(key), line.start, end, valueStart});
        blocks_.back().lastLineEnd = end;
    }
}

QByteArrayView IniDocument::rawValue(const Entry& entry) const
{
    return QByteArrayView(bytes_).sliced(entry.valueStart, entry.end - entry.valueStart);
}

const IniDocument::Entry* IniDocument::lastEntry(const QString& group, const QString& key) const
{
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
        if (entry->key == key && entry->group == group)
            return &*entry;
    }
    return nullptr;
}

std::optional<QString> IniDocument::value(const QString& group, const QString& key) const
{
    const Entry* entry = lastEntry(group, key);
    if (!entry)
        return std::nullopt;
    return unescapedText(rawValue(*entry));
}

bool IniDocument::hasGroup(const QString& group) const
{
    return std::any_of(blocks_.begin(), blocks_.end(), [&group](const Block& block) { return block.group == group; });
}

IniDocument::Values IniDocument::values() const
{
    Values all;  // a later line of a key wins
    for (const Entry& entry : entries_)
        all[{entry.group, entry.key}] = unescapedText(rawValue(entry));
    return all;
}

// True when this document, `before` with one line edited, holds the same
// lines as `before` in the same order, each with the same raw value, but
// the key's, which reads as `text`: then every value reads back as meant
// without unescaping all of them (a plan's tables are megabytes of text).
// False says nothing; the caller then compares every value.
bool IniDocument::isPlainEditOf(const IniDocument& before, const QString& group, const QString& key,
                                const QString& text) const
{
    const Entry* edited = lastEntry(group, key);
    if (!edited || entries_.size() != before.entries_.size())
        return false;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& now = entries_[i];
        const Entry& was = before.entries_[i];
        if (now.key != was.key || now.group != was.group)
            return false;
        if (&now == edited ? unescapedText(rawValue(now)) != text : rawValue(now) != before.rawValue(was))
            return false;
    }
    return true;
}

bool IniDocument::setValue(const QString& group, const QString& key, const QString& text)
{
    IniDocument edited = *this;
    edited.editLine(group, key, text);
    if (edited.isPlainEditOf(*this, group, key, text)) {
        *this = std::move(edited);
        return false;
    }
    Values expected = values();
    expected[{group, key}] = text;
    if (edited.values() == expected) {
        *this = std::move(edited);
        return false;
    }
    *this = cleaned();
    editLine(group, key, text);
    return true;
}

void IniDocument::editLine(const QString& group, const QString& key, const QString& text)
{
    const QByteArray line = escapedKey(key) + '=' + escapedText(text);
    if (const Entry* entry = lastEntry(group, key)) {
        bytes_.replace(entry->start, entry->end - entry->start, line);
    } else {
        const Block* block = nullptr;
        for (const Block& candidate : blocks_) {
            if (candidate.group == group)
                block = &candidate;
        }
        if (block)
            insertLine(block->lastLineEnd, line);
        else
            appendGroup(group, line);
    }
    parse();
}

namespace {

// A typed value ("@ByteArray(...)") is kept as it stands when it is clean
// text on one line without quotes; everything else is written as the text
// it reads as.
QByteArray cleanValue(QByteArrayView raw, const QString& text)
{
    const bool oneCleanLine = !raw.contains('\n') && !raw.contains('\r') && !raw.contains('\0') && !raw.contains('"')
        && QString::fromUtf8(raw).toUtf8() == raw;
    if (raw.startsWith('@') && !raw.startsWith("@@") && !raw.endsWith('\\') && oneCleanLine)
        return raw.toByteArray();
    return escapedText(text);
}

}  // namespace

IniDocument IniDocument::cleaned() const
{
    QStringList groups;  // in the order first met
    QSet<QString> met;
    for (const Block& block : blocks_) {
        if (!met.contains(block.group)) {
            met.insert(block.group);
            groups.append(block.group);
        }
    }
    std::map<std::pair<QString, QString>, const Entry*> last;
    for (const Entry& entry : entries_)
        last[{entry.group, entry.key}] = &entry;
    QByteArray out;
    for (const QString& group : groups) {
        QByteArray lines;
        for (const Entry& entry : entries_) {
            if (entry.group != group || last[{group, entry.key}] != &entry)
                continue;
            const QByteArrayView raw = rawValue(entry);
            lines += escapedKey(entry.key) + '=' + cleanValue(raw, unescapedText(raw).value_or(QString())) + '\n';
        }
        if (lines.isEmpty())
            continue;
        if (!out.isEmpty())
            out += '\n';
        out += (group.isEmpty() ? QByteArray() : groupHeader(group) + '\n') + lines;
    }
    return IniDocument(out);
}

// Inserts `line` as a line of its own after the physical line that holds
// `after` (a comment after a value stays on the value's line); at the very
// start when `after` is negative.
void IniDocument::insertLine(qsizetype after, const QByteArray& line)
{
    if (after < 0) {
        bytes_.insert(0, line + '\n');
        return;
    }
    qsizetype at = after;
    while (at < bytes_.size() && bytes_[at] != '\n' && bytes_[at] != '\r')
        ++at;
    if (at < bytes_.size())
        bytes_.insert(at, '\n' + line);
    else
        bytes_.append('\n' + line + '\n');
}

// A new group at the end, a blank line after what is there.
void IniDocument::appendGroup(const QString& group, const QByteArray& line)
{
    if (!bytes_.isEmpty() && !bytes_.endsWith('\n') && !bytes_.endsWith('\r'))
        bytes_.append('\n');
    if (!bytes_.isEmpty())
        bytes_.append('\n');
    bytes_.append(groupHeader(group) + '\n' + line + '\n');
}

}  // namespace jubilo::ini
