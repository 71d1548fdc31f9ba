#include "plan/saved_plan.h"

#include "plan/table_text.h"
#include "plan/settings_store.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace jubilo {

namespace {

constexpr TableId kSaveOrder[kStoredTableCount] = {
    TableId::Guests,        TableId::Music,         TableId::Decorations, TableId::Incidentals,
    TableId::FoodAndDrinks, TableId::OtherSupplies, TableId::Schedules,   TableId::Activities,
};

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SavedPlan)
};

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

QString defaultDateText(const QDateTime& now, const QLocale& locale)
{
    const QDate date = now.date();
    const int hour = now.time().hour();
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    const QString designator = hour < 12 ? locale.amText() : locale.pmText();
    return QString::number(date.year()).rightJustified(4, QLatin1Char('0')) + QStringLiteral(" | ")
        + locale.monthName(date.month(), QLocale::LongFormat) + QLatin1Char(' ') + twoDigits(date.day())
        + QStringLiteral(" | ") + twoDigits(hour12) + QLatin1Char(' ') + designator;
}

QString keptTablesMessage(std::span<const KeptTable> kept, const QString& storeLocation, bool inPlanFile)
{
    QStringList counts;
    QStringList names;
    for (const KeptTable& table : kept) {
        //: %1 is the list's name, %2 the rows it holds.
        QString count = inPlanFile ? Texts::tr("The %1 list holds %2 rows in the plan file.")
                                   : Texts::tr("The %1 list holds %2 rows in the settings store.");
        counts << count.arg(shownTableName(table.id)).arg(table.storedRows);
        names << QLatin1Char('"') + QString::fromUtf8(tableSpec(table.id).storeKey) + QLatin1Char('"');
    }
    QString file = inPlanFile ? Texts::tr("the plan file") : Texts::tr("the settings file");
    if (!storeLocation.isEmpty()) {
        //: %1 is "the plan file" or "the settings file", %2 where it is.
        file = Texts::tr("%1 (%2)").arg(file, storeLocation);
    }
    //: %1 is the most rows a list holds, %2 the file, %3 the lists' names in the file.
    QString advice = kept.size() == 1
        ? Texts::tr("A list shows at most %1 rows, so only the first %1 are shown. All the rows are kept in the "
                    "store unchanged, and changes to this list are not saved while it holds more than %1.\n\n"
                    "To split the plan: make a copy of %2, then remove rows from the %3 entry of the file and "
                    "of its copy so that each holds at most %1 rows.")
        //: %1 is the most rows a list holds, %2 the file, %3 the lists' names in the file.
        : Texts::tr("A list shows at most %1 rows, so only the first %1 are shown. All the rows are kept in the "
                    "store unchanged, and changes to these lists are not saved while it holds more than %1.\n\n"
                    "To split the plan: make a copy of %2, then remove rows from the %3 entry of the file and "
                    "of its copy so that each holds at most %1 rows.");
    return counts.join(QLatin1Char(' ')) + QLatin1Char(' ')
        + advice.arg(PlanTable::kMaxRows).arg(file, names.join(QStringLiteral(", ")));
}

SavedPlan::SavedPlan(SettingsStore& store)
    : store_(store)
{
}

std::span<const TableId> SavedPlan::tableOrder() { return kSaveOrder; }

QString SavedPlan::read(const QString& key, const QString& defaultValue)
{
    return store_.read(kStoreApplication, kStoreSection, key, defaultValue);
}

void SavedPlan::write(const QString& key, const QString& value)
{
    store_.write(kStoreApplication, kStoreSection, key, value);
}

bool SavedPlan::isKept(TableId id) const
{
    return std::any_of(kept_.begin(), kept_.end(), [id](const KeptTable& kept) { return kept.id == id; });
}

void SavedPlan::saveTable(const PlanTable& table)
{
    if (!table.spec().isStored())
        throw std::logic_error(std::string(table.spec().name) + " is never stored");
    if (isKept(table.spec().id))
        return;
    const PlanTable* one[] = {&table};
    writeTogether(one, {});
}

