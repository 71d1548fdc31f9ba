#include "command_line/command_line.h"

#include "command_line/plan_summary_json.h"
#include "command_line/plan_summary_text.h"
#include "figures/plan_figures.h"
#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/safe_write.h"
#include "lists/party_timetable.h"
#include "lists/party_times.h"
#include "messages/language.h"
#include "plan/plan.h"
#include "plan/read_only_settings_store.h"
#include "platform/plan_file_store.h"
#include "platform/system.h"
#include "report/plan_export.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <string_view>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace jubilo {

namespace {

const char kProgram[] = "jubilo";

// Each option as it must be spelled: QCommandLineParser would also take
// "--pdf=FILE", "-pdf" or "-hh", which the usage does not show.
struct OptionSpelling {
    const char* name;  // QCommandLineParser's name for it
    const char* spelling;
    CommandLine::Form form;
};
constexpr OptionSpelling kOptions[] = {
    {"help", "--help", CommandLine::Form::Help},
    {"h", "-h", CommandLine::Form::Help},
    {"version", "--version", CommandLine::Form::Version},
    {"pdf", "--pdf", CommandLine::Form::Pdf},
    {"xls", "--xls", CommandLine::Form::Xls},
    {"summary", "--summary", CommandLine::Form::Summary},
    {"ics", "--ics", CommandLine::Form::Ics},
    {"json", "--json", CommandLine::Form::Summary},  // the form it goes with
    {"lang", "--lang", CommandLine::Form::Window},  // goes with every form
};
const char kJson[] = "json";
const char kLang[] = "lang";

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};
const char kEndOfOptions[] = "--";

CommandLine wrong(const QString& problem) { return {CommandLine::Form::Wrong, {}, {}, problem, false, {}}; }

bool isOption(const QString& argument) { return argument.startsWith(QLatin1Char('-')); }

bool writesAFile(CommandLine::Form form)
{
    return form == CommandLine::Form::Pdf || form == CommandLine::Form::Xls || form == CommandLine::Form::Ics;
}

const OptionSpelling* optionSpelledAs(const QString& argument)
{
    for (const OptionSpelling& option : kOptions) {
        if (argument == QLatin1String(option.spelling))
            return &option;
    }
    return nullptr;
}

const OptionSpelling& optionNamed(const QString& name)
{
    for (const OptionSpelling& option : kOptions) {
        if (name == QLatin1String(option.name))
            return option;
    }
    throw std::logic_error("an option the parser was not given");
}

// The first argument in an option's place that is not spelled as one of
// ours. Options end where the parser's do: at "--" or at the first plan
// name; the argument after --pdf or --xls is their file's name, whatever
// it looks like.
std::optional<QString> firstUnknownOption(const QStringList& arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QLatin1String(kEndOfOptions) || !isOption(argument))
            return std::nullopt;
        const OptionSpelling* option = optionSpelledAs(argument);
        if (!option)
            return argument;
        if (writesAFile(option->form) || option->name == std::string_view(kLang))
            ++i;
    }
    return std::nullopt;
}

// Parses arguments whose options are all spelled as ours; a missing file
// name is left for the caller to find in an empty value.
void parseSpelledArguments(QCommandLineParser& parser, const QStringList& arguments)
{
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    parser.addOptions({
        QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}),
        QCommandLineOption(QStringLiteral("version")),
        QCommandLineOption(QStringLiteral("pdf"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("xls"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QStringLiteral("summary")),
        QCommandLineOption(QStringLiteral("ics"), QString(), QStringLiteral("FILE")),
        QCommandLineOption(QLatin1String(kJson)),
        QCommandLineOption(QLatin1String(kLang), QString(), QStringLiteral("LANGUAGE")),
    });
    parser.addPositionalArgument(QStringLiteral("PLAN"), QString(), QStringLiteral("[PLAN]"));
    parser.parse(QStringList{QLatin1String(kProgram)} + arguments);
}

QString unexpected(const QString& argument) { return Texts::tr("unexpected argument %1").arg(argument); }

// A wrong command line is still said in the language it names, when --lang
// comes before what is wrong with it and names a language.
QString wrongLinesLanguage(const QStringList& arguments)
{
    for (qsizetype i = 0; i + 1 < arguments.size() && isOption(arguments[i]); ++i) {
        if (arguments[i] == QLatin1String("--lang") && languageNamed(arguments[i + 1]))
            return arguments[i + 1];
    }
    return {};
}

// --lang's language, taken out of `found`; a problem when it is given
// twice, without a language or with a name that is none.
std::optional<QString> takeLanguage(const QCommandLineParser& parser, QStringList& found, CommandLine& command)
{
    const qsizetype count = found.removeAll(QLatin1String(kLang));
    if (count == 0)
        return std::nullopt;
    if (count > 1)
        return unexpected(QStringLiteral("--lang"));
    command.language = parser.value(QLatin1String(kLang));
    if (command.language.isEmpty() || isOption(command.language))
        return Texts::tr("--lang needs a language, such as de or fr_CA");
    if (!languageNamed(command.language))
        //: %1 is what the user typed after --lang.
        return Texts::tr("--lang: %1 is not a language").arg(command.language);
    return std::nullopt;
}

