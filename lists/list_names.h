#pragma once
// The name a list goes by outside the program, as its tab shows it: the
// file an exported list is proposed under and the category of a
// timetable's events ("At The Party" for the activities).

#include "plan/plan_tables.h"

#include <QString>

namespace jubilo {

QString listName(TableId id);

}  // namespace jubilo
