#pragma once
// The bytes of the journal kept beside an INI file. It is text, one entry
// after another, each framed so that a torn or damaged one is known:
//
//   <kind> <payload length> <CRC-32 of kind and payload, 8 hex digits>\n
//   <payload>\n
//
// The first entry, "jubilo-journal-1", names its base: the size and CRC-32
// of the main file's bytes it applies to. An "edit" holds a group and a
// key (escaped as the INI file escapes keys), the value's length before
// (-1 when there was none) and a splice of it: offset, characters removed,
// the text inserted (escaped as the INI file escapes values, so every text
// reads back exactly). A "fold" names the bytes the main file was about to
// be rewritten to with every edit before it: once the main file holds
// them, only the edits after it still apply. An "edits" entry holds several
// edit entries, whole, as its payload: one change of several values, which
// a replay takes all or not at all.

#include "platform/text_splice.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace jubilo::journal {

// A CRC-32 tells a journal's base from the file another program left in
// its place; the size and each edit's old length must agree too.
struct Base {
    qint64 size = -1;
    quint32 checksum = 0;
    friend bool operator==(const Base&, const Base&) = default;
};
Base baseOf(QByteArrayView bytes);

struct Edit {
    QString group, key;
    qsizetype oldLength = -1;  // -1: the key had no value
    TextSplice splice;
};
Edit editBetween(const QString& group, const QString& key, const std::optional<QString>& before, const QString& after);

// Characters a replay of the edit copies: what it inserts, and the part of
// the value after it when that moves.
qint64 replayWork(const Edit& edit);

// The entries up to the first that is torn or damaged; none without a
// whole header.
struct Parsed {
    std::optional<Base> base;
    std::vector<std::variant<Edit, Base>> entries;  // an edit, or the base of a fold
    qsizetype wholeEnd = 0;  // where the last whole entry ends
    bool hasEdits() const;
};
Parsed parse(QByteArrayView bytes);

QByteArray headerEntry(const Base& base);
QByteArray editEntry(const Edit& edit);
QByteArray editsEntry(const std::vector<Edit>& edits);
QByteArray foldEntry(const Base& next);

// The edits to replay onto a main file whose bytes have `main`: those
// after the last point that names it (the header, or a fold the main file
// went through); nothing when none does, and the journal is stale.
std::optional<std::vector<Edit>> editsFor(const Parsed& journal, const Base& main);

}  // namespace jubilo::journal
