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
inline constexpr ErrorLocation Excel1_saveCellsActivesheet{"Excel1.saveCellsActivesheet"};
inline constexpr ErrorLocation DuzodIduz_GenerateReport0{"DuzodIduz.GenerateReport0"};
inline constexpr ErrorLocation Form1_Form_Load{"Form1.Form_Load"};
inline constexpr ErrorLocation Form1_Form_QueryUnload{"Form1.Form_QueryUnload"};
inline constexpr ErrorLocation Form1_PushButton1_Click{"Form1.PushButton1_Click"};
inline constexpr ErrorLocation Form1_PushButton2_Click{"Form1.PushButton2_Click"};
inline constexpr ErrorLocation Form1_PushButton4_Click{"Form1.PushButton4_Click"};
inline constexpr ErrorLocation Form1_PushButton8_Click{"Form1.PushButton8_Click"};
inline constexpr ErrorLocation Form1_PushButton10_Click{"Form1.PushButton10_Click"};
inline constexpr ErrorLocation Form1_PushButton12_Click{"Form1.PushButton12_Click"};
inline constexpr ErrorLocation Form1_PushButton14_Click{"Form1.PushButton14_Click"};
inline constexpr ErrorLocation Form1_PushButton15_Click{"Form1.PushButton15_Click"};
inline constexpr ErrorLocation Form1_PushButton17_Click{"Form1.PushButton17_Click"};
inline constexpr ErrorLocation Form1_PushButton19_Click{"Form1.PushButton19_Click"};
inline constexpr ErrorLocation Form1_PushButton21_Click{"Form1.PushButton21_Click"};
inline constexpr ErrorLocation Form1_chkAddFood_Click{"Form1.chkAddFood_Click"};
inline constexpr ErrorLocation Form1_chkDeleteActivities_Click{"Form1.chkDeleteActivities_Click"};
inline constexpr ErrorLocation Form1_chkDeleteDecorations_Click{"Form1.chkDeleteDecorations_Click"};
inline constexpr ErrorLocation Form1_chkDeleteFood_Click{"Form1.chkDeleteFood_Click"};
inline constexpr ErrorLocation Form1_chkDeleteGuest_Click{"Form1.chkDeleteGuest_Click"};
inline constexpr ErrorLocation Form1_chkDeleteIncidentals_Click{"Form1.chkDeleteIncidentals_Click"};
inline constexpr ErrorLocation Form1_chkDeleteIngredients_Click{"Form1.chkDeleteIngredients_Click"};
inline constexpr ErrorLocation Form1_chkDeleteMusic_Click{"Form1.chkDeleteMusic_Click"};
inline constexpr ErrorLocation Form1_chkDeleteOtherSupplies_Click{"Form1.chkDeleteOtherSupplies_Click"};
inline constexpr ErrorLocation Form1_chkDeleteSchedules_Click{"Form1.chkDeleteSchedules_Click"};
inline constexpr ErrorLocation Form3_Form_Activate{"Form3.Form_Activate"};
inline constexpr ErrorLocation Form3_Form_Load{"Form3.Form_Load"};
inline constexpr ErrorLocation Form3_Form_QueryUnload{"Form3.Form_QueryUnload"};
inline constexpr ErrorLocation Form3_PushButton1_Click{"Form3.PushButton1_Click"};
inline constexpr ErrorLocation Form3_PushButton2_Click{"Form3.PushButton2_Click"};
inline constexpr ErrorLocation Form3_PushButton6_Click{"Form3.PushButton6_Click"};
inline constexpr ErrorLocation Form3_PushButton8_Click{"Form3.PushButton8_Click"};
inline constexpr ErrorLocation Form3_RedrawImage{"Form3.RedrawImage"};
inline constexpr ErrorLocation Form3_picture1_MouseDown{"Form3.picture1_MouseDown"};
inline constexpr ErrorLocation Form3_picture1_MouseMove{"Form3.picture1_MouseMove"};
inline constexpr ErrorLocation Form3_Picture1_MouseUp{"Form3.Picture1_MouseUp"};

// The 36 procedures that run under the error trap.
std::span<const ErrorLocation> all();
}  // namespace locations

}  // namespace jubilo
