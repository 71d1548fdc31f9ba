#include "spreadsheet/format/format_table_p.h"

#include "spreadsheet/core/error.h"

#include <limits>

namespace jubilo::spreadsheet {

namespace {

struct BuiltinFormat {
    quint16 index;
    const char* code;
};

// The number formats every reader knows by index alone.
constexpr BuiltinFormat kBuiltins[] = {
    {0, "General"},
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {5, "$#,##0_);($#,##0)"},
    {6, "$#,##0_);[Red]($#,##0)"},
    {7, "$#,##0.00_);($#,##0.00)"},
    {8, "$#,##0.00_);[Red]($#,##0.00)"},
    {9, "0%"},
    {10, "0.00%"},
    {11, "0.00E+00"},
    {12, "# ?/?"},
    {13, "# ?\?/??"},
    {14, "m/d/yyyy"},
    {15, "d-mmm-yy"},
    {16, "d-mmm"},
    {17, "mmm-yy"},
    {18, "h:mm AM/PM"},
    {19, "h:mm:ss AM/PM"},
    {20, "h:mm"},
    {21, "h:mm:ss"},
    {22, "m/d/yyyy h:mm"},
    {37, "#,##0_);(#,##0)"},
    {38, "#,##0_);[Red](#,##0)"},
    {39, "#,##0.00_);(#,##0.00)"},
    {40, "#,##0.00_);[Red](#,##0.00)"},
    {45, "mm:ss"},
    {46, "[h]:mm:ss"},
    {47, "mm:ss.0"},
    {48, "##0.0E+0"},
    {49, "@"},
};

}  // namespace

FormatTable::FormatTable()
{
    for (const auto& b : kBuiltins) {
        codes_[b.index] = QString::fromLatin1(b.code);
        codeIndex_.insert(QString::fromLatin1(b.code), b.index);
    }
    internFont(Font{});
    intern(CellFormat{});
}

quint32 FormatTable::intern(const CellFormat& format)
{
    const auto [it, added] = formatIndex_.try_emplace(format, quint32(formats_.size()));
    if (added)
        formats_.push_back(format);
    return it->second;
}

quint16 FormatTable::internFont(const Font& font)
{
    const auto found = fontIndex_.find(font);
    if (found != fontIndex_.end())
        return found->second;
    if (fonts_.size() >= std::numeric_limits<quint16>::max())
        throw SpreadsheetError(QStringLiteral("Too many different fonts in one workbook"));
    const auto index = quint16(fonts_.size());
    fonts_.push_back(font);
    fontIndex_.emplace(font, index);
    return index;
}

quint16 FormatTable::internNumberFormat(const QString& code)
{
    // "General" is matched without regard to case, as readers do.
    if (code.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
        return 0;
    const auto found = codeIndex_.constFind(code);
    if (found != codeIndex_.cend())
        return *found;
    if (nextCustom_ == std::numeric_limits<quint16>::max())
        throw SpreadsheetError(QStringLiteral("Too many number formats in one workbook"));
    const quint16 index = nextCustom_++;
    codes_[index] = code;
    codeIndex_.insert(code, index);
    return index;
}

const quint32* FormatTable::rememberedEdit(quint64 key) const
{
    const auto found = edits_.find(key);
    return found == edits_.end() ? nullptr : &found->second;
}

void FormatTable::rememberEdit(quint64 key, quint32 result)
{
    // A bound on memory for workbooks styled in very many ways.
    constexpr std::size_t kMostRemembered = 1 << 16;
    if (edits_.size() >= kMostRemembered)
        edits_.clear();
    edits_.emplace(key, result);
}

bool FormatTable::isTextFormat(quint16 index) const
{
    const auto found = codes_.find(index);
    return found != codes_.end() && found->second == QLatin1String("@");
}

QString FormatTable::numberFormat(quint16 index) const
{
    const auto found = codes_.find(index);
    return found == codes_.end() ? QStringLiteral("General") : found->second;
}

}  // namespace jubilo::spreadsheet
