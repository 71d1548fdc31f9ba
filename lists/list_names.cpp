#include "lists/list_names.h"

#include <QCoreApplication>

namespace jubilo {

namespace {

// The activities' tab says where they happen; every other list's tab
// bears the list's own name.
constexpr char kActivitiesName[] = QT_TRANSLATE_NOOP("ListNames", "At The Party");

}  // namespace

QString listName(TableId id)
{
    if (id == TableId::Activities)
        return QString::fromLatin1(kActivitiesName);
    return QString::fromUtf8(tableSpec(id).name);
}

QString shownListName(TableId id)
{
    if (id == TableId::Activities)
        return QCoreApplication::translate("ListNames", kActivitiesName);
    return shownTableName(id);
}

}  // namespace jubilo
