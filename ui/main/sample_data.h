#pragma once
// The example plan a first-time user can load with one click.

#include "model/plan_tables.h"
#include "ui/main/form1_layout.h"

#include <array>
#include <span>

namespace jubilo {

// Either a row appended to a table (box == nullptr), its cells set two
// lines apart from `line` on, or a text box set to `text` at `line`.
struct SampleStep {
    int line;
    TableId table;
    std::array<const char*, 4> cells;
    WidgetMember<QLineEdit> box;
    const char* text;
};

std::span<const SampleStep> sampleSteps();

// Lines of the row's further cells follow its append line two apart.
inline int sampleCellLine(const SampleStep& step, int column) { return step.line + 2 * column; }

}  // namespace jubilo
