#pragma once
// The name a list goes by as its tab shows it ("At The Party" for the
// activities): in English in the files other programs read (a timetable's
// event categories), in the run's language where the user reads it (the
// name an exported list is proposed under, messages).

#include "plan/plan_tables.h"

#include <QString>

namespace jubilo {

QString listName(TableId id);
QString shownListName(TableId id);

}  // namespace jubilo
