// The party's timetable as a calendar: dates and times read as the sheet
// reads them (and the date box's own default), texts escaped, long lines
// folded between characters, and the file read back by libical as the
// events, times, reminders and categories it should hold.

#include "host/engine/engine_typed_input.h"
#include "lists/party_timetable.h"
#include "lists/party_times.h"
#include "tests/support/sample_plans.h"

#include <QStringDecoder>
#include <QTimeZone>

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <memory>
#include <optional>
#include <set>

namespace jubilo {
namespace {

class PartyTimetableTest : public ::testing::Test {
protected:
    testing::UsEnglishLocale english;
    const HostTypedInput& reader = engineTypedInput();
};

TEST_F(PartyTimetableTest, DatesAndTimesReadAsTheSheetReadsThem)
{
    const struct {
        const char* text;
        std::optional<QDate> date;
        std::optional<QTime> time;
    } cases[] = {
        {"2026 | December 07 | 09 PM", QDate(2026, 12, 7), {}},
        {"2021 | august 31 | 09 AM", QDate(2021, 8, 31), {}},
        {"2026 | February 30 | 09 PM", {}, {}},
        {"2026 | Smarch 07 | 09 PM", {}, {}},
        {"12/24/2026", QDate(2026, 12, 24), {}},
        {"2026-12-24", QDate(2026, 12, 24), {}},
        {"Dec 24, 2026", QDate(2026, 12, 24), {}},
        {"12/24/2026 7:00 PM", QDate(2026, 12, 24), {}},
        {"11:10 AM", {}, QTime(11, 10)},
        {"07:00 PM", {}, QTime(19, 0)},
        {"19:30", {}, QTime(19, 30)},
        {"12:00 AM", {}, QTime(0, 0)},
        {"5", QDate(1900, 1, 4), {}},  // a day's number, as the sheet counts days
        {"soon", {}, {}},
        {"", {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readPartyDate(c.text, reader), c.date) << c.text;
        EXPECT_EQ(readPartyTime(c.text, reader), c.time) << c.text;
    }
    // The default text is written with the desktop's month names.
    EXPECT_EQ(readPartyDate("2026 | Dezember 07 | 09 PM", reader, QLocale(QLocale::German)), QDate(2026, 12, 7));
}

TEST_F(PartyTimetableTest, TextsAreEscapedAndWhatTextMayNotHoldIsDropped)
{
    const struct {
        QString text;
        QString escaped;
    } cases[] = {
        {"back\\slash", "back\\\\slash"},
        {"a;b,c", "a\\;b\\,c"},
        {"one\ntwo\r\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"tab\tkept, bell\a gone", "tab\tkept\\, bell gone"},
        {"Zoë 🎉", "Zoë 🎉"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(icsText(c.text), c.escaped) << c.text.toStdString();
}

// Every physical line at most 75 octets and whole UTF-8 on its own; joined
// again (CR LF and the space removed) they give the line back.
TEST_F(PartyTimetableTest, LongLinesAreFoldedBetweenCharacters)
{
    const QString cases[] = {
        QString(67, 'x'),  // 75 octets with "SUMMARY:": one line
        QString(66, 'x') + "é" + QString(80, 'y'),  // é's two bytes across octet 75
        QString(65, 'x') + QString(30, QChar(0x65E5)),  // 日, three bytes
        QString(66, 'x') + QString("🎉").repeated(40),  // four bytes
    };
    for (const QString& value : cases) {
        const QByteArray folded = icsLine("SUMMARY:" + value);
        const QList<QByteArray> lines = folded.chopped(2).split('\n');
        EXPECT_EQ(lines.size() == 1, value.toUtf8().size() <= 67);
        for (const QByteArray& line : lines) {
            EXPECT_LE(line.size(), line.endsWith('\r') ? 76 : 75) << line.data();
            QStringDecoder utf8(QStringDecoder::Utf8);
            (void)utf8(line);
            EXPECT_FALSE(utf8.hasError()) << "a character split at a fold: " << line.toHex().data();
        }
        EXPECT_EQ(QString::fromUtf8(QByteArray(folded).replace("\r\n ", "")), "SUMMARY:" + value + "\r\n");
    }
}

using Calendar = std::unique_ptr<icalcomponent, decltype(&icalcomponent_free)>;

std::vector<icalcomponent*> eventsOf(icalcomponent* calendar)
{
    std::vector<icalcomponent*> events;
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
         event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        events.push_back(event);
    return events;
}

QString categoryOf(icalcomponent* event)
{
    icalproperty* property = icalcomponent_get_first_property(event, ICAL_CATEGORIES_PROPERTY);
    return property ? QString::fromUtf8(icalproperty_get_categories(property)) : QString();
}

Plan timetablePlan()
{
    Plan plan = testing::samplePlan();
    const QString longTask = QString(60, 'x') + QString("ÿ").repeated(30) + "🎉 end";
    testing::appendRows(plan, TableId::Schedules,
                        {{"Set up; chairs, tables", "19:30", "Line one\nLine two \\ end"},
                         {"Call the DJ", "soon", "x"},
                         {longTask, "07:45 PM", ""}});
    testing::appendRows(plan, TableId::Activities, {{"Toast", "", "x"}});
    return plan;
}

TEST_F(PartyTimetableTest, TheCalendarReadsBackInLibicalWithEveryEventAndItsReminder)
{
    const Plan plan = timetablePlan();
    const PartyTimetable timetable = partyTimetable(plan, QDate(2026, 12, 24), reader);
    const QDateTime stamp(QDate(2026, 11, 2), QTime(8, 30), QTimeZone(3600));
    const QByteArray ics = icsCalendar(timetable.events, stamp);
    const Calendar calendar(icalparser_parse_string(ics.constData()), icalcomponent_free);
    ASSERT_TRUE(calendar);
    EXPECT_EQ(icalrestriction_check(calendar.get()), 1);
    EXPECT_EQ(icalcomponent_count_errors(calendar.get()), 0) << ics.data();

    const struct {
        QString summary;
        int hour, minute;
        QString description;
        QString category;
    } expected[] = {
        {"Buy meals", 11, 10, "Nearest store", "Schedules"},
        {"Set up; chairs, tables", 19, 30, "Line one\nLine two \\ end", "Schedules"},
        {plan.table(TableId::Schedules).cell(4, 0), 19, 45, "", "Schedules"},
        {"Dancing", 19, 0, "If guests want to", "At The Party"},
    };
    const std::vector<icalcomponent*> events = eventsOf(calendar.get());
    ASSERT_EQ(events.size(), std::size(expected));
    std::set<QString> uids;
    for (size_t i = 0; i < events.size(); ++i) {
        icalcomponent* event = events[i];
        const icaltimetype start = icalcomponent_get_dtstart(event);
        EXPECT_EQ(QDate(start.year, start.month, start.day), QDate(2026, 12, 24));
        EXPECT_EQ(QTime(start.hour, start.minute), QTime(expected[i].hour, expected[i].minute));
        EXPECT_FALSE(icaltime_is_utc(start)) << "floating local time";
        EXPECT_EQ(icaldurationtype_as_int(icalcomponent_get_duration(event)), 30 * 60);
        EXPECT_EQ(QString::fromUtf8(icalcomponent_get_summary(event)), expected[i].summary);
        const char* description = icalcomponent_get_description(event);
        EXPECT_EQ(QString::fromUtf8(description ? description : ""), expected[i].description);
        EXPECT_EQ(categoryOf(event), expected[i].category);
        const icaltimetype stamped = icalcomponent_get_dtstamp(event);
        EXPECT_TRUE(icaltime_is_utc(stamped));
        EXPECT_EQ(QTime(stamped.hour, stamped.minute), QTime(7, 30)) << "the clock's time in UTC";
        icalcomponent* alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
        ASSERT_TRUE(alarm);
        EXPECT_EQ(icalproperty_get_action(icalcomponent_get_first_property(alarm, ICAL_ACTION_PROPERTY)),
                  ICAL_ACTION_DISPLAY);
        const icaltriggertype trigger
            = icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
        EXPECT_EQ(icaldurationtype_as_int(trigger.duration), -30 * 60);
        uids.insert(QString::fromUtf8(icalcomponent_get_uid(event)));
    }
    EXPECT_EQ(uids.size(), events.size()) << "one UID per event";
    EXPECT_EQ(timetable.events[1].uid, partyTimetable(plan, QDate(2026, 12, 24), reader).events[1].uid)
        << "the same event exported again";
    EXPECT_NE(timetable.events[1].uid, partyTimetable(plan, QDate(2027, 12, 24), reader).events[1].uid)
        << "another party";
}

TEST_F(PartyTimetableTest, RowsWithoutATimeAreLeftOutAndNamed)
{
    const PartyTimetable timetable = partyTimetable(timetablePlan(), QDate(2026, 12, 24), reader);
    EXPECT_EQ(leftOutText(timetable.leftOut),
              "2 rows are left out because their time does not read as a time: Schedules row 3 \"soon\", "
              "At The Party row 2 \"\".");
    EXPECT_EQ(leftOutText({{TableId::Activities, 7, "later"}}),
              "1 row is left out because its time does not read as a time: At The Party row 7 \"later\".");
    std::vector<LeftOutRow> many;
    for (int position = 1; position <= kLeftOutRowsNamed + 2; ++position)
        many.push_back({TableId::Schedules, position, "?"});
    const QString manyText = leftOutText(many);
    EXPECT_TRUE(manyText.startsWith("12 rows are left out")) << manyText.toStdString();
    EXPECT_TRUE(manyText.endsWith("Schedules row 10 \"?\", and 2 more.")) << manyText.toStdString();
}

}  // namespace
}  // namespace jubilo
