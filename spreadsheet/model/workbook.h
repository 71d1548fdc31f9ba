#pragma once
// A workbook: its sheets in order, the active one, the colour palette and the
// table of fonts, number formats and cell formats its cells share.

#include "spreadsheet/format/format_table_p.h"
#include "spreadsheet/format/palette.h"

#include <QDate>
#include <QLocale>
#include <QString>

#include <memory>
#include <vector>

namespace jubilo::spreadsheet {

class Application;
class Worksheet;

class Workbook : public std::enable_shared_from_this<Workbook> {
public:
    Workbook(Application& app, const QString& name, int sheetCount);
    ~Workbook();
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    // Throws once the workbook is closed.
    Application& application() const;
    bool isOpen() const { return app_ != nullptr; }
    void detach();

    QString name() const { return name_; }
    FormatTable& formats() { return formats_; }
    const FormatTable& formats() const { return formats_; }

    // Palette entries 1..56 as 0x00BBGGRR.
    quint32 color(int index) const;
    void setColor(int index, quint32 bgr);
    const Palette& palette() const { return palette_; }

    int sheetCount() const { return int(sheets_.size()); }
    // 1-based, as the host interface counts.
    std::shared_ptr<Worksheet> sheet(int index) const;
    std::shared_ptr<Worksheet> activeSheet() const;
    void activate(Worksheet& sheet);
    void removeSheet(Worksheet& sheet);
    void renameSheet(Worksheet& sheet, const QString& name);

    // Closes the workbook in its application.
    void close();
    // Writes the workbook as an .xls file (FileFormat -4143 or 56) and takes
    // the file's name. Throws SpreadsheetError for any other format, a
    // workbook the file cannot hold or a path that cannot be written.
    void saveAs(const QString& path, int fileFormat);

    const QLocale& locale() const;

private:
    int indexOf(const Worksheet& sheet) const;

    Application* app_;
    QString name_;
    FormatTable formats_;
    Palette palette_;
    std::vector<std::shared_ptr<Worksheet>> sheets_;
    std::size_t active_ = 0;
};

}  // namespace jubilo::spreadsheet