// The form the parsed options name, with its file and plan.
CommandLine formOf(const QCommandLineParser& parser)
{
    QStringList found = parser.optionNames();  // in the order given
    CommandLine command;
    if (const std::optional<QString> problem = takeLanguage(parser, found, command))
        return wrong(*problem);
    const qsizetype jsonCount = found.removeAll(QLatin1String(kJson));
    if (jsonCount > 1)
        return wrong(unexpected(QLatin1String(optionNamed(QLatin1String(kJson)).spelling)));
    if (found.size() > 1)
        return wrong(unexpected(QLatin1String(optionNamed(found[1]).spelling)));
    if (!found.isEmpty())
        command.form = optionNamed(found.first()).form;
    if (jsonCount == 1 && command.form != CommandLine::Form::Summary)
        return wrong(Texts::tr("--json goes only with --summary"));
    command.json = jsonCount == 1;
    if (writesAFile(command.form)) {
        // A name that starts with '-' is far likelier a forgotten name than
        // a file; such a file is still reached as ./-name.
        command.path = parser.value(found.first());
        if (command.path.isEmpty() || isOption(command.path))
            //: %1 is the option, as --pdf.
            return wrong(Texts::tr("%1 needs the name of the file to write")
                             .arg(QLatin1String(optionNamed(found.first()).spelling)));
    }
    const QStringList plans = parser.positionalArguments();
    const qsizetype plansTaken
        = command.form == CommandLine::Form::Help || command.form == CommandLine::Form::Version ? 0 : 1;
    if (plans.size() > plansTaken)
        return wrong(unexpected(plans[plansTaken]));
    if (!plans.isEmpty()) {
        if (plans.first().isEmpty())
            return wrong(Texts::tr("the plan file's name is empty"));
        command.plan = plans.first();
    }
    return command;
}

std::ostream& operator<<(std::ostream& stream, const QString& text) { return stream << text.toStdString(); }

// The warning for a stored list cut to the rows a list holds, saying what
// the form makes of the cut plan.
QString keptTableWarning(const KeptTable& table, CommandLine::Form form)
{
    //: %1 is the list's name, %2 the rows stored, %3 the most a list holds.
    QString text = Texts::tr("warning: the stored %1 list holds %2 rows; a list holds at most %3, so the sheet shows "
                             "only the first %3.");
    if (form == CommandLine::Form::Summary) {
        //: %1 is the list's name, %2 the rows stored, %3 the most a list holds.
        text = Texts::tr("warning: the stored %1 list holds %2 rows; a list holds at most %3, so the summary counts "
                         "only the first %3.");
    } else if (form == CommandLine::Form::Ics) {
        //: %1 is the list's name, %2 the rows stored, %3 the most a list holds.
        text = Texts::tr("warning: the stored %1 list holds %2 rows; a list holds at most %3, so the timetable holds "
                         "only the first %3.");
    }
    return text.arg(shownTableName(table.id)).arg(table.storedRows).arg(PlanTable::kMaxRows);
}

// The plan that `store` holds, read through a read-only store.
Plan readPlanIn(SettingsStore& store, const CommandLine& command, std::ostream& err)
{
    ReadOnlySettingsStore readOnly(store);
    Plan plan;
    for (const KeptTable& table : loadStoredPlan(readOnly, plan, system().now()))
        err << kProgram << ": " << keptTableWarning(table, command.form) << '\n';
    return plan;
}

// The plan file the command names, or else the seam's store.
Plan readNamedPlan(const CommandLine& command, std::ostream& err)
{
    if (command.plan.isEmpty())
        return readPlanIn(system().settings(), command, err);
    const std::unique_ptr<SettingsStore> planFile = PlanFileStore::open(command.plan);
    return readPlanIn(*planFile, command, err);
}

// Runs `work`; a failure is said on `err`, naming what failed.
int statusOf(const std::function<void()>& work, std::ostream& err)
{
    try {
        work();
        return exit_status::kDone;
    } catch (const std::exception& error) {
        err << kProgram << ": " << error.what() << '\n';
        return exit_status::kFailed;
    }
}

void exportNamedPlan(const CommandLine& command, std::ostream& err)
{
    exportPlan(readNamedPlan(command, err),
               command.form == CommandLine::Form::Pdf ? ExportFormat::Pdf : ExportFormat::Xls, command.path);
}

// `text` with the name's bytes, which need not be UTF-8, for %1 and the
// reason for %2.
std::string withNameBytes(const QString& text, const QByteArray& name, const QString& reason)
{
    const qsizetype at = text.indexOf(QLatin1String("%1"));
    const QString head = at < 0 ? text : text.left(at);
    const QString tail = at < 0 ? QString() : text.mid(at + 2);
    const QLatin1String marker("%2");
    return QString(head).replace(marker, reason).toStdString() + (at < 0 ? std::string() : name.toStdString())
        + QString(tail).replace(marker, reason).toStdString();
}

