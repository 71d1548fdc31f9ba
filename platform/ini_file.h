#pragma once
// One INI file at a path, in the format Qt's QSettings reads and writes,
// read and edited in place: the settings store keeps one per application,
// a plan file is one.
//
// Every read takes the file as it is on disk now. Every write edits the
// value's own line in the file as it is on disk now (groups, keys and
// lines Jubilo does not know stay as they were) and replaces the file
// through Jubilo's one file writer: a full disk or a failed flush leaves
// the old file whole and throws StoreError. A new file is readable by its
// owner only; a link the user made to it is followed.
//
// Two things are kept aside before a rewrite could lose them, and the
// notice is given the text telling the user where:
// - a file with lines QSettings cannot read (see damaged_settings.h), once,
//   before it is written afresh from what could be read;
// - a file another program changed since Jubilo last read or wrote it,
//   when the value being written is one that program changed.

#include "files/file_calls.h"
#include "files/file_error.h"
#include "platform/ini_document.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace jubilo {

// How the file's owner speaks of it: each gives a whole message. `file` is
// the name as a message shows it (files::displayName), `path` as given.
struct IniFileTexts {
    QString (*readFailed)(const QString& file, const QString& reason);
    QString (*writeFailed)(const files::FileError& error);
    // `why` is kDamagedCopy or kChangedCopy; `error` says why no copy of the
    // file could be kept, so that it was not written.
    QString (*notCopied)(const char* why, const QString& error);
    QString (*damagedNotice)(const QString& path, const QString& copyPath);
    QString (*changedNotice)(const QString& path, const QString& copyPath);
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

    // True when this user cannot replace the file: the file, or the folder
    // the writer makes its new file in, is not writable.
    bool isReadOnly() const;

private:
    QByteArray readFromDisk();
    [[noreturn]] void throwGone();
    bool isDamaged(const QByteArray& onDisk) const;
    bool changedByOthers(const QByteArray& onDisk, const QString& group, const QString& key) const;
    void keepCopy(const QByteArray& onDisk, const char* why);
    void replace(bool makeFolder, const QByteArray& bytes);
    void remember(const ini::IniDocument& written, const QString& group, const QString& key, const QString& text);
    void tell(const QString& text) const;

    QString path_;
    IniFileTexts texts_;
    Notice notice_;
    files::FileCalls calls_;
    // What the plan in memory came from: the file as first read, with every
    // value Jubilo wrote since. A value that differs on disk from this one
    // was changed by someone else.
    std::optional<ini::IniDocument> base_;
    // The file as last read, kept while it stays the same on disk.
    ini::IniDocument current_;
    bool prepared_ = false;  // checked for damage before the first write
    bool gone_ = false;
};

}  // namespace jubilo
