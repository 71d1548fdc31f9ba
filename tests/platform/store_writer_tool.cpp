// store_writer_tool <folder> <key> <value-file>: writes the file's text under
// Tarvel/Jubilo/<key>, then dies by SIGKILL without any clean-up. Given a
// plan file ("*.jubilo") instead of a folder, writes the value there.

#include "platform/ini_settings_store.h"
#include "platform/plan_file_store.h"

#include <QCoreApplication>
#include <QFile>

#include <csignal>
#include <unistd.h>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    QFile valueFile(QString::fromLocal8Bit(argv[3]));
    if (!valueFile.open(QIODevice::ReadOnly))
        return 3;
    const QString value = QString::fromUtf8(valueFile.readAll());
    const QString target = QString::fromLocal8Bit(argv[1]);
    const QString key = QString::fromLocal8Bit(argv[2]);
    if (target.endsWith(QString::fromUtf8(jubilo::kPlanFileSuffix))) {
        jubilo::PlanFileStore::open(target)->write(QStringLiteral("Tarvel"), QStringLiteral("Jubilo"), key, value);
    } else {
        jubilo::IniSettingsStore store(target);
        store.write(QStringLiteral("Tarvel"), QStringLiteral("Jubilo"), key, value);
    }
    ::kill(::getpid(), SIGKILL);
    return 0;
}
