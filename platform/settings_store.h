#pragma once
// Per-user persistent text values, addressed by application name, section
// and key. Every write is durable when it returns; a write that cannot be
// made durable throws StoreError.

#include <QString>

#include <memory>
#include <stdexcept>
#include <string>

class QSettings;

namespace jubilo {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& app, const QString& section, const QString& key,
                         const QString& defaultValue) = 0;
    virtual void write(const QString& app, const QString& section, const QString& key,
                       const QString& value) = 0;
};

// One INI file per application name ("<folder>/<app>.ini"), the section as
// its group. QSettings writes through a lock file, a temporary file and a
// rename, so a killed process leaves either the old or the new file.
class IniSettingsStore : public SettingsStore {
public:
    explicit IniSettingsStore(QString folder);
    ~IniSettingsStore() override;

    // "<per-user configuration folder>", where QSettings keeps its INI files.
    static QString defaultFolder();

    QString read(const QString& app, const QString& section, const QString& key,
                 const QString& defaultValue) override;
    void write(const QString& app, const QString& section, const QString& key,
               const QString& value) override;

    QString filePath(const QString& app) const;

private:
    QSettings& fileFor(const QString& app);

    QString folder_;
    struct Files;
    std::unique_ptr<Files> files_;
};

}  // namespace jubilo
