#include "errors/error_location.h"

namespace jubilo {

QString ErrorLocation::text() const
{
    return QStringLiteral("in Quenby2021/08/31.")
        + QString::fromUtf8(procedure.data(), static_cast<qsizetype>(procedure.size())) + QLatin1Char(' ');
}

namespace locations {

namespace {
constexpr ErrorLocation kAll[] = {
    kSaveSheetPicture,
    kGenerateReport,
    kMainWindowLoad,
    kMainWindowClose,
    kStartCreatingTemplateClick,
    kHelpClick,
    kLoadSampleDataClick,
    kAddGuestClick,
    kAddIngredientClick,
    kAddOtherSupplyClick,
    kAddScheduleClick,
    kAddActivityClick,
    kAddMusicClick,
    kAddDecorationClick,
    kAddIncidentalClick,
    kAddFoodClick,
    kDeleteActivityClick,
    kDeleteDecorationClick,
    kDeleteFoodClick,
    kDeleteGuestClick,
    kDeleteIncidentalClick,
    kDeleteIngredientClick,
    kDeleteMusicClick,
    kDeleteOtherSupplyClick,
    kDeleteScheduleClick,
    kPreviewActivate,
    kPreviewLoad,
    kPreviewClose,
    kZoomInClick,
    kZoomOutClick,
    kSaveResultsClick,
    kBackClick,
    kRedrawPicture,
    kPictureMouseDown,
    kPictureMouseMove,
    kPictureMouseUp,
    kPrintClick,
    kCopyPictureClick,
    kNewPlanClick,
    kNewPlanFromThisClick,
    kOpenPlanClick,
    kOpenRecentClick,
    kSavePlanAsClick,
    kAboutClick,
    kShowPlan,
    kUndoClick,
    kRedoClick,
    kFoldPlanTimer,
    kSaveChartClick,
    kCopyRowsClick,
    kPasteRowsClick,
    kImportGuestsClick,
    kExportListClick,
    kExportTimetableClick,
};
}  // namespace

std::span<const ErrorLocation> all() { return kAll; }

}  // namespace locations

}  // namespace jubilo
