#pragma once
// Finds the items of a drawing (merged areas, texts) that may reach a band
// of rows. Items are added in order of their tops; with the running maximum
// of their bottoms, those that may reach [from, to] form one slice found by
// two binary searches, however tall some of them are.

#include <cstddef>
#include <utility>
#include <vector>

namespace jubilo::spreadsheet::picture {

class VerticalIndex {
public:
    // An item spanning [top, bottom]; tops never decrease.
    void add(int top, int bottom);
    std::size_t size() const { return tops_.size(); }

    // The items [first, last) that may reach [from, to]; each may still
    // end above `from` and needs checking.
    std::pair<std::size_t, std::size_t> slice(int from, int to) const;

private:
    std::vector<int> tops_;
    std::vector<int> reach_;  // the largest bottom so far
};

}  // namespace jubilo::spreadsheet::picture
