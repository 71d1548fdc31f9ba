// store_writer_tool <folder> <key> <value-file>: writes the file's text under
// Tarvel/Jubilo/<key>, then dies by SIGKILL without any clean-up. Given a
// plan file ("*.jubilo") instead of a folder, writes the value there.
// store_writer_tool <folder or plan file> --journaled: makes every write of
// journaledWrites() instead, then dies the same way.

#include "platform/ini_settings_store.h"
#include "platform/plan_file_store.h"
#include "journaled_writes.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <memory>
#include <unistd.h>

namespace {

std::unique_ptr<jubilo::SettingsStore> storeAt(const QString& target)
{
    if (target.endsWith(QString::fromUtf8(jubilo::kPlanFileSuffix)))
        return jubilo::PlanFileStore::open(target);
    return std::make_unique<jubilo::IniSettingsStore>(target);
}

void write(jubilo::SettingsStore& store, const QString& key, const QString& value)
{
    store.write(QStringLiteral("Tarvel"), QStringLiteral("Jubilo"), key, value);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const std::unique_ptr<jubilo::SettingsStore> store = storeAt(QString::fromLocal8Bit(argv[1]));
    if (argc == 3 && QByteArray(argv[2]) == "--journaled") {
        for (const jubilo::testing::StoreWrite& each : jubilo::testing::journaledWrites())
            write(*store, each.key, each.text);
    } else if (argc == 4) {
        QFile valueFile(QString::fromLocal8Bit(argv[3]));
        if (!valueFile.open(QIODevice::ReadOnly))
            return 3;
        write(*store, QString::fromLocal8Bit(argv[2]), QString::fromUtf8(valueFile.readAll()));
    } else {
        return 2;
    }
    ::kill(::getpid(), SIGKILL);
    return 0;
}
