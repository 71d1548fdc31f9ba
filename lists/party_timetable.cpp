#include "lists/party_timetable.h"

#include "lists/list_names.h"
#include "lists/party_times.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace jubilo {

namespace {

// The columns of both lists: the task or activity, its time, its notes.
constexpr int kWhatColumn = 0;
constexpr int kTimeColumn = 1;
constexpr int kNotesColumn = 2;
constexpr char kUidDomain[] = "@jubilo.timetable";

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(PartyTimetable)
};

QString eventUid(const QDate& day, TableId list, int position, const QString& what)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(day.toString(Qt::ISODate).toUtf8());
    hash.addData(QByteArray(1, '\0') + QByteArray(tableSpec(list).name) + '\0');
    hash.addData(QByteArray::number(position) + '\0');
    hash.addData(what.toUtf8());
    return QString::fromLatin1(hash.result().toHex().left(32)) + QLatin1String(kUidDomain);
}

}  // namespace

PartyTimetable partyTimetable(const Plan& plan, const QDate& day, const HostTypedInput& reader)
{
    PartyTimetable timetable;
    for (const TableId list : kTimetableLists) {
        const PlanTable& table = plan.table(list);
        for (int position = 1; position <= table.rowCount(); ++position) {
            const QString what = table.cell(position, kWhatColumn);
            const QString timeText = table.cell(position, kTimeColumn);
            const std::optional<QTime> time = readPartyTime(timeText, reader);
            if (!time) {
                timetable.leftOut.push_back({list, position, timeText});
                continue;
            }
            timetable.events.push_back({eventUid(day, list, position, what), day, *time, what,
                                        table.cell(position, kNotesColumn), listName(list)});
        }
    }
    return timetable;
}

QString emptyTimetableText()
{
    return Texts::tr("No row of Schedules or At The Party has a time that reads as a time, so there is no timetable to "
                     "export.");
}

QString leftOutText(const std::vector<LeftOutRow>& rows)
{
    QStringList named;
    for (const LeftOutRow& row : rows) {
        if (named.size() == kLeftOutRowsNamed)
            break;
        named << Texts::tr("%1 row %2 \"%3\"").arg(shownListName(row.list)).arg(row.position).arg(row.time);
    }
    const int count = static_cast<int>(rows.size());
    QString text = count == 1
        ? Texts::tr("1 row is left out because its time does not read as a time: %1")
        : Texts::tr("%1 rows are left out because their time does not read as a time: %2").arg(count);
    text = text.arg(named.join(QStringLiteral(", ")));
    if (count > kLeftOutRowsNamed)
        text += Texts::tr(", and %1 more").arg(count - kLeftOutRowsNamed);
    return text + QLatin1Char('.');
}

}  // namespace jubilo
