#pragma once
// The standard error box every trapped procedure shows.

#include <QString>

namespace jubilo {

// The box's caption, "Application Error" in English.
QString errorBoxTitle();

// description CR LF location "at line " step CR CR "Please email ..."
// The fixed words are translated; the description and the location are
// shown as given (a location is the name of a procedure).
QString errorBoxText(const QString& description, const QString& location, qint32 step);

// Shows the box (flags 48) through the seam. Never throws: a box that
// cannot be shown is dropped, since there is nobody left to tell.
void errorBox(const QString& description, const QString& location, qint32 step);

}  // namespace jubilo
