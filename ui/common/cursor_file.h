#pragma once
// Reads a Windows cursor file (.cur) into a QCursor, hot spot included.

#include <QCursor>
#include <QString>

namespace jubilo {

// Throws std::runtime_error when the file is missing or not a cursor.
QCursor loadCursorFile(const QString& path);

}  // namespace jubilo
