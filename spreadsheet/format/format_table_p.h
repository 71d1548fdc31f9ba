#pragma once
// A workbook's interned fonts, number format codes and cell formats. Equal
// looks share one index, so cells carry a 32-bit index instead of a copy and
// a writer emits each FONT, FORMAT and XF record once. Index 0 of each table
// is the workbook default.

#include "spreadsheet/format/cell_format.h"

#include <QHash>
#include <QString>

#include <map>
#include <unordered_map>
#include <vector>

namespace jubilo::spreadsheet {

inline constexpr quint16 kFirstCustomNumberFormat = 164;

class FormatTable {
public:
    FormatTable();

    quint32 intern(const CellFormat& format);
    const CellFormat& format(quint32 index) const { return formats_[index]; }
    const std::vector<CellFormat>& formats() const { return formats_; }

    quint16 internFont(const Font& font);
    const Font& font(quint16 index) const { return fonts_[index]; }
    const std::vector<Font>& fonts() const { return fonts_; }

    // Built-in codes map to their fixed index; others get one from 164 on.
    quint16 internNumberFormat(const QString& code);
    QString numberFormat(quint16 index) const;
    // Whether the code at index is "@", which keeps typed input as text.
    bool isTextFormat(quint16 index) const;
    // Every code in use by index, built-in and custom.
    const std::map<quint16, QString>& numberFormats() const { return codes_; }

    // What a keyed edit (setterKey, plus the cell's edges) gave for a format
    // index. Formats are never removed, so a result stays valid.
    const quint32* rememberedEdit(quint64 key) const;
    void rememberEdit(quint64 key, quint32 result);

private:
    std::vector<CellFormat> formats_;
    std::unordered_map<CellFormat, quint32, FormatHash> formatIndex_;
    std::vector<Font> fonts_;
    std::unordered_map<Font, quint16, FontHash> fontIndex_;
    std::map<quint16, QString> codes_;
    QHash<QString, quint16> codeIndex_;
    quint16 nextCustom_ = kFirstCustomNumberFormat;
    std::unordered_map<quint64, quint32> edits_;
};

}  // namespace jubilo::spreadsheet
