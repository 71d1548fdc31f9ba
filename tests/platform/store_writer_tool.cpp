// store_writer_tool <folder> <key> <value-file>: writes the file's text under
// Tarvel/Jubilo/<key>, then dies by SIGKILL without any clean-up.

#include "platform/ini_settings_store.h"

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
    jubilo::IniSettingsStore store(QString::fromLocal8Bit(argv[1]));
    store.write(QStringLiteral("Tarvel"), QStringLiteral("Jubilo"), QString::fromLocal8Bit(argv[2]), value);
    ::kill(::getpid(), SIGKILL);
    return 0;
}
