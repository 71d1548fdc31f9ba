#pragma once
// The logical lines of an INI file, found as QSettings finds them.

#include <QByteArrayView>

namespace jubilo::ini {

struct IniLine {
    qsizetype start = 0, length = 0;  // without leading space and line break
    qsizetype equals = -1;  // the first '=' outside quotes, or -1
};

// Reads the next line from `position` on and moves past it; false at the
// end. Comment lines and blank lines are skipped.
bool nextIniLine(QByteArrayView data, qsizetype& position, IniLine& line);

}  // namespace jubilo::ini
