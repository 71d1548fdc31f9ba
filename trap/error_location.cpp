#include "trap/error_location.h"

namespace jubilo {

QString ErrorLocation::text() const
{
    return QStringLiteral("in Quenby2021/08/31.")
           + QString::fromUtf8(procedure.data(), static_cast<qsizetype>(procedure.size()))
           + QLatin1Char(' ');
}

namespace locations {

namespace {
constexpr ErrorLocation kAll[] = {
    Excel1_saveCellsActivesheet,     DuzodIduz_GenerateReport0,
    Form1_Form_Load,                 Form1_Form_QueryUnload,
    Form1_PushButton1_Click,         Form1_PushButton2_Click,
    Form1_PushButton4_Click,         Form1_PushButton8_Click,
    Form1_PushButton10_Click,        Form1_PushButton12_Click,
    Form1_PushButton14_Click,        Form1_PushButton15_Click,
    Form1_PushButton17_Click,        Form1_PushButton19_Click,
    Form1_PushButton21_Click,        Form1_chkAddFood_Click,
    Form1_chkDeleteActivities_Click, Form1_chkDeleteDecorations_Click,
    Form1_chkDeleteFood_Click,       Form1_chkDeleteGuest_Click,
    Form1_chkDeleteIncidentals_Click, Form1_chkDeleteIngredients_Click,
    Form1_chkDeleteMusic_Click,      Form1_chkDeleteOtherSupplies_Click,
    Form1_chkDeleteSchedules_Click,  Form3_Form_Activate,
    Form3_Form_Load,                 Form3_Form_QueryUnload,
    Form3_PushButton1_Click,         Form3_PushButton2_Click,
    Form3_PushButton6_Click,         Form3_PushButton8_Click,
    Form3_RedrawImage,               Form3_picture1_MouseDown,
    Form3_picture1_MouseMove,        Form3_Picture1_MouseUp,
};
}  // namespace

std::span<const ErrorLocation> all()
{
    return kAll;
}

}  // namespace locations

}  // namespace jubilo
