#include "lists/list_names.h"

namespace jubilo {

QString listName(TableId id)
{
    // The activities' tab says where they happen; every other list's tab
    // bears the list's own name.
    if (id == TableId::Activities)
        return QStringLiteral("At The Party");
    return QString::fromUtf8(tableSpec(id).name);
}

}  // namespace jubilo
