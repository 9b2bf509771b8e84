#include "presentation/design_view.h"

namespace valta9 {

ViewTexts designTimeView() {
    ViewTexts v;
    v.text("Edit_Name", "Неизвестен");
    v.text("Edit_Org", "Неизвестно");
    v.text("Edit_NUd", "Н/10000");
    v.text("Edit_DataSch", "01.01.03");
    for (const char* field :
         {"Edit_NKr", "Edit_GodKr",   "Edit_NRP",    "Edit_DataUst", "Edit_VProg",
          "L_GRKr",   "Label_RezPhA", "Edit_HarCh1", "Edit_HarCh2",  "L_KapRem",
          "L_Srok",   "L_TimeAll",    "E_L1sec",     "E_L1",         "E_L2sec",
          "E_L2",     "E_Telez",      "E_Kran",      "L_Sum0",       "L_Sum1"}) {
        v.text(field, "");
    }
    for (std::size_t band = 0; band < 15; ++band) {
        v.text("Edit_N_" + bandSuffix(band), "");
        v.text("Edit_ON_" + bandSuffix(band), "");
    }
    v.text("Label_NHarch", "8000");
    v.text("Label_KIspU", "U0");
    v.text("Label_KNag", "0");
    v.text("Label_RezhQ", "Q1");
    v.text("Label_RezhA", "A1");
    constexpr int kDesignBars[15] = {10, 20, 30, 40, 50, 30, 55, 10, 60, 30, 10, 3, 2, 2, 1};
    for (std::size_t band = 0; band < 15; ++band) {
        v.progress.emplace_back("CGauge_" + bandSuffix(band), kDesignBars[band]);
    }
    v.text("Label_O_OtbZap", "0000");
    v.text("Label_Per_OtbZap", "0000");
    v.text("Label_MaxM1", "0%");
    v.text("Label_MaxM2", "0%");
    v.visible.emplace_back("Label_MaxM1", true);
    v.visible.emplace_back("Label_MaxM2", true);
    v.visible.emplace_back("L_Sum0", false);
    v.visible.emplace_back("L_Sum1", false);
    return v;
}

} // namespace valta9
