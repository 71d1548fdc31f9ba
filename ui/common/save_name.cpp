#include "ui/common/save_name.h"

#include "files/file_error.h"
#include "files/path_bytes.h"
#include "files/write_target.h"

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

}  // namespace jubilo
