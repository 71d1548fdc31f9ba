#pragma once
// Events written as an iCalendar file (RFC 5545) that calendar programs
// import: each event at a floating local time (the party's wall-clock time
// wherever the calendar is), lasting kEventLength, with a reminder
// kReminderBefore it starts. Texts are escaped, lines end in CR LF and are
// folded at 75 octets, never inside a UTF-8 character.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <chrono>
#include <span>

namespace jubilo {

inline constexpr std::chrono::minutes kEventLength{30};
inline constexpr std::chrono::minutes kReminderBefore{30};
// The longest line, line break not counted.
inline constexpr qsizetype kMaxLineOctets = 75;

struct CalendarEvent {
    QString uid;  // the same event has the same one in every file
    QDate day;
    QTime time;
    QString summary;
    QString description;  // none when empty
    QString category;
};

// The calendar; `stamp` is when it was made (written in UTC).
QByteArray icsCalendar(std::span<const CalendarEvent> events, const QDateTime& stamp);

// A value of type TEXT: backslash, semicolon, comma and line breaks
// escaped; control characters other than tab, which TEXT may not hold,
// dropped.
QString icsText(const QString& text);

// One content line, UTF-8, folded and ended with CR LF.
QByteArray icsLine(const QString& line);

}  // namespace jubilo
