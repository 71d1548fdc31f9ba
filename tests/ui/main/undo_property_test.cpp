// Undo against a model of the history: thousands of random changes of
// every kind, made through the window the way the user makes them, then
// all undone, all done again, and undone and redone in random turns. The
// model is the plan as it stood after each change; after every undo and
// redo the window must show exactly that plan and the store must hold it.
// The draws come from a fixed seed, so every run makes the same changes.

#include "undo_fixture.h"
#include "plan/saved_plan.h"
#include "plan/table_text.h"
#include "ui/main/entry_procedures.h"
#include "ui/main/plan_history.h"

#include <QHash>

#include <random>

namespace jubilo {
namespace {

constexpr std::uint32_t kSeed = 20261208;

// The plan reduced to a number: two independent hashes of every cell,
// budget and date, so that two plans that differ anywhere differ here.
struct Fingerprint {
    std::size_t a = 0, b = 0;
    bool operator==(const Fingerprint&) const = default;
};

Fingerprint fingerprint(const Plan& plan)
{
    Fingerprint print{1, 2};
    const auto mix = [&](const auto& value) {
        print.a = qHashMulti(print.a, value);
        print.b = qHashMulti(print.b ^ 0x9e3779b97f4a7c15ull, value, print.a);
    };
    for (const TableSpec& spec : tableSpecs()) {
        const PlanTable& table = plan.table(spec.id);
        mix(table.rowCount());
        for (int position = 1; position <= table.rowCount(); ++position)
            mix(table.row(position));
    }
    for (const BudgetSpec& budget : budgetSpecs())
        mix(plan.budget(budget.id));
    mix(plan.date());
    return print;
}

class UndoPropertyTest : public UndoTest {
protected:
    int draw(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); }
    QString word() { return QStringLiteral("w%1").arg(++words); }

    // A text the column takes: a number where it counts, a time, a word.
    QString textFor(CellKind kind)
    {
        switch (kind) {
        case CellKind::YesNo:
            return draw(2) ? QStringLiteral("Yes") : QStringLiteral("No");
        case CellKind::Count:
            return QString::number(draw(20) + 1);
        case CellKind::Money:
            return QStringLiteral("%1.%2").arg(draw(100)).arg(draw(90) + 10);
        case CellKind::Time:
            return QStringLiteral("%1:%2 PM")
                .arg(draw(12) + 1, 2, 10, QLatin1Char('0'))
                .arg(draw(6) * 10, 2, 10, QLatin1Char('0'));
        case CellKind::FreeText:
            break;
        }
        return word();
    }

    void addRow()
    {
        const auto procedures = addProcedures();
        const AddProcedure& p = procedures[static_cast<std::size_t>(draw(static_cast<int>(procedures.size())))];
        for (int c = 0; c < tableSpec(p.table).columnCount; ++c) {
            const EntryInput& input = p.cells[static_cast<std::size_t>(c)];
            if (const auto* box = std::get_if<WidgetMember<QLineEdit>>(&input))
                (widgets().**box)->setText(textFor(tableSpec(p.table).columns[static_cast<std::size_t>(c)].kind));
            else if (const auto* choice = std::get_if<WidgetMember<QComboBox>>(&input))
                (widgets().**choice)->setCurrentIndex(draw((widgets().**choice)->count()));
        }
        (widgets().*p.button)->click();
    }
    void addFood()
    {
        widgets().foodNameBox->setText(word());
        widgets().addFoodButton->click();
    }
    TableId anyTable() { return tableSpecs()[static_cast<std::size_t>(draw(kTableCount))].id; }
    void deleteRow()
    {
        const auto procedures = deleteProcedures();
        const DeleteProcedure& p = procedures[static_cast<std::size_t>(draw(static_cast<int>(procedures.size())))];
        if (const int rows = table(p.table).rowCount(); rows > 0)
            selectRow(&tableList(widgets(), p.table), draw(rows));
        (widgets().*p.button)->click();
    }
    void editAnyCell()
    {
        const TableId id = anyTable();
        const PlanTable& t = table(id);
        if (t.rowCount() == 0)
            return;
        const int column = draw(t.columnCount());
        editCell(id, draw(t.rowCount()) + 1, column, textFor(t.spec().columns[static_cast<std::size_t>(column)].kind));
    }
    void moveAnyRow()
    {
        const TableId id = anyTable();
        if (const int rows = table(id).rowCount(); rows > 0)
            moveRow(id, draw(rows) + 1, draw(2) ? Qt::Key_Up : Qt::Key_Down);
    }
    void visitABox()
    {
        QLineEdit* box = draw(6) == 0
            ? widgets().dateBox
            : &budgetBox(widgets(), budgetSpecs()[static_cast<std::size_t>(draw(kBudgetCount))].id);
        visit(box, draw(4) == 0 ? box->text() : word());
        widgets().helpButton->setFocus();  // always on show, and no box
    }

