#pragma once
// The nine tables of a party plan: their shape as data, and the table type.
// Every cell is a text, kept exactly as entered or loaded.

#include <QString>
#include <QStringList>

#include <array>
#include <span>
#include <stdexcept>
#include <vector>

namespace jubilo {

enum class CellKind { FreeText, YesNo, Count, Money, Time };

enum class TableId {
    Guests,
    Music,
    Decorations,
    FoodAndDrinks,
    Ingredients,
    OtherSupplies,
    Incidentals,
    Schedules,
    Activities,
};

inline constexpr int kTableCount = 9;

struct ColumnSpec {
    const char* header;
    CellKind kind;
};

struct TableSpec {
    TableId id;
    const char* name;  // as the plan speaks of it
    const char* storeKey;  // nullptr: never stored
    int columnCount;
    std::array<ColumnSpec, 4> columns;  // the first columnCount are used

    bool isStored() const { return storeKey != nullptr; }
};

// A table's name and a column's header in the language of the run, as the
// window and the summary show them. The plan itself keeps them in English:
// its store and the files it exports use them as they are.
QString shownTableName(TableId id);
QString shownColumnHeader(const TableSpec& table, int column);

// The nine tables in the order the main window sets up their headers.
std::span<const TableSpec> tableSpecs();
const TableSpec& tableSpec(TableId id);
// Their ids, in the same order.
std::vector<TableId> tableIds();

class TableFullError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Told about every change, so a view can show exactly the table's rows.
class PlanTableObserver {
public:
    virtual ~PlanTableObserver() = default;
    virtual void rowsAboutToBeInserted(int first, int last) = 0;  // 0-based
    virtual void rowsInserted() = 0;
    virtual void rowsAboutToBeRemoved(int first, int last) = 0;
    virtual void rowsRemoved() = 0;
    virtual void cellChanged(int row, int column) = 0;
    virtual void rowAboutToMove(int from, int to) = 0;  // 0-based; `to` is where it ends up
    virtual void rowMoved() = 0;
};

using PlanRow = QStringList;

// How many rows two lists of rows share at their start, and then at their
// end (never overlapping the start): what lies between is what changed. A
// row a table has not touched shares its cells with its copies, so telling
// it costs little.
struct SharedEnds {
    std::size_t head = 0;
    std::size_t tail = 0;
};
SharedEnds sharedEnds(std::span<const PlanRow> before, std::span<const PlanRow> after);

class PlanTable {
public:
    // The row counter of the stored format is a 16-bit signed integer.
    static constexpr int kMaxRows = 32767;

    explicit PlanTable(const TableSpec& spec);
    // A copy is no view's table: it takes the rows, never the observer. A
    // table assigned to keeps its own observer and tells it of the rows.
    PlanTable(const PlanTable& other);
    PlanTable(PlanTable&& other) noexcept;
    PlanTable& operator=(const PlanTable& other);
    PlanTable& operator=(PlanTable&& other);
    ~PlanTable() = default;

    const TableSpec& spec() const { return *spec_; }
    int columnCount() const { return spec_->columnCount; }
    QString header(int column) const;

    int rowCount() const { return static_cast<int>(rows_.size()); }
    // Positions are 1-based; a cell the row does not have reads as empty.
    QString cell(int position, int column) const;
    const PlanRow& row(int position) const;

    // Appends a row (missing cells are empty, extra cells are dropped) and
    // returns its position. Throws TableFullError when the table is full.
    int append(const PlanRow& cells);
    // Appends the rows as append() does, in one insertion the observer is
    // told of once. Throws TableFullError, appending none, when they do
    // not all fit.
    void appendRows(std::vector<PlanRow> rows);
    void setCell(int position, int column, const QString& text);
    void removeAt(int position);
    // Puts `replacement` in the place of the `count` rows from `position` (1-based;
    // rowCount() + 1 appends): the observer is told of one removal, then of
    // one insertion. Throws TableFullError, changing nothing, when the
    // table cannot hold the result.
    void replaceRows(int position, int count, std::vector<PlanRow> replacement);
    std::span<const PlanRow> allRows() const { return rows_; }
    // The rows from `position`, `count` of them.
    std::vector<PlanRow> rows(int position, int count) const;
    // Moves the row at `position` so that it stands at `to`; the rows
    // between close up. Both 1-based.
    void move(int position, int to);
    void clear();

    void setObserver(PlanTableObserver* observer) { observer_ = observer; }

private:
    int checkedIndex(int position) const;
    void checkRoom(std::size_t rows) const;
    PlanRow fitted(PlanRow cells) const;  // missing cells empty, extra ones dropped

    const TableSpec* spec_;
    std::vector<PlanRow> rows_;
    PlanTableObserver* observer_ = nullptr;
};

}  // namespace jubilo
