#pragma once
// The one seam between Jubilo and everything outside it: dialogs, the
// browser, the clock, chance, the environment, the per-user settings store
// and the spreadsheet host. Qt's implementation is installed by the program;
// tests install a scripted one. Nothing in here pulls in Qt Widgets.

#include <QDate>
#include <QDateTime>
#include <QImage>
#include <QString>
#include <QStringList>

#include "host/interface/host_pages.h"
#include "host/interface/host_picture.h"
#include "host/interface/host_typed_input.h"
#include "host/interface/spreadsheet_host.h"

#include <memory>
#include <optional>

class QDialog;

namespace jubilo {

class SettingsStore;

// Message box flags and answers, as the program's messages use them.
namespace msgbox {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kExclamation = 48;  // the error box alone
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace msgbox

// What the user chose in a save dialog: the path (empty when cancelled)
// and the file type, numbered as the dialog's filter lists them from 0.
struct SaveFileChoice {
    QString path;
    int fileType = 0;
};

class System {
public:
    virtual ~System() = default;

    // Modal message box; returns the answer (kAnswerOk, kAnswerYes, kAnswerNo).
    virtual int messageBox(const QString& text, int flags, const QString& caption) = 0;

    // Modal save-file dialog. `filter` uses "description|pattern|" pairs;
    // the pair numbered `fileType` (0-based) is chosen when it opens. An
    // empty path when the user cancels.
    virtual SaveFileChoice saveFileName(const QString& title, const QString& filter, const QString& fileName,
                                        int fileType)
        = 0;

    // Modal open-file dialog, filter as saveFileName's, opening in `folder`
    // (empty: where the dialog last was). An empty path when the user
    // cancels.
    virtual QString openFileName(const QString& title, const QString& filter, const QString& folder) = 0;

    // Opens a web address the desktop's usual way; throws on failure.
    virtual void openUrl(const QString& url) = 0;

    virtual QDateTime now() = 0;
    // Never restarts the sequence: re-seeding with the same value does not
    // repeat draws. Qt's implementation draws from the system's secure
    // source, which ignores seeds.
    virtual void seedRandom(quint32 seed) = 0;
    // Uniform in [0, 1); unpredictable in Qt's implementation.
    virtual double nextRandom() = 0;

    // The process environment as "NAME=value" entries.
    virtual QStringList environment() = 0;

    // Puts a picture on the system clipboard; other programs that paste it
    // get a bitmap, drawn when they ask. The preview's "Copy picture" is the
    // only caller (the report takes its picture from the host's own
    // clipboard); a list's rows go there by setClipboardRows.
    virtual void setClipboardPicture(std::shared_ptr<const HostPicture> picture) = 0;
    // The picture on the system clipboard: the one this program put there,
    // or the bitmap another program put there; null when it holds none.
    // The program never reads a picture from the clipboard; this shows what
    // "Copy picture" left there.
    virtual std::shared_ptr<const HostPicture> clipboardPicture() = 0;

    // Makes the pages, then the modal print dialog, then the pages on the
    // printer chosen there. Makes no pages and shows nothing when the system
    // has no printer. Throws when making the pages or printing fails.
    virtual PrintResult printPages(const PageMaker& makePages) = 0;

    // Folder of the program file, without a trailing separator.
    virtual QString programFolder() = 0;

    virtual SettingsStore& settings() = 0;

    // Ends the program at once: no window's close handling runs.
    virtual void endProgram(int exitCode) = 0;

    // Creates a new host instance by class name; throws when none can be made.
    virtual std::unique_ptr<SpreadsheetHost> createHost(const QString& className) = 0;
    // The running instance of a class, or nullptr when none runs.
    virtual std::shared_ptr<SpreadsheetHost> runningHost(const QString& className) = 0;
    // How the host's sheet reads a typed text, for figures that must agree
    // with its totals; throws when no host is registered.
    virtual const HostTypedInput& typedInput() = 0;

    // Puts a list's copied rows on the system clipboard, as plain text
    // (tab-separated) and as HTML, so that other programs paste a table.
    virtual void setClipboardRows(const QString& tabSeparated, const QString& html) = 0;
    // The clipboard's plain text, as a paste into a list reads it; empty
    // when it holds none.
    virtual QString clipboardText() = 0;
    // Shows a dialog of the program's own, modal, until the user closes it;
    // true when it was accepted (its OK, Import...). Tests answer it instead,
    // setting its widgets as a user would.
    virtual bool runDialog(QDialog& dialog) = 0;
    // Modal dialog asking for a day, `label` saying why, opening on
    // `proposal`; none when the user cancels.
    virtual std::optional<QDate> askDate(const QString& title, const QString& label, const QDate& proposal) = 0;
};

// The installed seam. The program installs Qt's at start; tests install
// their own with ScopedSystem. Calling system() with none installed throws.
System& system();
void installSystem(System* sys);

class ScopedSystem {
public:
    explicit ScopedSystem(System& sys);
    ~ScopedSystem();
    ScopedSystem(const ScopedSystem&) = delete;
    ScopedSystem& operator=(const ScopedSystem&) = delete;

private:
    System* previous_;
};

}  // namespace jubilo