// Each table goes as the splice of the rows changed since it was last
// stored; the store asks for its whole text only when it cannot take that.
void SavedPlan::writeTogether(std::span<const PlanTable* const> tables, const StoredValues& others)
{
    std::vector<StoredTableText::Update> updates;
    std::vector<ValueWrite> writes;
    for (const PlanTable* table : tables) {
        updates.push_back(texts_[static_cast<std::size_t>(table->spec().id)].prepare(*table));
        writes.push_back({QString::fromUtf8(table->spec().storeKey), [table] { return encodeTableText(*table); },
                          updates.back().splice});
    }
    for (const auto& [key, text] : others)
        writes.push_back({key, [text] { return text; }, std::nullopt});
    if (writes.empty())
        return;
    store_.writeAll(kStoreApplication, kStoreSection, writes);
    for (std::size_t i = 0; i < tables.size(); ++i)
        texts_[static_cast<std::size_t>(tables[i]->spec().id)].commit(std::move(updates[i]));
}

void SavedPlan::loadTable(PlanTable& table)
{
    if (!table.spec().isStored())
        throw std::logic_error(std::string(table.spec().name) + " is never stored");
    const QString text = read(QString::fromUtf8(table.spec().storeKey), QString());
    std::vector<PlanRow> rows = decodeTableText(text, table.columnCount());
    const qsizetype room = PlanTable::kMaxRows - table.rowCount();
    const qsizetype shown = std::min<qsizetype>(room, static_cast<qsizetype>(rows.size()));
    if (shown < static_cast<qsizetype>(rows.size()) && !isKept(table.spec().id))
        kept_.push_back({table.spec().id, static_cast<qsizetype>(rows.size())});
    rows.resize(static_cast<size_t>(shown));
    table.appendRows(std::move(rows));  // one insertion for a list to show
}

QString SavedPlan::loadDate(const QDateTime& now, const QLocale& locale)
{
    return read(kDateKey, defaultDateText(now, locale));
}

QString SavedPlan::loadBudget(BudgetId id) { return read(QString::fromUtf8(budgetSpec(id).storeKey), QString()); }

// A value the store already holds is not written again: loading the budgets
// into their boxes would otherwise rewrite the whole store once per budget.
void SavedPlan::writeChanged(const QString& key, const QString& value)
{
    // No typed text is a lone noncharacter, so this tells "absent" from "".
    static const QString absent(QChar(0xFFFF));
    if (read(key, absent) == value)
        return;
    write(key, value);
}

void SavedPlan::writeBudget(BudgetId id, const QString& text)
{
    writeChanged(QString::fromUtf8(budgetSpec(id).storeKey), text);
}

void SavedPlan::writeDate(const QString& text) { writeChanged(kDateKey, text); }

StoredValues SavedPlan::storedValues(const Plan& plan)
{
    StoredValues values = jubilo::storedValues(plan);
    for (auto& [key, text] : values) {
        for (const KeptTable& kept : kept_) {
            if (key == QString::fromUtf8(tableSpec(kept.id).storeKey))
                text = read(key, QString());
        }
    }
    return values;
}

// One write for the whole change, so that the store never holds half of it.
void SavedPlan::storeChange(const Plan& plan, const PlanChange& change)
{
    std::vector<const PlanTable*> tables;
    for (TableId id : change.tables()) {
        if (tableSpec(id).isStored() && !isKept(id))
            tables.push_back(&plan.table(id));
    }
    StoredValues values;
    for (BudgetId id : change.budgets())
        values.emplace_back(QString::fromUtf8(budgetSpec(id).storeKey), plan.budget(id));
    if (change.touchesDate())
        values.emplace_back(kDateKey, plan.date());
    writeTogether(tables, values);
}

std::vector<PlanStep> SavedPlan::saveSteps(const Plan& plan)
{
    std::vector<PlanStep> steps;
    for (TableId id : kSaveOrder) {
        const PlanTable& table = plan.table(id);
        steps.push_back({QString::fromUtf8(table.spec().storeKey), [this, &table] { saveTable(table); }});
    }
    return steps;
}

std::vector<PlanStep> SavedPlan::loadSteps(Plan& plan, const QDateTime& now, const QLocale& locale)
{
    std::vector<PlanStep> steps;
    for (TableId id : kSaveOrder) {
        PlanTable& table = plan.table(id);
        steps.push_back({QString::fromUtf8(table.spec().storeKey), [this, &table] { loadTable(table); }});
    }
    steps.push_back({kDateKey, [this, &plan, now, locale] { plan.setDate(loadDate(now, locale)); }});
    for (const BudgetSpec& budget : budgetSpecs()) {
        const BudgetId id = budget.id;
        steps.push_back(
            {QString::fromUtf8(budget.storeKey), [this, &plan, id] { plan.setBudget(id, loadBudget(id)); }});
    }
    return steps;
}

}  // namespace jubilo
