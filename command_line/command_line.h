#pragma once
// The program's command line: no option opens the window, on a plan file
// when one is named; the scripting forms write a plan (a plan file, or else
// the stored plan) to a file, or print its figures, and end without showing
// anything, reading the plan only.

#include <QString>
#include <QStringList>

#include <iosfwd>

namespace jubilo {

namespace exit_status {
inline constexpr int kDone = 0;
inline constexpr int kFailed
    = 1;  // the plan could not be read, or the file or the program's output could not be built or written
inline constexpr int kUsage = 2;  // the command line is none of the forms
}  // namespace exit_status

struct CommandLine {
    enum class Form { Window, Help, Version, Pdf, Xls, Summary, Ics, Wrong };
    Form form = Form::Window;
    QString path;  // the file --pdf, --xls or --ics writes
    QString plan;  // the plan file the window, the export or the summary reads; empty: the stored plan
    QString problem;  // what makes a Wrong command line wrong
    bool json = false;  // --summary --json: the figures as one JSON object
    QString language;  // --lang's: the run's language instead of the system's; empty: the system's
};

// The arguments after the program's name. Options are spelled only as the
// usage shows them (no "--pdf=FILE", no bundled short options), and the
// plan's name comes last: after it, or after "--", every argument is a
// plan's name, so a plan called "-x.jubilo" is reached as "-- -x.jubilo".
// --json is no form of its own but how --summary prints, before or after it;
// --lang LANGUAGE goes with any form, anywhere among the options.
CommandLine parseCommandLine(const QStringList& arguments);

// Every form, one a line, and the exit statuses.
QString usageText();

// "jubilo <version>", the line --version prints.
QString versionText();

// Sets the scripting forms on Qt's offscreen platform, whatever display or
// platform the environment names: they show nothing, and a display that is
// named but not there (a closed ssh tunnel, a stale DISPLAY under cron) must
// not end them. The offscreen platform is kept off the X server too. Called
// before the Qt application is made.
void useNoDisplay();

// Keeps Qt's own notes (no XDG_RUNTIME_DIR, a font substituted) off
// standard error for the scripting forms: scripts read it for the program's
// messages, and cron mails whatever is written there. Qt's critical and
// fatal messages still reach it.
void keepQtNotesOffStandardError();

// Runs any form but the window: help and the version on `out`, every
// message on `err`. Returns the exit status: kFailed as well when `out` or
// `err` could not be written (a full disk), with a message on `err` when
// `out` failed. --ics writes the timetable on the plan's date, exiting
// kFailed when the date does not read as a date or no row has a time, and
// warns of the rows left out. --pdf, --xls, --ics and --summary need a Qt
// application and the installed seam (--summary and --ics its reader of
// typed text); they read the plan file, or else the seam's store, through
// a read-only store, and a plan file that cannot be opened leaves the
// seam's store untouched. --summary prints on `out` only once the figures
// are all worked out.
int runCommand(const CommandLine& command, std::ostream& out, std::ostream& err);

}  // namespace jubilo
