#pragma once
// The boundaries along one side of a drawing: the widths of its columns or
// the heights of its rows, kept as runs of equal sizes, so a tall range of
// rows of one height costs one entry. Lookups are binary searches.

#include <cstddef>
#include <vector>

namespace jubilo::spreadsheet::picture {

class LineAxis {
public:
    // Appends `count` lines of `size` pixels each.
    void append(int count, int size);

    int count() const { return count_; }
    int length() const { return length_; }
    std::size_t runCount() const { return runs_.size(); }

    // The boundary before `line`, 0 <= line <= count().
    int offset(int line) const;
    int size(int line) const;
    // The line whose pixels hold `pos`; lines of no size hold none. Positions
    // before the first or past the last line give those lines.
    int lineAt(int pos) const;

private:
    struct Run {
        int first;  // line
        int start;  // its offset
        int size;  // of each line
    };
    const Run& runOf(int line) const;

    std::vector<Run> runs_;
    int count_ = 0;
    int length_ = 0;
};

}  // namespace jubilo::spreadsheet::picture
