// Jubilo: plan a party, get a printable spreadsheet.

#include "platform/qt_system.h"
#include "engine_host/engine_host.h"
#include "model/saved_plan.h"
#include "model/settings_store.h"
#include "shell/plan_lock.h"
#include "trap/app_title.h"
#include "trap/message.h"
#include "ui/main/main_window.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Jubilo"));
    QApplication::setDesktopFileName(QStringLiteral("jubilo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/jubilo/jubilo.svg")));

    jubilo::QtSystem qtSystem;
    qtSystem.setSettingsNotice([](const QString& text) { jubilo::msgBox(text, jubilo::msgbox::kExclamation); });
    qtSystem.setHostFactory(jubilo::createEngineHost, jubilo::runningEngineHost);
    jubilo::installSystem(&qtSystem);

    jubilo::setAppTitle();
    jubilo::PlanLock planLock(jubilo::planLockPath(qtSystem.settings().location(jubilo::kStoreApplication)));
    if (!jubilo::claimPlanOrSayOpen(planLock)) {
        jubilo::installSystem(nullptr);
        return 0;
    }

    jubilo::MainWindow window;
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    const int status = app.exec();
    jubilo::installSystem(nullptr);
    return status;
}
