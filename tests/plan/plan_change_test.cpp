// What the undo history rests on: rows replaced in place, a change told
// from the plan before it and undone and redone exactly, a table's stored
// text kept row by row, and a store that writes several values as one.

#include "plan/plan_change.h"
#include "plan/plan_table_model.h"
#include "plan/settings_store.h"
#include "plan/stored_table_text.h"
#include "plan/table_text.h"

#include <QAbstractItemModelTester>
#include <QMap>

#include <gtest/gtest.h>

#include <random>

namespace jubilo {
namespace {

PlanRow row(const QString& name) { return {name, "x", "Yes", "1"}; }

std::vector<PlanRow> rows(std::initializer_list<const char*> names)
{
    std::vector<PlanRow> made;
    for (const char* name : names)
        made.push_back(row(QString::fromUtf8(name)));
    return made;
}

QStringList names(const PlanTable& table)
{
    QStringList list;
    for (int position = 1; position <= table.rowCount(); ++position)
        list << table.cell(position, 0);
    return list;
}

TEST(PlanChangeTest, RowsAreReplacedInPlaceAndTheViewFollows)
{
    struct Case {
        int position, count;
        std::vector<PlanRow> replacement;
        QStringList expected;
    };
    const Case cases[] = {
        {1, 0, rows({"z"}), {"z", "a", "b", "c"}},  // inserted before the first
        {4, 0, rows({"z", "y"}), {"a", "b", "c", "z", "y"}},  // appended
        {2, 1, {}, {"a", "c"}},  // removed
        {2, 2, rows({"z"}), {"a", "z"}},  // two made one
        {1, 3, {}, {}},  // all removed
        {3, 1, rows({"c2"}), {"a", "b", "c2"}},  // one replaced
    };
    for (const Case& c : cases) {
        Plan plan;
        PlanTable& guests = plan.table(TableId::Guests);
        guests.appendRows(rows({"a", "b", "c"}));
        PlanTableModel model(guests);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        guests.replaceRows(c.position, c.count, c.replacement);
        EXPECT_EQ(names(guests), c.expected) << c.position << "," << c.count;
        EXPECT_EQ(model.rowCount(), guests.rowCount());
    }

    Plan plan;
    PlanTable& guests = plan.table(TableId::Guests);
    guests.appendRows(rows({"a", "b"}));
    EXPECT_THROW(guests.replaceRows(2, 2, {}), std::out_of_range);
    EXPECT_THROW(guests.replaceRows(0, 0, rows({"z"})), std::out_of_range);
    EXPECT_EQ(names(guests), (QStringList{"a", "b"}));
}

TEST(PlanChangeTest, AFullTableTakesNoRowsAndStaysAsItWas)
{
    Plan plan;
    PlanTable& music = plan.table(TableId::Music);
    music.appendRows(std::vector<PlanRow>(PlanTable::kMaxRows, row("song")));
    EXPECT_THROW(music.replaceRows(1, 1, rows({"a", "b"})), TableFullError);
    EXPECT_EQ(music.rowCount(), PlanTable::kMaxRows);
    EXPECT_EQ(music.cell(1, 0), "song");
    music.replaceRows(1, 1, rows({"a"}));  // as many as it gives up
    EXPECT_EQ(music.cell(1, 0), "a");
}

TEST(PlanChangeTest, ACopyOfATableIsNoViewsTable)
{
    Plan plan;
    plan.table(TableId::Guests).appendRows(rows({"a"}));
    PlanTableModel model(plan.table(TableId::Guests));
    Plan copy = plan;
    copy.table(TableId::Guests).appendRows(rows({"b", "c"}));
    EXPECT_EQ(model.rowCount(), 1) << "the copy's rows told the original's view";
}

// Each change, told from the plan before it, is the least that differs,
// and undoing it gives the plan before back.
TEST(PlanChangeTest, AChangeIsTheLeastThatDiffersAndUndoesExactly)
{
    struct Case {
        const char* name;
        void (*change)(Plan&);
        int position;
        std::size_t before, after;
    };
    const Case cases[] = {
        {"add", [](Plan& p) { p.table(TableId::Guests).append(row("e")); }, 5, 0, 1},
        {"delete", [](Plan& p) { p.table(TableId::Guests).removeAt(2); }, 2, 1, 0},
        {"edit", [](Plan& p) { p.table(TableId::Guests).setCell(3, 1, "y"); }, 3, 1, 1},
        {"move down", [](Plan& p) { p.table(TableId::Guests).move(1, 2); }, 1, 2, 2},
        {"move up", [](Plan& p) { p.table(TableId::Guests).move(4, 3); }, 3, 2, 2},
    };
    for (const Case& c : cases) {
        Plan plan;
        plan.table(TableId::Guests).appendRows(rows({"a", "b", "c", "d"}));
        plan.setBudget(BudgetId::Food, "10");
        const Plan start = plan;
        const PlanSnapshot before(plan);
        c.change(plan);
        plan.setBudget(BudgetId::Food, "20");
        const PlanChange change = before.changeTo(plan);

        ASSERT_EQ(change.edits().size(), 2u) << c.name;
        const auto& replaced = std::get<RowsReplaced>(change.edits()[0]);
        EXPECT_EQ(replaced.position, c.position) << c.name;
        EXPECT_EQ(replaced.before.size(), c.before) << c.name;
        EXPECT_EQ(replaced.after.size(), c.after) << c.name;
        EXPECT_EQ(std::get<BudgetChanged>(change.edits()[1]).before, "10");
        EXPECT_EQ(change.tables(), std::vector<TableId>{TableId::Guests});
        EXPECT_EQ(change.budgets(), std::vector<BudgetId>{BudgetId::Food});
        EXPECT_FALSE(change.touchesDate());

        change.undo(plan);
        EXPECT_EQ(names(plan.table(TableId::Guests)), names(start.table(TableId::Guests))) << c.name;
        EXPECT_EQ(plan.budget(BudgetId::Food), "10");
        change.redo(plan);
        Plan again = start;
        c.change(again);
        const PlanTable& redone = plan.table(TableId::Guests);
        EXPECT_EQ(redone.rows(1, redone.rowCount()), again.table(TableId::Guests).rows(1, redone.rowCount())) << c.name;
    }

    Plan plan;
    EXPECT_TRUE(PlanSnapshot(plan).changeTo(plan).isEmpty());
    plan.table(TableId::Guests).appendRows(rows({"a", "a"}));
    const PlanSnapshot before(plan);
    plan.table(TableId::Guests).move(1, 2);  // two equal rows change places
    EXPECT_TRUE(before.changeTo(plan).isEmpty());
}

// A change of several edits is done whole or not at all: when one cannot
// be made, those made before it are taken back.
TEST(PlanChangeTest, AChangeThatCannotBeMadeWholeLeavesThePlanAsItWas)
{
    Plan plan;
    plan.table(TableId::Guests).appendRows(rows({"a"}));
    PlanChange change;
    change.add(DateChanged{"", "2027"});
    change.add(RowsReplaced{TableId::Music, 1, {}, rows({"m"})});
    change.add(RowsReplaced{TableId::Guests, 5, rows({"q"}), {}});  // no row 5
    EXPECT_THROW(change.redo(plan), std::out_of_range);
    EXPECT_EQ(plan.date(), "");
    EXPECT_EQ(plan.table(TableId::Music).rowCount(), 0);
    EXPECT_EQ(names(plan.table(TableId::Guests)), QStringList{"a"});
}

// The splices of the rows changed, applied to the text stored, always
// give the text encoded whole, whatever the changes and wherever they
// fall; a splice the store did not take is never counted as stored.
TEST(PlanChangeTest, TheStoredTextFollowsTheTableSpliceBySplice)
{
    std::mt19937 random(7);
    const auto draw = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };
    Plan plan;
    PlanTable& guests = plan.table(TableId::Guests);
    StoredTableText text;
    QString stored;  // what a store would hold
    const auto store = [&] {
        StoredTableText::Update update = text.prepare(guests);
        if (update.splice) {
            ASSERT_EQ(update.splice->oldLength, stored.size());
            stored.replace(update.splice->offset, update.splice->removed, update.splice->inserted);
        } else {
            stored = encodeTableText(guests);
        }
        text.commit(std::move(update));
    };
    guests.appendRows(rows({"a", "b"}));
    ASSERT_NO_FATAL_FAILURE(store());
    for (int i = 0; i < 2000; ++i) {
        const int count = guests.rowCount();
        const int what = count == 0 ? 0 : draw(5);
        if (what == 0)
            guests.replaceRows(draw(count + 1) + 1, 0, rows({"n"}));
        else if (what == 1)
            guests.removeAt(draw(count) + 1);
        else if (what == 2)
            guests.setCell(draw(count) + 1, draw(4), QString::number(i));
        else if (what == 3 && count > 1)
            guests.move(draw(count) + 1, draw(count) + 1);
        if (i % 3 == 0) {  // several changes between writes, too
            ASSERT_NO_FATAL_FAILURE(store());
            ASSERT_EQ(stored, encodeTableText(guests)) << "after change " << i;
        }
        if (i % 7 == 0)
            (void)text.prepare(guests);  // prepared, but the store refused it
    }

