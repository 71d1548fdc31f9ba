// libFuzzer entry for the table text of the settings file: the text a hand
// edit or a damaged disk may leave under a table's key, decoded into rows
// as the window loads it. The first byte picks the table (three or four
// columns) and how the rest reads (UTF-8, or UTF-16 units, lone surrogates
// included). Every decoded row must have the table's cells, none of them
// holding a separator, and rows loaded, saved and loaded again must come
// back the same, unless saving refuses a row that would not: saving a plan
// never changes its rows.

#include "plan/plan_tables.h"
#include "plan/table_text.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using namespace jubilo;

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

QString storedText(const uint8_t* data, size_t size, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    return QString(reinterpret_cast<const QChar*>(data), qsizetype(size / 2));
}

void checkRows(const std::vector<PlanRow>& rows, int columns)
{
    for (const PlanRow& row : rows) {
        if (row.size() != columns)
            fail("a decoded row does not have the table's cells");
        for (const QString& cell : row) {
            if (containsStoreSeparator(cell))
                fail("a decoded cell holds a separator");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const TableId id = (data[0] & 1) ? TableId::Guests : TableId::Schedules;
    const bool utf16 = (data[0] & 2) != 0;
    const QString text = storedText(data + 1, size - 1, utf16);

    PlanTable table(tableSpec(id));
    const std::vector<PlanRow> rows = decodeTableText(text, table.columnCount());
    checkRows(rows, table.columnCount());
    if (rows.size() > std::size_t(PlanTable::kMaxRows))
        return 0;  // such a table is kept, and never written
    table.appendRows(rows);
    QString saved;
    try {
        saved = encodeTableText(table);
    } catch (const SeparatorInTextError&) {
        // Refused: a hand edit stored a row the format cannot write back.
        for (const PlanRow& row : rows) {
            if (!survivesStore(row, table.columnCount()))
                return 0;
        }
        fail("a table whose every row survives the store was refused");
    }
    if (decodeTableText(saved, table.columnCount()) != rows)
        fail("rows loaded, saved and loaded again come back different");
    return 0;
}
