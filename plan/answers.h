#pragma once
// The answers a Yes/No column holds. The plan keeps them in English, as
// its store, its files and its figures read them; the window shows them in
// the language of the run.

#include <QString>

namespace jubilo {

inline constexpr char kYesAnswer[] = "Yes";
inline constexpr char kNoAnswer[] = "No";

// "Yes" and "No" translated; any other text as it is.
QString shownAnswer(const QString& stored);

}  // namespace jubilo
