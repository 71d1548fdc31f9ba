#include "platform/ini_settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <map>

namespace jubilo {

struct IniSettingsStore::Files {
    std::map<QString, std::unique_ptr<QSettings>> byApp;
};

IniSettingsStore::IniSettingsStore(QString folder)
    : folder_(std::move(folder))
    , files_(std::make_unique<Files>())
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString IniSettingsStore::filePath(const QString& app) const
{
    return QDir(folder_).filePath(app + QStringLiteral(".ini"));
}

QSettings& IniSettingsStore::fileFor(const QString& app)
{
    auto& slot = files_->byApp[app];
    if (!slot)
        slot = std::make_unique<QSettings>(filePath(app), QSettings::IniFormat);
    return *slot;
}

static QString keyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

QString IniSettingsStore::read(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue)
{
    QSettings& file = fileFor(app);
    // Pick up what another running copy may have written since.
    file.sync();
    const QVariant value = file.value(keyPath(section, key));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited file may hold an unquoted "a, b", which QSettings reads
    // as a list; give the text back as it stands in the file.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

void IniSettingsStore::write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    QSettings& file = fileFor(app);
    file.setValue(keyPath(section, key), value);
    file.sync();
    if (file.status() != QSettings::NoError) {
        const std::string path = filePath(app).toStdString();
        // Forget the failed file so the next write starts from what is on disk.
        files_->byApp.erase(app);
        throw StoreError("The settings store could not be written: " + path);
    }
}

}  // namespace jubilo
