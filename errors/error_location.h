#pragma once
// Where a failure happened, as the error box names it: "in Quenby2021/08/31."
// + window or module + "." + procedure + one blank.

#include <QString>

#include <span>
#include <string_view>

namespace jubilo {

struct ErrorLocation {
    std::string_view procedure;  // "Form1.Form_Load"

    QString text() const;
};

namespace locations {
// The report run.
inline constexpr ErrorLocation kSaveSheetPicture{"Excel1.saveCellsActivesheet"};
inline constexpr ErrorLocation kGenerateReport{"DuzodIduz.GenerateReport0"};

// The main window.
inline constexpr ErrorLocation kMainWindowLoad{"Form1.Form_Load"};
inline constexpr ErrorLocation kMainWindowClose{"Form1.Form_QueryUnload"};
inline constexpr ErrorLocation kStartCreatingTemplateClick{"Form1.PushButton1_Click"};
inline constexpr ErrorLocation kHelpClick{"Form1.PushButton14_Click"};
inline constexpr ErrorLocation kLoadSampleDataClick{"Form1.PushButton21_Click"};
inline constexpr ErrorLocation kAddGuestClick{"Form1.PushButton2_Click"};
inline constexpr ErrorLocation kAddIngredientClick{"Form1.PushButton4_Click"};
inline constexpr ErrorLocation kAddOtherSupplyClick{"Form1.PushButton8_Click"};
inline constexpr ErrorLocation kAddScheduleClick{"Form1.PushButton10_Click"};
inline constexpr ErrorLocation kAddActivityClick{"Form1.PushButton12_Click"};
inline constexpr ErrorLocation kAddMusicClick{"Form1.PushButton15_Click"};
inline constexpr ErrorLocation kAddDecorationClick{"Form1.PushButton17_Click"};
inline constexpr ErrorLocation kAddIncidentalClick{"Form1.PushButton19_Click"};
inline constexpr ErrorLocation kAddFoodClick{"Form1.chkAddFood_Click"};
inline constexpr ErrorLocation kDeleteActivityClick{"Form1.chkDeleteActivities_Click"};
inline constexpr ErrorLocation kDeleteDecorationClick{"Form1.chkDeleteDecorations_Click"};
inline constexpr ErrorLocation kDeleteFoodClick{"Form1.chkDeleteFood_Click"};
inline constexpr ErrorLocation kDeleteGuestClick{"Form1.chkDeleteGuest_Click"};
inline constexpr ErrorLocation kDeleteIncidentalClick{"Form1.chkDeleteIncidentals_Click"};
inline constexpr ErrorLocation kDeleteIngredientClick{"Form1.chkDeleteIngredients_Click"};
inline constexpr ErrorLocation kDeleteMusicClick{"Form1.chkDeleteMusic_Click"};
inline constexpr ErrorLocation kDeleteOtherSupplyClick{"Form1.chkDeleteOtherSupplies_Click"};
inline constexpr ErrorLocation kDeleteScheduleClick{"Form1.chkDeleteSchedules_Click"};

// The preview window.
inline constexpr ErrorLocation kPreviewActivate{"Form3.Form_Activate"};
inline constexpr ErrorLocation kPreviewLoad{"Form3.Form_Load"};
inline constexpr ErrorLocation kPreviewClose{"Form3.Form_QueryUnload"};
inline constexpr ErrorLocation kZoomInClick{"Form3.PushButton1_Click"};
inline constexpr ErrorLocation kZoomOutClick{"Form3.PushButton2_Click"};
inline constexpr ErrorLocation kSaveResultsClick{"Form3.PushButton6_Click"};
inline constexpr ErrorLocation kBackClick{"Form3.PushButton8_Click"};
inline constexpr ErrorLocation kRedrawPicture{"Form3.RedrawImage"};
inline constexpr ErrorLocation kPictureMouseDown{"Form3.picture1_MouseDown"};
inline constexpr ErrorLocation kPictureMouseMove{"Form3.picture1_MouseMove"};
inline constexpr ErrorLocation kPictureMouseUp{"Form3.Picture1_MouseUp"};
// The picture's context menu (Save as PDF is the save procedure's).
inline constexpr ErrorLocation kPrintClick{"Form3.mnuPrint_Click"};
inline constexpr ErrorLocation kCopyPictureClick{"Form3.mnuCopyPicture_Click"};
// The main window's File and Help menus, and the plan they put on show.
inline constexpr ErrorLocation kNewPlanClick{"Form1.mnuNewPlan_Click"};
inline constexpr ErrorLocation kNewPlanFromThisClick{"Form1.mnuNewPlanFromThis_Click"};
inline constexpr ErrorLocation kOpenPlanClick{"Form1.mnuOpenPlan_Click"};
inline constexpr ErrorLocation kOpenRecentClick{"Form1.mnuOpenRecent_Click"};
inline constexpr ErrorLocation kSavePlanAsClick{"Form1.mnuSavePlanAs_Click"};
inline constexpr ErrorLocation kAboutClick{"Form1.mnuAbout_Click"};
inline constexpr ErrorLocation kShowPlan{"Form1.ShowPlan"};
// The Edit menu.
inline constexpr ErrorLocation kUndoClick{"Form1.mnuUndo_Click"};
inline constexpr ErrorLocation kRedoClick{"Form1.mnuRedo_Click"};
// The plan's file made whole once the user pauses.
inline constexpr ErrorLocation kFoldPlanTimer{"Form1.tmrFoldPlan_Timer"};
// The glance window's chart menu.
inline constexpr ErrorLocation kSaveChartClick{"GlanceWindow.mnuSaveChart_Click"};
// A list's rows copied to the clipboard and pasted from it.
inline constexpr ErrorLocation kCopyRowsClick{"Form1.mnuCopyRows_Click"};
inline constexpr ErrorLocation kPasteRowsClick{"Form1.mnuPasteRows_Click"};
// File > Import Guests.
inline constexpr ErrorLocation kImportGuestsClick{"Form1.mnuImportGuests_Click"};
// The File menu's exports.
inline constexpr ErrorLocation kExportListClick{"Form1.mnuExportList_Click"};
inline constexpr ErrorLocation kExportTimetableClick{"Form1.mnuExportTimetable_Click"};

// The 54 procedures that run under the error trap.
std::span<const ErrorLocation> all();
}  // namespace locations

}  // namespace jubilo
