#pragma once
// The journal kept beside an INI file: ".<name>.journal", hidden, in the
// folder of the file its path leads to, readable by its owner alone. A
// change to the file is one small entry appended to it and flushed, where
// rewriting a file of megabytes would take far longer; the journal is
// folded into the file now and then, and then removed (see ini_file.h).
// Its format is journal_format.h's.
//
// A journal is only ever opened without following a link; a link or
// anything but a regular file at its name is never read, written or
// removed, and the file is then written whole instead.

#include "files/append_file.h"
#include "files/file_calls.h"
#include "files/file_identity.h"
#include "platform/journal_format.h"

#include <QByteArray>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace jubilo {

// Past this size the next change folds the journal into the file instead:
// the journal is read whole whenever the file is read afresh (a second
// start, the command line), and a row's change is some hundred bytes, so
// this holds thousands of changes and reads in milliseconds.
inline constexpr qint64 kMaxJournalBytes = 4 * 1024 * 1024;
// Past this many characters copied by a replay, the same: an entry in the
// middle of a table of 10,000 rows moves the half million characters after
// it. Some 250 such changes add about 30 ms to reading the file afresh,
// what one fold of the whole plan costs; changes at a table's end (an Add,
// its undo) move nearly nothing.
inline constexpr qint64 kMaxReplayCharacters = 128 * 1024 * 1024;
// A file at the journal's name larger than this is no journal of Jubilo's.
inline constexpr qint64 kMaxJournalFileBytes = 64 * 1024 * 1024;

// Where the journal of the INI file at `path` is, or nothing when the path
// leads through a link Jubilo does not write through (see write_target.h).
std::optional<std::filesystem::path> journalPathFor(const QString& path);

class IniJournal {
public:
    enum class State {
        Absent,  // nothing at the name
        Applies,  // a journal of the file as it is: its edits are replayed
        Stale,  // a journal of other bytes than the file's: never applied
        Blocked,  // a link, not a regular file, or no name: never used
    };

    explicit IniJournal(const files::FileCalls& calls);

    // Reads what is at the journal's name for the INI file at `path`, whose
    // bytes `mainBase` names (asked only when a journal is there). Returns
    // the edits to replay when it applies. Throws files::FileError when
    // something is there that cannot be read.
    std::vector<journal::Edit> read(const QString& path, const std::function<journal::Base()>& mainBase);
    // Takes what read() found as not applying, for a journal the file's
    // own edits did not go to.
    void disown();

    State state() const { return state_; }
    // True while nothing at the name changed since it was read or written.
    bool isAsLeft() const;
    // A stale journal holding edits: what they are is nowhere else.
    bool hasStaleEdits() const { return state_ == State::Stale && hasEdits_; }
    const QByteArray& bytes() const { return bytes_; }  // as read

    // True when an edit entry of `bytes` replaying `work` characters keeps
    // the journal within its limits.
    bool hasRoomFor(qsizetype bytes, qint64 work) const;
    // Appends the entry, flushed; makes the journal, for the file's bytes
    // `mainBase`, when there is none. Throws files::FileError, the journal
    // then ending where it did.
    void append(const QByteArray& entry, qint64 work, const journal::Base& mainBase);
    // Notes that the file is about to be rewritten to bytes `next` with
    // every edit in it; a journal that cannot take the note is no fault.
    void noteFold(const journal::Base& next);
    // Removes the journal once the file holds every edit. A journal that
    // cannot be removed is left alone and taken as Blocked.
    void remove();

private:
    void forget();
    void create(const QByteArray& entry, const journal::Base& mainBase);
    void writeEntry(const QByteArray& entry);

    files::FileCalls calls_;
    std::optional<std::filesystem::path> name_;
    State state_ = State::Absent;
    files::FileIdentity identity_;  // at the name, when last read or written
    qint64 wholeEnd_ = 0;  // where its last whole entry ends
    qint64 work_ = 0;  // characters a replay of it copies
    QByteArray bytes_;
    bool hasEdits_ = false;
    std::unique_ptr<files::AppendFile> writer_;
};

}  // namespace jubilo
