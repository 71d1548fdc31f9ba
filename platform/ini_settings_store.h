#pragma once
// The settings store on disk: QSettings INI files in the per-user
// configuration folder.

#include "model/settings_store.h"

#include <QString>

#include <functional>
#include <memory>

class QSettings;

namespace jubilo {

// One INI file per application name ("<folder>/<app>.ini"), the section as
// its group. QSettings writes through a lock file, a temporary file and a
// rename, so a killed process leaves either the old or the new file. A new
// file is readable by its owner only.
//
// A file with lines QSettings cannot read loses them when it is next
// written, so before the first write a copy of it as it was is kept beside
// it (see damaged_settings.h) and the notice is given the text telling the
// user where.
class IniSettingsStore : public SettingsStore {
public:
    using Notice = std::function<void(const QString& text)>;

    explicit IniSettingsStore(QString folder, Notice notice = {});
    ~IniSettingsStore() override;

    // "<per-user configuration folder>", where QSettings keeps its INI files.
    static QString defaultFolder();

    void setNotice(Notice notice);

    QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue) override;
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override;
    QString location(const QString& app) const override;

    QString filePath(const QString& app) const;

private:
    QSettings& fileFor(const QString& app);
    void prepareFirstWrite(const QString& app);
    void keepCopyIfDamaged(const QString& app);

    QString folder_;
    Notice notice_;
    struct Files;
    std::unique_ptr<Files> files_;
};

}  // namespace jubilo
