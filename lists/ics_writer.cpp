#include "lists/ics_writer.h"

namespace jubilo {

namespace {

constexpr char kCrLf[] = "\r\n";
constexpr char kProductId[] = "-//Jubilo//Party Timetable//EN";

bool isUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The duration as iCalendar writes it: "PT30M".
QString minutesText(std::chrono::minutes length) { return QStringLiteral("PT%1M").arg(length.count()); }

QString floatingTime(const QDate& day, const QTime& time)
{
    return day.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('T') + time.toString(QStringLiteral("HHmmss"));
}

QString utcTime(const QDateTime& moment) { return moment.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")); }

QByteArray eventLines(const CalendarEvent& event, const QString& stamp)
{
    QByteArray lines = icsLine(QStringLiteral("BEGIN:VEVENT"));
    lines += icsLine(QStringLiteral("UID:") + icsText(event.uid));
    lines += icsLine(QStringLiteral("DTSTAMP:") + stamp);
    lines += icsLine(QStringLiteral("DTSTART:") + floatingTime(event.day, event.time));
    lines += icsLine(QStringLiteral("DURATION:") + minutesText(kEventLength));
    lines += icsLine(QStringLiteral("SUMMARY:") + icsText(event.summary));
    if (!event.description.isEmpty())
        lines += icsLine(QStringLiteral("DESCRIPTION:") + icsText(event.description));
    lines += icsLine(QStringLiteral("CATEGORIES:") + icsText(event.category));
    lines += icsLine(QStringLiteral("BEGIN:VALARM"));
    lines += icsLine(QStringLiteral("ACTION:DISPLAY"));
    // A display alarm must say something: what is about to start.
    lines += icsLine(QStringLiteral("DESCRIPTION:") + icsText(event.summary));
    lines += icsLine(QStringLiteral("TRIGGER:-") + minutesText(kReminderBefore));
    lines += icsLine(QStringLiteral("END:VALARM"));
    lines += icsLine(QStringLiteral("END:VEVENT"));
    return lines;
}

}  // namespace

QString icsText(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r')) {
            if (text.mid(i + 1, 1) != QStringLiteral("\n"))
                escaped += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\n')) {
            escaped += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(',')) {
            escaped += QLatin1Char('\\');
            escaped += c;
        } else if (c == QLatin1Char('\t') || (c.unicode() >= 0x20 && c.unicode() != 0x7F)) {
            escaped += c;
        }
    }
    return escaped;
}

QByteArray icsLine(const QString& line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    qsizetype room = kMaxLineOctets;
    while (bytes.size() - start > room) {
        qsizetype end = start + room;
        while (isUtf8Continuation(bytes[end]))
            --end;
        folded += bytes.mid(start, end - start);
        folded += kCrLf;
        folded += ' ';
        start = end;
        room = kMaxLineOctets - 1;  // the space that starts a folded line counts
    }
    folded += bytes.mid(start);
    folded += kCrLf;
    return folded;
}

QByteArray icsCalendar(std::span<const CalendarEvent> events, const QDateTime& stamp)
{
    QByteArray calendar = icsLine(QStringLiteral("BEGIN:VCALENDAR"));
    calendar += icsLine(QStringLiteral("VERSION:2.0"));
    calendar += icsLine(QStringLiteral("PRODID:") + QLatin1String(kProductId));
    calendar += icsLine(QStringLiteral("CALSCALE:GREGORIAN"));
    const QString stampText = utcTime(stamp);
    for (const CalendarEvent& event : events)
        calendar += eventLines(event, stampText);
    calendar += icsLine(QStringLiteral("END:VCALENDAR"));
    return calendar;
}

}  // namespace jubilo
