#include "platform/ini_settings_store.h"

#include "platform/damaged_settings.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <map>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <utility>

namespace jubilo {

struct IniSettingsStore::Files {
    std::map<QString, std::unique_ptr<QSettings>> byApp;
    // Applications whose file has been made ready for writing: created
    // owner-only, or found readable, or copied aside as damaged.
    std::set<QString> prepared;
};

IniSettingsStore::IniSettingsStore(QString folder, Notice notice)
    : folder_(std::move(folder))
    , notice_(std::move(notice))
    , files_(std::make_unique<Files>())
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

void IniSettingsStore::setNotice(Notice notice) { notice_ = std::move(notice); }

QString IniSettingsStore::filePath(const QString& app) const
{
    return QDir(folder_).filePath(app + QStringLiteral(".ini"));
}

QString IniSettingsStore::location(const QString& app) const { return filePath(app); }

QSettings& IniSettingsStore::fileFor(const QString& app)
{
    auto& slot = files_->byApp[app];
    if (!slot)
        slot = std::make_unique<QSettings>(filePath(app), QSettings::IniFormat);
    return *slot;
}

namespace {

QString keyPath(const QString& section, const QString& key) { return section + QLatin1Char('/') + key; }

QString storedText(const QVariant& value)
{
    // A hand-edited file may hold an unquoted "a, b", which QSettings reads
    // as a list; give the text back as it stands in the file.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

// Which file a name leads to: QSettings replaces the file on every write
// (a fresh file renamed over the old), so a written file is a new one.
using FileIdentity = std::pair<dev_t, ino_t>;

std::optional<FileIdentity> fileIdentity(const QString& path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileIdentity(info.st_dev, info.st_ino);
}

// QSettings' rewrites keep the mode of the file they replace, so a file
// made owner-only here stays so. When it cannot be made, QSettings' own
// write finds and reports the reason.
void createOwnerOnly(const QString& folder, const QString& path)
{
    QDir().mkpath(folder);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        file.close();
}

// QSettings' own verdict, for lines the byte check lets through (a line of
// a vertical tab, say). It parses the file only when first asked.
bool failsToParse(QSettings& file)
{
    file.sync();
    return file.status() == QSettings::FormatError;
}

}  // namespace

QString IniSettingsStore::read(const QString& app, const QString& section, const QString& key,
                               const QString& defaultValue)
{
    QSettings& file = fileFor(app);
    // Pick up what another running copy may have written since.
    file.sync();
    const QVariant value = file.value(keyPath(section, key));
    return value.isValid() ? storedText(value) : defaultValue;
}

void IniSettingsStore::prepareFirstWrite(const QString& app)
{
    if (files_->prepared.contains(app))
        return;
    if (QFileInfo::exists(filePath(app)))
        keepCopyIfDamaged(app);
    else
        createOwnerOnly(folder_, filePath(app));
    files_->prepared.insert(app);
}

void IniSettingsStore::keepCopyIfDamaged(const QString& app)
{
    const QString path = filePath(app);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;  // QSettings cannot read it either, nor lose lines from it
    const QByteArray bytes = file.readAll();
    if (!hasUnreadableLines(bytes) && !failsToParse(fileFor(app)))
        return;
    QString copy;
    try {
        copy = keepDamagedCopy(path, bytes, system().now().date());
    } catch (const std::exception& error) {
        throw StoreError("The settings store has lines that could not be read and no copy of it could be kept, "
                         "so it was not written: "
                         + std::string(error.what()));
    }
    if (notice_)
        notice_(damagedSettingsNotice(path, copy));
}

void IniSettingsStore::write(const QString& app, const QString& section, const QString& key, const QString& value)
{
    prepareFirstWrite(app);
    QSettings& file = fileFor(app);
    const std::optional<FileIdentity> before = fileIdentity(filePath(app));
    file.setValue(keyPath(section, key), value);
    file.sync();
    const QSettings::Status status = file.status();
    if (status == QSettings::NoError)
        return;
    // Either way the next write starts from what is on disk: after a parse
    // error that is the clean file just written.
    files_->byApp.erase(app);
    // QSettings keeps the first error it meets, so a parse error of the old
    // file hides whether the new one was written; a written file has taken
    // the old one's place under its name.
    const std::optional<FileIdentity> after = fileIdentity(filePath(app));
    if (status == QSettings::FormatError && after && after != before)
        return;
    throw StoreError("The settings store could not be written: " + filePath(app).toStdString());
}

}  // namespace jubilo
