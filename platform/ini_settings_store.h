#pragma once
// The settings store on disk: one INI file per application name
// ("<folder>/<app>.ini"), the section as its group, in the format Qt's
// QSettings reads and writes.

#include "files/file_calls.h"
#include "plan/settings_store.h"

#include <QString>

#include <functional>
#include <map>

namespace jubilo {

// Every write edits the value's own line in the file as it is on disk now
// (groups, keys and lines Jubilo does not know stay as they were) and
// replaces the file through Jubilo's one file writer: a full disk or a
// failed flush leaves the old file whole and throws StoreError. A new file
// is readable by its owner only; a link the user made to it is followed.
//
// Two things are kept aside before a rewrite could lose them, and the
// notice is given the text telling the user where:
// - a file with lines QSettings cannot read (see damaged_settings.h), once,
//   before it is written afresh from what could be read;
// - a file another program changed since Jubilo last read or wrote it,
//   when the value being written is one that program changed.
class IniSettingsStore : public SettingsStore {
public:
    using Notice = std::function<void(const QString& text)>;

    explicit IniSettingsStore(QString folder, Notice notice = {},
                              const files::FileCalls& calls = files::systemFileCalls());
    ~IniSettingsStore() override;

    // "<per-user configuration folder>", where the INI files are kept.
    static QString defaultFolder();

    void setNotice(Notice notice);

    // Throws StoreError, naming the file, when the file is there but
    // cannot be read (no permission, a folder in its place).
    QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue) override;
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override;
    QString location(const QString& app) const override;

    QString filePath(const QString& app) const;

private:
    struct File;
    File& fileFor(const QString& app);
    QByteArray readFromDisk(const QString& app) const;
    QByteArray prepareFirstWrite(const QString& app, File& file, const QByteArray& onDisk);
    QString keepCopy(const QString& app, const QByteArray& onDisk, const char* why, const char* whyWritten);
    void keepDamagedCopy(const QString& app, const QByteArray& onDisk);
    void keepCopyIfChanged(const QString& app, File& file, const QByteArray& onDisk, const QString& section,
                           const QString& key);
    void tell(const QString& text) const;

    QString folder_;
    Notice notice_;
    files::FileCalls calls_;
    std::map<QString, std::unique_ptr<File>> files_;
};

}  // namespace jubilo
