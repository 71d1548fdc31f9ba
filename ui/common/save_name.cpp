#include "ui/common/save_name.h"

#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/write_target.h"
#include "messages/message.h"
#include "platform/system.h"

#include <QCoreApplication>

namespace jubilo {

SaveName checkSaveName(const QString& chosen)
{
    try {
        const files::WriteTarget target = files::resolveWriteTarget(files::fileSystemPath(chosen));
        return {files::nameFromBytes(target.path.native()), target.exists, {}};
    } catch (const files::WriteRefused& error) {
        return {chosen, false, QString::fromUtf8(error.what())};
    } catch (const files::FileError&) {
        return {chosen, false, {}};  // the save itself reports why it cannot be made
    }
}

QString withSuffix(const QString& chosen, const QString& suffix)
{
    return chosen.endsWith(suffix, Qt::CaseInsensitive) ? chosen : chosen + suffix;
}

bool mayWriteAt(const QString& chosen)
{
    const SaveName name = checkSaveName(chosen);
    if (!name.refusal.isEmpty()) {
        msgBox(name.refusal);
        return false;
    }
    return !name.exists
        || msgBox(QCoreApplication::translate("SaveName", "%1 already exists. Do you want to replace it?")
                      .arg(files::displayName(name.file)),
                  msgbox::kYesNo)
        == msgbox::kAnswerYes;
}

}  // namespace jubilo
