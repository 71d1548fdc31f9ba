#pragma once
// One INI file at a path, in the format Qt's QSettings reads and writes,
// read and edited in place: the settings store keeps one per application,
// a plan file is one.
//
// A change is journaled: one small entry, the value's group, key and the
// splice that makes its new text from the old, appended to the journal
// beside the file and flushed (see ini_journal.h). A change to one row of a
// plan of thousands costs that row, not a rewrite of megabytes. The
// journal is folded into the file by checkpoint(): the file is replaced
// through Jubilo's one file writer with every change in it (only the
// changed values' lines differ; groups, keys and lines Jubilo does not
// know stay as they were), then the journal is removed. That happens when
// the journal grows past its limits, when the IniFile goes, and whenever
// its owner asks. A full disk or a failed flush, in either, leaves what
// was on disk whole and throws StoreError.
//
// Every read takes the file with its journal as they are on disk now:
// while neither changed since Jubilo last looked (see file_identity.h),
// the values already read are used, never read or decoded again. Another
// program reading the file through an IniFile (the command line) replays
// the journal too. A new file is readable by its owner only; a link the
// user made to it is followed.
//
// Three things are kept aside before a rewrite could lose them, and the
// notice is given the text telling the user where:
// - a file with lines QSettings cannot read (see damaged_settings.h), once,
//   before it is written afresh from what could be read;
// - a file another program changed since Jubilo last read or wrote it,
//   when the value being written, or one journaled, is one that program
//   changed;
// - a journal that does not fit the file (another program replaced it)
//   and holds changes: they are not applied, and the copy holds them.

#include "files/file_calls.h"
#include "files/file_error.h"
#include "files/file_identity.h"
#include "platform/file_reading.h"
#include "plan/settings_store.h"
#include "platform/ini_document.h"
#include "platform/ini_journal.h"
#include "platform/ini_values.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <optional>
#include <span>
#include <utility>

namespace jubilo {

// How the file's owner speaks of it: each gives a whole message. `file` is
// the name as a message shows it (files::displayName), `path` as given.
struct IniFileTexts {
    QString (*readFailed)(const QString& file, const QString& reason);
    QString (*writeFailed)(const files::FileError& error);
    // `why` is kDamagedCopy, kChangedCopy or kJournalCopy; `error` says why
    // no copy could be kept, so that the file was not written.
    QString (*notCopied)(const char* why, const QString& error);
    QString (*damagedNotice)(const QString& path, const QString& copyPath);
    QString (*changedNotice)(const QString& path, const QString& copyPath);
    QString (*journalNotice)(const QString& path, const QString& copyPath);
    // Null for a file that a missing file reads as empty and the first write
    // makes, with its folder. Set for a file that must stay where it was
    // opened: once it is found gone, this read or write and every later one
    // throw StoreError with this text, and nothing makes it again.
    QString (*gone)(const QString& file) = nullptr;
    // Set for a file whose owner says so rather than let the writer fail: a
    // write that would change a file isReadOnly() throws StoreError with
    // this text before anything is written or copied.
    QString (*readOnly)(const QString& file) = nullptr;
};

class IniFile {
public:
    using Notice = std::function<void(const QString& text)>;

    IniFile(QString path, const IniFileTexts& texts, Notice notice = {},
            const files::FileCalls& calls = files::systemFileCalls());
    // Folds this IniFile's own journaled changes into the file, as far as
    // it can; never throws, and a journal it cannot fold stays.
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& path() const { return path_; }
    void setNotice(Notice notice);

    // Takes `bytes`, just read or written by the owner, as the file on disk
    // and as what the plan in memory came from.
    void adopt(const QByteArray& bytes);

    // The key's text in the group, or nothing when no line sets it. Throws
    // StoreError, naming the file, when the file is there but cannot be
    // read (no permission, a folder in its place), or is gone (see texts).
    std::optional<QString> value(const QString& group, const QString& key);
    void setValue(const QString& group, const QString& key, const QString& text);

    // Sets the values (key, text) of the group as one change: one entry of
    // the journal, or one rewrite of the file. When it throws, none of them
    // is set, in memory or on disk.
    // A value given with a splice of the one it holds (see ValueWrite) is
    // changed in place, and its whole text is only asked for when the file
    // must be rewritten.
    void setValues(const QString& group, std::span<const ValueWrite> values);

    // Makes the file whole on disk: folds the journal into it and removes
    // the journal. Throws StoreError as a write does; the journal then
    // stays and still holds every change.
    void checkpoint();

    // True when this user cannot replace the file: the file, or the folder
    // the writer makes its new file in, is not writable.
    bool isReadOnly() const;

private:
    using Key = IniValues::Key;
    struct Change {
        Key key;
        QString text;
    };
    // What the plan in memory came from, once another program changed the
    // file: the file as Jubilo knew it then, and every value Jubilo wrote
    // since. A value that differs on disk from this one was changed by
    // someone else.
    struct Origin {
        ini::IniDocument file;
        std::map<Key, QString> written;
        std::optional<QString> value(const Key& key) const;
    };

    void refresh();
    void loadFile();
    void loadJournal(bool fileChanged);
    FileReading readFile();
    [[noreturn]] void throwGone();
    journal::Base fileBase();
    void noteOthersChanged(const ini::IniDocument& onDisk);
    bool changedByOthers(const Key& key);
    bool isDamagedBeforeFirstWrite();
    bool canAppend(const Key& key);
    void append(const QString& group, std::span<const ValueWrite> values);
    std::vector<Change> wholeChanges(const QString& group, std::span<const ValueWrite> values) const;
    void rewrite(const std::vector<Change>& changes);
    void keepCopies(bool damaged, bool changed, bool swallowed);
    void keepCopy(const QByteArray& bytes, const char* why);
    void refuseIfReadOnly() const;
    void replace(bool makeFolder, const QByteArray& bytes);
    void remember(const Key& key, const QString& text);
    void tell(const QString& text) const;

    QString path_;
    IniFileTexts texts_;
    Notice notice_;
    files::FileCalls calls_;
    IniValues values_;  // the file as last read or written, the journal's edits on top
    IniJournal journal_;
    files::FileIdentity fileIdentity_;  // when last read or written
    std::optional<journal::Base> fileBase_;  // of values_.document(), once asked
    std::optional<ini::IniDocument> adopted_;  // until the first read
    std::optional<Origin> origin_;
    bool loaded_ = false;
    bool journaled_ = false;  // changes of this IniFile's own are in the journal
    bool foldDue_ = false;  // ...but the journal no longer fits the file
    bool othersUnderJournal_ = false;  // another program changed a journaled value
    bool prepared_ = false;  // checked for damage before the first write
    std::optional<bool> damaged_;  // the answer of that check
    bool gone_ = false;
};

}  // namespace jubilo
