// File > Import Guests: the file chosen, read (CSV or vCard), shown in the
// import dialog, and once confirmed its guests appended to the Guests list
// in one insertion, stored at once and undone as one step.

#include "errors/error_trap.h"
#include "lists/guest_file.h"
#include "lists/import_error.h"
#include "messages/message.h"
#include "platform/system.h"
#include "ui/import/import_dialog.h"
#include "ui/main/main_window.h"
#include "ui/main/step_names.h"

#include <QFileInfo>
#include <QTabWidget>

#include <optional>

namespace jubilo {

namespace {

QString guestFileFilter()
{
    return MainWindow::tr("Guest lists (*.csv *.txt *.vcf)|*.csv;*.txt;*.vcf|All files (*)|*|");
}

// The file's guests, or none when it cannot be read: then the user is told
// why, naming the file and the line.
std::optional<GuestSource> readGuests(const QString& path)
{
    try {
        return readGuestFile(path);
    } catch (const ImportError& error) {
        msgBox(importErrorText(path, error));
        return std::nullopt;
    }
}

// A list that cannot take them all takes none, as Add refuses a full list.
bool hasRoomFor(const PlanTable& guests, std::size_t rows)
{
    const std::size_t room = static_cast<std::size_t>(PlanTable::kMaxRows - guests.rowCount());
    if (rows <= room)
        return true;
    msgBox(fullListMessage(guests) + QLatin1Char(' ')
           + MainWindow::tr("The file holds %L1 guests, and the list has room for %L2 more.").arg(rows).arg(room));
    return false;
}

}  // namespace

// Steps are numbered as the error box reports them.
void MainWindow::importGuests()
{
    ErrorTrap trap(locations::kImportGuestsClick);
    if (refusesChanges(TableId::Guests))
        return;
    QString path;
    const QString folder = open_.isFile() ? QFileInfo(open_.path).path() : QString();
    trap.step(100, [&] { path = system().openFileName(tr("Import Guests"), guestFileFilter(), folder); });
    std::optional<GuestSource> source;
    if (!path.isEmpty())
        trap.step(102, [&] { source = readGuests(path); });
    if (!source || !hasRoomFor(plan_.table(TableId::Guests), source->rows.size()))
        return;
    MappedGuests guests;
    bool confirmed = false;
    trap.step(104, [&] {
        ImportGuestsDialog dialog(std::move(*source), this);
        confirmed = system().runDialog(dialog);
        guests = dialog.guests();
    });
    if (!confirmed)
        return;
    if (guests.problemLine) {  // Import is offered only without one; this is the last guard
        msgBox(importErrorText(path, ImportError(guests.problem, *guests.problemLine)));
        return;
    }
    PlanTable& table = plan_.table(TableId::Guests);
    const int first = table.rowCount() + 1;
    recordStep(step_names::importGuests(), {TableId::Guests}, [&] {
        if (!trap.step(106, [&] { table.appendRows(std::move(guests.rows)); }))
            return;
        trap.step(108, [&] { saveTableNow(TableId::Guests); });
        trap.step(110, [&] {
            widgets_.leftTabs->setCurrentWidget(widgets_.guestsPage);
            selectRow(TableId::Guests, first);
        });
    });
}

}  // namespace jubilo
