#include "ui/preview/sheet_output.h"

#include "report/host_session.h"

#include <QCoreApplication>

#include <stdexcept>

namespace jubilo {

namespace {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(SheetOutput)
};

inline constexpr char kWorkbookExtension[] = ".xls";
inline constexpr char kPdfExtension[] = ".pdf";

}  // namespace

SaveTarget saveTarget(const QString& chosen, SavedFileType chosenType)
{
    if (chosen.endsWith(QLatin1String(kPdfExtension), Qt::CaseInsensitive))
        return {chosen, SavedFileType::Pdf};
    if (chosen.endsWith(QLatin1String(kWorkbookExtension), Qt::CaseInsensitive))
        return {chosen, SavedFileType::Workbook};
    const char* extension = chosenType == SavedFileType::Pdf ? kPdfExtension : kWorkbookExtension;
    return {chosen + QLatin1String(extension), chosenType};
}

void saveSheetPdf(const QString& workbookPath, const QString& pdfPath)
{
    HostSession session;
    session.openWorkbook(workbookPath).exportAsFixedFormat(xl::kTypePDF, pdfPath);
}

PrintResult printSheet(const QString& workbookPath)
{
    HostSession session;
    const auto sheet = session.openWorkbook(workbookPath).activeSheet();
    if (!sheet)
        throw std::runtime_error(Texts::tr("The workbook has no sheet to print").toStdString());
    return sheet->printOut();
}

}  // namespace jubilo
