#pragma once
// The settings store on disk: one INI file per application name
// ("<folder>/<app>.ini"), the section as its group, in the format Qt's
// QSettings reads and writes.

#include "files/file_calls.h"
#include "plan/settings_store.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

namespace jubilo {

class IniFile;

// Each file is an IniFile (see ini_file.h): reads take it with its journal
// as they are on disk now; a write is journaled beside the file
// (".<app>.ini.journal") and folded into it, only the value's own line
// changing, through Jubilo's one file writer when the journal grows, when
// the store goes and at checkpoint(); a damaged file, one another program
// changed, or a journal that no longer fits it is kept aside before a
// rewrite could lose it. The first write makes the folder.
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
    // One entry of the journal, or one rewrite: all of them or none.
    void writeAll(const QString& app, const QString& section, std::span<const ValueWrite> values) override;
    // Folds the journal of every file the store has written or read; throws
    // the first failure once each was tried.
    void checkpoint() override;
    QString location(const QString& app) const override;

    QString filePath(const QString& app) const;

private:
    IniFile& fileFor(const QString& app);

    QString folder_;
    Notice notice_;
    files::FileCalls calls_;
    std::map<QString, std::unique_ptr<IniFile>> files_;
};

}  // namespace jubilo
