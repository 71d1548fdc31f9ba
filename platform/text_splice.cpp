#include "platform/text_splice.h"

#include <algorithm>
#include <cstring>

namespace jubilo {

namespace {

// Compared a block at a time: a table's text is megabytes long, and the
// texts mostly agree.
constexpr qsizetype kCompareBlock = 4096;

qsizetype commonPrefix(QStringView a, QStringView b)
{
    const qsizetype most = std::min(a.size(), b.size());
    qsizetype at = 0;
    while (at + kCompareBlock <= most && std::memcmp(a.data() + at, b.data() + at, kCompareBlock * sizeof(QChar)) == 0)
        at += kCompareBlock;
    while (at < most && a[at] == b[at])
        ++at;
    return at;
}

// At most `most` units, so that it never overlaps the common prefix.
qsizetype commonSuffix(QStringView a, QStringView b, qsizetype most)
{
    qsizetype length = 0;
    const auto blockAgrees = [&](qsizetype from) {
        return std::memcmp(a.data() + a.size() - from - kCompareBlock, b.data() + b.size() - from - kCompareBlock,
                           kCompareBlock * sizeof(QChar))
            == 0;
    };
    while (length + kCompareBlock <= most && blockAgrees(length))
        length += kCompareBlock;
    while (length < most && a[a.size() - 1 - length] == b[b.size() - 1 - length])
        ++length;
    return length;
}

}  // namespace

TextSplice spliceBetween(QStringView before, QStringView after)
{
    const qsizetype prefix = commonPrefix(before, after);
    const qsizetype suffix = commonSuffix(before, after, std::min(before.size(), after.size()) - prefix);
    return {prefix, before.size() - prefix - suffix, after.sliced(prefix, after.size() - prefix - suffix).toString()};
}

bool applySplice(QString& text, const TextSplice& splice)
{
    if (splice.offset < 0 || splice.removed < 0 || splice.offset > text.size()
        || splice.removed > text.size() - splice.offset)
        return false;
    text.replace(splice.offset, splice.removed, splice.inserted);
    return true;
}

}  // namespace jubilo
