#pragma once
// Copies what a range of a sheet draws into a DrawingData: the looks of its
// cells as row patterns, its merged areas, and each cell's text placed as
// the sheet shows it (see range_picture.h for the rules).

#include "spreadsheet/picture/drawing_data_p.h"
#include "spreadsheet/picture/sheet_drawing.h"
#include "spreadsheet/picture/sheet_geometry_p.h"

#include <QFontMetricsF>
#include <QHash>

#include <unordered_map>

namespace jubilo::spreadsheet {
class FormatTable;
class Workbook;
class Worksheet;
}  // namespace jubilo::spreadsheet

namespace jubilo::spreadsheet::picture {

class DrawingBuilder {
public:
    DrawingBuilder(Worksheet& sheet, const RangeGeometry& geometry, bool gridlines,
                   TextShapes shapes = TextShapes::Painted);
    DrawingData build();

private:
    // Boundary lines around a cell or merged area.
    struct Box {
        int x0, y0, x1, y1;
    };
    // Where a line of text goes: its horizontal alignment, the room between
    // the margins and indent, and the cell's inside [left, right) x [top, bottom).
    struct Placement {
        HAlign h;
        double textLeft, textRight;
        int left, top, right, bottom;
        double room() const { return qMax(0.0, textRight - textLeft); }
    };
    struct Line {
        QString text;
        double width;
    };

    // drawing_builder.cpp
    void measure();
    void collectMerges();
    void collectPatterns();
    bool isPlainRow(int row) const;
    void fillPattern(std::vector<PatternCell>& cells, int row);
    void markMerges(std::vector<PatternCell>& cells, int row, const std::vector<std::size_t>& active) const;
    quint32 patternId(const std::vector<PatternCell>& cells);
    quint32 lookOf(quint32 xf);
    PatternCell cellAt(int row, int col) const;

    // drawing_text.cpp
    void collectTexts();
    void placeText(int row, int col, const Box& box, bool merged);
    void placeLine(int row, int col, Line line, bool isNumber, bool stays, VAlign v, Placement p, quint32 font);
    void placeWrapped(QString text, quint32 font, VAlign v, const Placement& p);
    void runOn(int row, int col, const Placement& p, double x, double width, int& clipLeft, int& clipRight);
    bool hasContent(int row, int col) const;
    bool runsInto(int row, int col) const;
    bool filled(int row, int col) const;
    quint32 fontOf(quint16 index);
    quint32 stringOf(const QString& text);
    double widthOf(const QString& text, quint32 font);
    void indexTexts();

    Worksheet& sheet_;
    const Workbook& book_;
    const FormatTable& table_;
    const RangeGeometry& g_;
    const bool keepShapes_;
    DrawingData data_;
    std::vector<CellRect> mergeAreas_;  // parallel to data_.merges
    std::unordered_map<quint32, quint32> lookOfXf_;
    std::unordered_map<quint64, quint32> lookIds_;
    QHash<QByteArray, quint32> patternIds_;
    std::unordered_map<quint16, quint32> fontIds_;
    std::vector<QFontMetricsF> metrics_;  // parallel to data_.fonts
    QHash<QString, quint32> stringIds_;
    QHash<QPair<QString, quint32>, double> widths_;  // by text and font
    QString typed_;  // the text of the cell being placed as typed, when it shows marks; else empty
};

}  // namespace jubilo::spreadsheet::picture
