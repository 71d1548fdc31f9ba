#pragma once
// The chart kept as a PNG picture where the user says ("Save Chart as
// PNG…"): drawn afresh at twice its size on screen, so it stays sharp when
// printed or shown on a high-DPI screen, and written whole or not at all.

#include <QByteArray>

namespace jubilo {

class BudgetChart;

// The picture is this many times the widget's size on screen.
inline constexpr int kSavedChartScale = 2;

// The chart's picture at kSavedChartScale as the bytes of a PNG file;
// throws when it cannot be encoded.
QByteArray chartPng(BudgetChart& chart);

// Asks for a file name (".png" is added when the name has none), asks
// before replacing a file, and writes the picture through the program's
// one file writer. Cancelling writes nothing and says nothing; a failure
// is said in the error box, and then nothing says the chart was saved.
void saveChartAsPng(BudgetChart& chart);

}  // namespace jubilo
