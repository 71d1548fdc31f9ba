// Jubilo: plan a party, get a printable spreadsheet.

#include "platform/qt_system.h"
#include "host/engine/engine_host.h"
#include "host/engine/engine_typed_input.h"
#include "files/path_bytes.h"
#include "plan/saved_plan.h"
#include "plan/settings_store.h"
#include "command_line/command_line.h"
#include "messages/app_title.h"
#include "messages/language.h"
#include "messages/message.h"
#include "plan/recent_plans.h"
#include "ui/main/main_window.h"
#include "startup/plan_opening.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

#include <iostream>
#include <optional>

namespace {

// The language of this run: the system's, unless --lang names another.
jubilo::Language languageOf(const jubilo::CommandLine& command)
{
    if (const std::optional<jubilo::Language> named = jubilo::languageNamed(command.language))
        return *named;
    return jubilo::systemLanguage(QLocale::system(), QLocale::system().uiLanguages());
}

// Qt sees none of the arguments, which are ours.
int runWindow(char* argv[], const jubilo::CommandLine& command)
{
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName(QStringLiteral("Jubilo"));
    QApplication::setDesktopFileName(QStringLiteral("jubilo"));
    QApplication::setApplicationVersion(QStringLiteral(JUBILO_VERSION));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/jubilo/jubilo.svg")));
    const jubilo::LanguageInForce language(languageOf(command));

    jubilo::QtSystem qtSystem;
    qtSystem.setSettingsNotice([](const QString& text) { jubilo::msgBox(text); });
    qtSystem.setHostFactory(jubilo::createEngineHost, jubilo::runningEngineHost, jubilo::engineTypedInput());
    jubilo::installSystem(&qtSystem);

    jubilo::setAppTitle();
    jubilo::OpenPlan plan;
    if (const std::optional<int> refused = jubilo::claimStartPlan(command.plan, plan)) {
        jubilo::installSystem(nullptr);
        return *refused;
    }
    const QString opened = plan.path;
    jubilo::MainWindow window(std::move(plan));
    if (!opened.isEmpty()) {
        // The recent list is a convenience: a settings file that cannot
        // take it now leaves it as it was, and the plan opens all the same.
        try {
            jubilo::RecentPlans(qtSystem.settings()).add(QFileInfo(opened).absoluteFilePath());
        } catch (const std::exception&) {
        }
    }
    if (const QScreen* screen = window.screen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    const int status = app.exec();
    jubilo::installSystem(nullptr);
    return status;
}

// --pdf, --xls, --ics and --summary: no window, no start-up steps, no lock; Qt
// sees none of the arguments, which are ours. The engine's host builds the
// sheet; its reader of typed amounts works out the summary's figures and
// reads the timetable's date and times.
int runWithoutWindow(char* argv[], const jubilo::CommandLine& command)
{
    jubilo::useNoDisplay();
    jubilo::keepQtNotesOffStandardError();
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("Jubilo"));
    const jubilo::LanguageInForce language(languageOf(command));

    jubilo::QtSystem qtSystem;
    qtSystem.setHostFactory(jubilo::createEngineHost, jubilo::runningEngineHost, jubilo::engineTypedInput());
    jubilo::installSystem(&qtSystem);
    const int status = jubilo::runCommand(command, std::cout, std::cerr);
    jubilo::installSystem(nullptr);
    return status;
}

// --help, --version and a wrong command line print in the run's language:
// the arguments are read again once it is in force, so that what is wrong
// with them is said in it too.
int runPrinting(char* argv[], const QStringList& arguments, const jubilo::CommandLine& command)
{
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    const jubilo::LanguageInForce language(languageOf(command));
    return jubilo::runCommand(jubilo::parseCommandLine(arguments), std::cout, std::cerr);
}

}  // namespace

int main(int argc, char* argv[])
{
    // File names are bytes: a name that is not UTF-8 is kept exactly.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << jubilo::files::nameFromBytes(argv[i]);
    const jubilo::CommandLine command = jubilo::parseCommandLine(arguments);
    switch (command.form) {
    case jubilo::CommandLine::Form::Window:
        return runWindow(argv, command);
    case jubilo::CommandLine::Form::Pdf:
    case jubilo::CommandLine::Form::Xls:
    case jubilo::CommandLine::Form::Summary:
    case jubilo::CommandLine::Form::Ics:
        return runWithoutWindow(argv, command);
    default:
        return runPrinting(argv, arguments, command);
    }
}
