#pragma once

// The heap a piece of code takes at its peak, counted through operator new
// (which this file's source replaces for the whole test program): what the
// standard containers a reader fills ask for.

#include <cstddef>

namespace jubilo::xls::testing {

class HeapMeter {
public:
    HeapMeter();  // the peak starts again from what is in use now
    // The most taken at once since then, above what was in use at the start.
    std::size_t peakBytes() const;

private:
    std::size_t start_;
};

}  // namespace jubilo::xls::testing
