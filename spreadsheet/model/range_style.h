#pragma once
// The Font, Interior and Borders(i) objects of a range. Setting a member
// styles every cell of the range; reading answers for its top-left cell.

#include "spreadsheet/model/range.h"

namespace jubilo::spreadsheet {

class RangeFont {
public:
    explicit RangeFont(Range range)
        : range_(std::move(range))
    {
    }
    QString name() const;
    void setName(const QString& name) const;
    double size() const;
    void setSize(double points) const;
    bool bold() const;
    void setBold(bool on) const;
    bool italic() const;
    void setItalic(bool on) const;
    // "Regular", "Bold", "Italic", "Bold Italic"; other names leave the font
    // as it is.
    QString fontStyle() const;
    void setFontStyle(const QString& style) const;
    int colorIndex() const;  // xlColorIndexAutomatic when automatic
    void setColorIndex(int index) const;

private:
    Range range_;
};

class RangeInterior {
public:
    explicit RangeInterior(Range range)
        : range_(std::move(range))
    {
    }
    int colorIndex() const;  // xlColorIndexNone when there is no fill
    void setColorIndex(int index) const;

private:
    Range range_;
};

class RangeBorder {
public:
    RangeBorder(Range range, int index);
    int lineStyle() const;
    void setLineStyle(int xl) const;
    int colorIndex() const;  // xlColorIndexAutomatic when automatic
    void setColorIndex(int index) const;

private:
    Range range_;
    int index_;
};

}  // namespace jubilo::spreadsheet
