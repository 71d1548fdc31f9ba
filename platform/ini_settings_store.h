#pragma once
// The settings store on disk: QSettings INI files in the per-user
// configuration folder.

#include "model/settings_store.h"

#include <QString>

#include <memory>

class QSettings;

namespace jubilo {

// One INI file per application name ("<folder>/<app>.ini"), the section as
// its group. QSettings writes through a lock file, a temporary file and a
// rename, so a killed process leaves either the old or the new file.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder);
    ~IniSettingsStore() override;

    // "<per-user configuration folder>", where QSettings keeps its INI files.
    static QString defaultFolder();

    QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue) override;
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override;

    QString filePath(const QString& app) const;

private:
    QSettings& fileFor(const QString& app);

    QString folder_;
    struct Files;
    std::unique_ptr<Files> files_;
};

}  // namespace jubilo