    // One change of a random kind; some are refused (nothing selected, a
    // row already at the top) and change nothing.
    void anyChange()
    {
        const int kind = draw(100);
        if (kind < 30)
            addRow();
        else if (kind < 34)
            addFood();
        else if (kind < 50)
            deleteRow();
        else if (kind < 68)
            editAnyCell();
        else if (kind < 80)
            moveAnyRow();
        else if (kind < 98)
            visitABox();
        else
            widgets().loadSampleDataButton->click();
    }

    // A change of the plan is exactly one step, and a refused one none.
    void changeAndRecord()
    {
        const int index = window->history().stack().index();
        anyChange();
        const Fingerprint now = fingerprint(window->plan());
        if (now == states.at(static_cast<std::size_t>(index))) {
            ASSERT_EQ(window->history().stack().index(), index) << "a step that changed nothing";
            return;
        }
        ASSERT_EQ(window->history().stack().index(), index + 1) << "a change that is not one step";
        ASSERT_EQ(window->history().stack().count(), index + 1) << "the steps a change drops";
        states.resize(static_cast<std::size_t>(index) + 1);
        states.push_back(now);
    }

    // A table's text written out plainly, the format's cells and rows
    // joined by their separators, without the checks the program makes.
    static QString plainText(const PlanTable& table)
    {
        QString text;
        for (int position = 1; position <= table.rowCount(); ++position)
            text += table.row(position).join(kCellSeparator) + kRowTerminator;
        return text;
    }
    // The store holds exactly what the window shows.
    ::testing::AssertionResult storeFollows()
    {
        const Plan& shown = window->plan();
        for (TableId id : SavedPlan::tableOrder()) {
            if (stored(QString::fromUtf8(tableSpec(id).storeKey)) != plainText(shown.table(id)))
                return ::testing::AssertionFailure() << "the store's " << tableSpec(id).name << " is not the plan's";
        }
        for (const BudgetSpec& budget : budgetSpecs()) {
            if (stored(QString::fromUtf8(budget.storeKey)) != shown.budget(budget.id))
                return ::testing::AssertionFailure() << "the store's " << budget.storeKey << " is not the plan's";
        }
        if (stored(kDateKey) != shown.date())
            return ::testing::AssertionFailure() << "the store's date is not the plan's";
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult showsState()
    {
        const auto index = static_cast<std::size_t>(window->history().stack().index());
        if (!(fingerprint(window->plan()) == states.at(index)))
            return ::testing::AssertionFailure() << "the plan is not the one of step " << index;
        return storeFollows();
    }

    std::mt19937 random{kSeed};
    int words = 0;
    std::vector<Fingerprint> states;  // the plan after each step; [0] before any
};

TEST_F(UndoPropertyTest, TenThousandChangesUndoneAndRedoneAgreeWithTheModel)
{
    const Plan startPlan = window->plan();
    const QMap<QString, QString> startStore = sys.memoryStore.values;
    states.push_back(fingerprint(startPlan));
    for (int i = 0; i < 10000; ++i) {
        ASSERT_NO_FATAL_FAILURE(changeAndRecord()) << "change " << i;
    }
    const int steps = window->history().stack().index();
    ASSERT_GT(steps, 7000) << "most changes should be taken";
    ASSERT_TRUE(storeFollows());
    const Plan endPlan = window->plan();
    const QMap<QString, QString> endStore = sys.memoryStore.values;

    for (int i = steps; i > 0; --i) {
        undo();
        ASSERT_TRUE(showsState()) << "after undoing step " << i;
    }
    EXPECT_FALSE(undoItem().isEnabled());
    EXPECT_TRUE(testing::samePlan(window->plan(), startPlan));
    EXPECT_EQ(sys.memoryStore.values, startStore);

    for (int i = 1; i <= steps; ++i) {
        redo();
        ASSERT_TRUE(showsState()) << "after redoing step " << i;
    }
    EXPECT_FALSE(redoItem().isEnabled());
    EXPECT_TRUE(testing::samePlan(window->plan(), endPlan));
    EXPECT_EQ(sys.memoryStore.values, endStore);

    // Undo, redo and new changes in random turns: a change after an undo
    // drops the steps that could have been redone.
    for (int i = 0; i < 3000; ++i) {
        const int turn = draw(10);
        if (turn < 4)
            undo();
        else if (turn < 6)
            redo();
        else
            ASSERT_NO_FATAL_FAILURE(changeAndRecord()) << "turn " << i;
        ASSERT_EQ(states.size(), static_cast<std::size_t>(window->history().stack().count()) + 1);
        ASSERT_TRUE(showsState()) << "turn " << i;
    }
    for (const auto& message : sys.messages) {
        ASSERT_NE(message.caption, "Application Error") << message.text.toStdString();
    }
}

}  // namespace
}  // namespace jubilo