    // A row the store cannot hold is refused, and nothing counts as stored.
    guests.append({"bad||MySeparator12|", "|x", "No", "1"});
    EXPECT_THROW((void)text.prepare(guests), SeparatorInTextError);
    guests.removeAt(guests.rowCount());
    guests.append(row("good"));
    ASSERT_NO_FATAL_FAILURE(store());
    EXPECT_EQ(stored, encodeTableText(guests));
}

// A store that can write one value at a time: the one-by-one writer.
class CountedStore : public SettingsStore {
public:
    QString read(const QString&, const QString&, const QString& key, const QString& defaultValue) override
    {
        return values.value(key, defaultValue);
    }
    void write(const QString&, const QString&, const QString& key, const QString& value) override
    {
        if (writes++ == failAt)
            throw StoreError("disk full");
        values.insert(key, value);
    }
    QMap<QString, QString> values;
    int writes = 0;
    int failAt = -1;
};

TEST(PlanChangeTest, ValuesWrittenAsOneAreAllWrittenOrNone)
{
    std::vector<ValueWrite> values;
    for (const char* key : {"A", "B", "C"})
        values.push_back({key, [key] { return QString::number(key[0] - 'A' + 1); }, std::nullopt});
    for (int failAt = 0; failAt < 3; ++failAt) {
        CountedStore store;
        store.values = {{"A", "old"}, {"C", "old"}};
        const QMap<QString, QString> before = store.values;
        store.failAt = failAt;
        EXPECT_THROW(store.writeAll("Tarvel", "Jubilo", values), StoreError);
        EXPECT_EQ(store.values.value("A"), "old") << failAt;
        EXPECT_EQ(store.values.value("C"), "old") << failAt;
        // A store without a whole write cannot take a value away again: one
        // that was not there before stays written.
        EXPECT_EQ(store.values.value("B", "absent"), failAt <= 1 ? "absent" : "2") << failAt;
    }
    CountedStore store;
    store.writeAll("Tarvel", "Jubilo", values);
    EXPECT_EQ(store.values, (QMap<QString, QString>{{"A", "1"}, {"B", "2"}, {"C", "3"}}));
}

}  // namespace
}  // namespace jubilo