// The file is written whole before the rows left out are warned of.
void exportNamedTimetable(const CommandLine& command, std::ostream& err)
{
    const Plan plan = readNamedPlan(command, err);
    const HostTypedInput& reader = system().typedInput();
    const std::optional<QDate> day = readPartyDate(plan.date(), reader);
    if (!day) {
        throw std::runtime_error(Texts::tr("the party's date \"%1\" does not read as a date; "
                                           "type one in the window's Date box, as 12/24/2026")
                                     .arg(plan.date())
                                     .toStdString());
    }
    const PartyTimetable timetable = partyTimetable(plan, *day, reader);
    if (timetable.events.empty())
        throw std::runtime_error(emptyTimetableText().toStdString());
    try {
        files::replaceFile(files::fileSystemPath(command.path), icsCalendar(timetable.events, system().now()));
    } catch (const files::FileError& error) {
        //: %1 is the file's name, %2 the reason.
        throw std::runtime_error(withNameBytes(Texts::tr("The timetable was not written to %1: %2"),
                                               files::bytesOfName(command.path), error.reason()));
    }
    if (!timetable.leftOut.empty())
        err << kProgram << ": " << Texts::tr("warning: %1").arg(leftOutText(timetable.leftOut)) << '\n';
}

// Works out every figure before printing any, so a failure prints nothing.
void summarizeNamedPlan(const CommandLine& command, std::ostream& out, std::ostream& err)
{
    const PlanFigures figures = planFigures(readNamedPlan(command, err), system().typedInput());
    if (command.json) {
        const QByteArray json = planSummaryJsonText(figures);
        out.write(json.constData(), json.size());
    } else {
        out << planSummaryText(figures);
    }
}

}  // namespace

CommandLine parseCommandLine(const QStringList& arguments)
{
    CommandLine command;
    if (const std::optional<QString> unknown = firstUnknownOption(arguments)) {
        command = wrong(Texts::tr("unknown option %1").arg(*unknown));
    } else {
        QCommandLineParser parser;
        parseSpelledArguments(parser, arguments);
        command = formOf(parser);
    }
    if (command.form == CommandLine::Form::Wrong)
        command.language = wrongLinesLanguage(arguments);
    return command;
}

QString usageText()
{
    //: Keep the command lines, option names, PLAN and FILE as they are; lines of about 80 characters.
    return Texts::tr("Usage: jubilo [PLAN]              open the window to plan the party\n"
                     "       jubilo --pdf FILE [PLAN]   write the plan's sheet to FILE as a PDF\n"
                     "       jubilo --xls FILE [PLAN]   write the plan's workbook to FILE (Excel 97 .xls)\n"
                     "       jubilo --summary [PLAN]    print the plan's guests, spending and what is\n"
                     "                                  still to buy, a line for each money list\n"
                     "       jubilo --summary --json [PLAN]\n"
                     "                                  the same figures as one JSON object\n"
                     "       jubilo --ics FILE [PLAN]   write the schedule and the activities at the\n"
                     "                                  party to FILE as calendar events (iCalendar)\n"
                     "       jubilo --version           show the program's version\n"
                     "       jubilo --help              show this help\n"
                     "Any of these may start with --lang LANGUAGE (de, fr, es, en_GB...) to\n"
                     "speak that language and use its money and dates for this run.\n"
                     "\n"
                     "PLAN is a plan file (*.jubilo); without one, the stored plan\n"
                     "(~/.config/Tarvel.ini) is used.\n"
                     "\n"
                     "--pdf, --xls, --ics and --summary show no window and need no display.\n"
                     "They only read the plan; --pdf, --xls and --ics replace FILE once the\n"
                     "new one is complete.\n"
                     "\n"
                     "Exit status: 0 done; 1 the plan could not be read, its date does not read\n"
                     "as a date or no row has a time (--ics), or the file or the output could\n"
                     "not be built or written; 2 the command line is none of the forms above.\n");
}

QString versionText() { return QStringLiteral("%1 %2\n").arg(QLatin1String(kProgram), QLatin1String(JUBILO_VERSION)); }

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
    case CommandLine::Form::Version:
        out << versionText();
        return exit_status::kDone;
    case CommandLine::Form::Pdf:
    case CommandLine::Form::Xls:
        return statusOf([&] { exportNamedPlan(command, err); }, err);
    case CommandLine::Form::Summary:
        return statusOf([&] { summarizeNamedPlan(command, out, err); }, err);
    case CommandLine::Form::Ics:
        return statusOf([&] { exportNamedTimetable(command, err); }, err);
    case CommandLine::Form::Window:
        err << kProgram << ": " << Texts::tr("the window is not opened from here") << '\n';
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
        QString said = Texts::tr("standard output could not be written");
        if (!reason->isEmpty())
            said += QStringLiteral(": ") + *reason;
        err << kProgram << ": " << said << '\n';
        err.flush();
        return exit_status::kFailed;
    }
    return writeFailure(err) ? exit_status::kFailed : status;
}

}  // namespace jubilo
