#include "command_line/command_line.h"

#include "plan/plan.h"
#include "plan/read_only_settings_store.h"
#include "platform/system.h"
#include "report/plan_export.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <ostream>

namespace jubilo {

namespace {

const char kProgram[] = "jubilo";

CommandLine wrong(const QString& problem) { return {CommandLine::Form::Wrong, {}, problem}; }

bool isOption(const QString& argument) { return argument.startsWith(QLatin1Char('-')); }

// The form a first argument names; Wrong for anything else.
CommandLine::Form formOf(const QString& option)
{
    if (option == QLatin1String("--help") || option == QLatin1String("-h"))
        return CommandLine::Form::Help;
    if (option == QLatin1String("--pdf"))
        return CommandLine::Form::Pdf;
    if (option == QLatin1String("--xls"))
        return CommandLine::Form::Xls;
    return CommandLine::Form::Wrong;
}

std::ostream& operator<<(std::ostream& stream, const QString& text) { return stream << text.toStdString(); }

void warnOfKeptTables(const std::vector<KeptTable>& kept, std::ostream& err)
{
    for (const KeptTable& table : kept) {
        err << kProgram << ": warning: the stored " << tableSpec(table.id).name << " list holds " << table.storedRows
            << " rows; a list holds at most " << PlanTable::kMaxRows << ", so the sheet shows only the first "
            << PlanTable::kMaxRows << ".\n";
    }
}

int exportStoredPlan(const CommandLine& command, std::ostream& err)
{
    try {
        ReadOnlySettingsStore store(system().settings());
        Plan plan;
        warnOfKeptTables(loadStoredPlan(store, plan, system().now()), err);
        exportPlan(plan, command.form == CommandLine::Form::Pdf ? ExportFormat::Pdf : ExportFormat::Xls, command.path);
        return exit_status::kDone;
    } catch (const std::exception& error) {
        err << kProgram << ": " << error.what() << '\n';
        return exit_status::kFailed;
    }
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return {};
    const QString& first = arguments.first();
    CommandLine command{formOf(first), {}, {}};
    if (command.form == CommandLine::Form::Wrong)
        return wrong(isOption(first) ? QStringLiteral("unknown option %1").arg(first)
                                     : QStringLiteral("unexpected argument %1").arg(first));
    qsizetype used = 1;
    if (command.form != CommandLine::Form::Help) {
        // A name that starts with '-' is far likelier a forgotten name than
        // a file; such a file is still reached as ./-name.
        if (arguments.size() < 2 || arguments[1].isEmpty() || isOption(arguments[1]))
            return wrong(QStringLiteral("%1 needs the name of the file to write").arg(first));
        command.path = arguments[1];
        used = 2;
    }
    if (arguments.size() > used)
        return wrong(QStringLiteral("unexpected argument %1").arg(arguments[used]));
    return command;
}

QString usageText()
{
    return QStringLiteral("Usage: jubilo              open the window to plan the party\n"
                          "       jubilo --pdf FILE   write the stored plan's sheet to FILE as a PDF\n"
                          "       jubilo --xls FILE   write the stored plan's workbook to FILE (Excel 97 .xls)\n"
                          "       jubilo --help       show this help\n"
                          "\n"
                          "--pdf and --xls show no window and need no display. They only read the\n"
                          "stored plan (~/.config/Tarvel.ini) and replace FILE once the new one is\n"
                          "complete.\n"
                          "\n"
                          "Exit status: 0 done; 1 the file could not be built or written; 2 the\n"
                          "command line is none of the forms above.\n");
}

void useNoDisplay()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Built with X11 support, the offscreen platform may otherwise open
    // DISPLAY's server when OpenGL is asked for.
    qputenv("QT_QPA_OFFSCREEN_NO_GLX", "1");
}

void keepQtNotesOffStandardError()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s: %s\n", kProgram, message.toLocal8Bit().constData());
    });
}

namespace {

int runForm(const CommandLine& command, std::ostream& out, std::ostream& err)
{
    switch (command.form) {
    case CommandLine::Form::Help:
        out << usageText();
        return exit_status::kDone;
    case CommandLine::Form::Pdf:
    case CommandLine::Form::Xls:
        return exportStoredPlan(command, err);
    case CommandLine::Form::Window:
        err << kProgram << ": the window is not opened from here\n";
        return exit_status::kFailed;
    case CommandLine::Form::Wrong:
        break;
    }
    err << kProgram << ": " << command.problem << "\n\n" << usageText();
    return exit_status::kUsage;
}

// Flushes `stream` down to the file it writes; the system's reason when that
// fails (std::cout's flush reaches stdout's), an empty one when it lies
// unknown, nothing when all was written.
std::optional<QString> writeFailure(std::ostream& stream)
{
    errno = 0;
    if (stream.flush())
        return std::nullopt;
    return errno != 0 ? QString::fromLocal8Bit(std::strerror(errno)) : QString();
}

}  // namespace

int runCommand(const CommandLine& command, std::ostream& out, std::ostream& err)
{
    const int status = runForm(command, out, err);
    if (const std::optional<QString> reason = writeFailure(out)) {
        QString said = QCoreApplication::translate("CommandLine", "standard output could not be written");
        if (!reason->isEmpty())
            said += QStringLiteral(": ") + *reason;
        err << kProgram << ": " << said << '\n';
        err.flush();
        return exit_status::kFailed;
    }
    return writeFailure(err) ? exit_status::kFailed : status;
}

}  // namespace jubilo
