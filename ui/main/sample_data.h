#pragma once
// The example plan a first-time user can load with one click.

#include "plan/plan_tables.h"
#include "ui/main/main_window_layout.h"

#include <QString>

#include <array>
#include <span>
#include <vector>

namespace jubilo {

// Either a row appended to a table (box == nullptr) at lines[0], cell c
// set at lines[c]; or a text box set to `text` at lines[0]. The lines are
// the step numbers the error box reports.
struct SampleStep {
    std::array<int, 4> lines;
    TableId table;
    std::array<const char*, 4> cells;
    WidgetMember<QLineEdit> box;
    const char* text;
};

std::span<const SampleStep> sampleSteps();

// An example text as a user of the run's language would type it: its
// amounts with the locale's decimal point ("9,99" in German, so that they
// read as amounts there), its words translated; answers ("Yes"), counts and
// times as the plan keeps them. Under US English, the text itself.
QString sampleText(const char* text);

// The tables the example rows go to, each once, in the order they load.
std::vector<TableId> sampleTables();

// The one message for lists that take no example row: names them, then
// `reasons` say why.
QString sampleRefusalMessage(std::span<const TableId> refused, const QString& reasons);

}  // namespace jubilo
