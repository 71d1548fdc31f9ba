#pragma once
// A plan file ("party.jubilo"): one plan, in the very layout the settings
// file keeps the plan in, its [Jubilo] group with the same keys and the
// same table texts. The store reads and writes that group whatever
// application name it is asked for, so SavedPlan works on it unchanged.
//
// Writes are the settings store's (see ini_file.h): each is journaled
// beside the file (".party.jubilo.journal") and folded into it when the
// journal grows, when the store goes and at checkpoint(); only the value's
// line changes, groups and keys Jubilo does not know stay, and a damaged
// file, one another program changed or a journal that no longer fits it
// is kept aside beside it first ("party.jubilo.damaged-<date>",
// "party.jubilo.changed-<date>", "party.jubilo.journal-<date>"). A plan
// file moved or deleted while open is never made again at its old path;
// its journal stays where it was, and the window keeps the plan.

#include "files/file_calls.h"
#include "plan/settings_store.h"
#include "platform/ini_file.h"

#include <QString>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace jubilo {

inline constexpr char kPlanFileSuffix[] = ".jubilo";
// A plan file larger than this is refused when opened (no plan comes near it).
inline constexpr qint64 kMaxPlanFileBytes = 64 * 1024 * 1024;

// Why a file could not be opened as a plan; what() names the file and the fault.
class PlanFileError : public StoreError {
public:
    using StoreError::StoreError;
};

class PlanFileStore : public SettingsStore {
public:
    using Notice = std::function<void(const QString& text)>;

    // Opens an existing plan file. Throws PlanFileError, naming the file and
    // what is wrong, when it is not a plan: missing or a dangling link, a
    // folder or other non-regular file, unreadable (no permission), larger
    // than kMaxPlanFileBytes, binary (a NUL byte) or not UTF-8, lines
    // QSettings cannot read, or no [Jubilo] group. Nothing is written or
    // copied by opening.
    static std::unique_ptr<PlanFileStore> open(const QString& path, Notice notice = {},
                                               const files::FileCalls& calls = files::systemFileCalls());
    // Makes a new plan file holding `values` (key, text) under [Jubilo],
    // written once, whole, through the safe writer (replacing a file the
    // user chose to replace). Throws StoreError naming the file when it
    // cannot be written (full disk, no permission); then no file is left
    // behind.
    static std::unique_ptr<PlanFileStore> create(const QString& path,
                                                 const std::vector<std::pair<QString, QString>>& values,
                                                 Notice notice = {},
                                                 const files::FileCalls& calls = files::systemFileCalls());

    const QString& path() const;
    // True when the file, or its folder, cannot be written by this user;
    // writes then throw StoreError saying so.
    bool isReadOnly() const;

    // The file's `section` group, whatever `app` says. Both throw StoreError
    // once the file is moved or deleted, and so does every later call.
    QString read(const QString& app, const QString& section, const QString& key, const QString& defaultValue) override;
    void write(const QString& app, const QString& section, const QString& key, const QString& value) override;
    // One entry of the journal, or one rewrite: all of them or none.
    void writeAll(const QString& app, const QString& section, std::span<const ValueWrite> values) override;
    void checkpoint() override;
    QString location(const QString& app) const override;

private:
    PlanFileStore(const QString& path, Notice notice, const files::FileCalls& calls);

    IniFile file_;
};

}  // namespace jubilo
