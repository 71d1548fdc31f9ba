#include "spreadsheet/model/workbook.h"

#include "spreadsheet/model/application.h"
#include "spreadsheet/core/error.h"
#include "spreadsheet/model/worksheet.h"
#include "host/constants/sheet_names.h"

#include <algorithm>

namespace jubilo::spreadsheet {

namespace {

void checkSheetName(const QString& name)
{
    if (!xl::isSheetName(std::u16string_view(reinterpret_cast<const char16_t*>(name.utf16()), size_t(name.size()))))
        throw SpreadsheetError(QStringLiteral("\"%1\" is not a valid sheet name: use 1 to 31 characters, "
                                              "none of [ ] : * ? / \\, not starting or ending with '")
                                   .arg(name));
}

}  // namespace

Workbook::Workbook(Application& app, const QString& name, int sheetCount)
    : app_(&app)
    , name_(name)
    , palette_(defaultPalette())
{
    for (int i = 1; i <= sheetCount; ++i)
        sheets_.push_back(std::make_shared<Worksheet>(*this, QStringLiteral("Sheet%1").arg(i)));
}

Workbook::~Workbook() { detach(); }

void Workbook::detach()
{
    app_ = nullptr;
    for (auto& sheet : sheets_)
        sheet->detach();
}

Application& Workbook::application() const
{
    if (!app_)
        throw SpreadsheetError(QStringLiteral("The workbook \"%1\" is closed").arg(name_));
    return *app_;
}

quint32 Workbook::color(int index) const
{
    if (index < 1 || index > kPaletteSize)
        throw SpreadsheetError(
            QStringLiteral("Colour index %1 is out of range (1 to %2)").arg(index).arg(kPaletteSize));
    return palette_[index - 1];
}

void Workbook::setColor(int index, quint32 bgr)
{
    color(index);  // checks the index
    if (bgr > 0xFFFFFF)
        throw SpreadsheetError(QStringLiteral("Colour value %1 is out of range (0 to &HFFFFFF)").arg(bgr));
    palette_[index - 1] = bgr;
}

std::shared_ptr<Worksheet> Workbook::sheet(int index) const
{
    application();
    if (index < 1 || index > sheetCount())
        throw SpreadsheetError(
            QStringLiteral("There is no sheet number %1 (the workbook has %2)").arg(index).arg(sheetCount()));
    return sheets_[index - 1];
}

std::shared_ptr<Worksheet> Workbook::activeSheet() const
{
    application();
    return sheets_[active_];
}

int Workbook::indexOf(const Worksheet& sheet) const
{
    for (std::size_t i = 0; i < sheets_.size(); ++i)
        if (sheets_[i].get() == &sheet)
            return int(i);
    throw SpreadsheetError(QStringLiteral("The worksheet \"%1\" no longer exists").arg(sheet.name()));
}

void Workbook::activate(Worksheet& sheet)
{
    active_ = std::size_t(indexOf(sheet));
    application().activate(*this);
}

void Workbook::removeSheet(Worksheet& sheet)
{
    const int i = indexOf(sheet);
    if (sheets_.size() == 1)
        throw SpreadsheetError(QStringLiteral("A workbook must keep at least one sheet"));
    sheet.detach();
    sheets_.erase(sheets_.begin() + i);
    if (active_ > std::size_t(i) || active_ >= sheets_.size())
        --active_;
}

void Workbook::renameSheet(Worksheet& sheet, const QString& name)
{
    checkSheetName(name);
    indexOf(sheet);
    for (const auto& other : sheets_)
        if (other.get() != &sheet && other->name().compare(name, Qt::CaseInsensitive) == 0)
            throw SpreadsheetError(QStringLiteral("A sheet named \"%1\" already exists").arg(name));
    sheet.assignName(name);
}

void Workbook::close() { application().closeWorkbook(*this); }

const QLocale& Workbook::locale() const { return application().locale(); }

}  // namespace jubilo::spreadsheet
