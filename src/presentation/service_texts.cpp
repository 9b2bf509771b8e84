#include "presentation/service_texts.h"

#include "presentation/number_format.h"

namespace valta9 {

ViewTexts operatorTexts(const OperatorInfo& info) {
    ViewTexts v;
    v.text("Edit_Name", info.name);
    v.text("Edit_NUd", info.certificate);
    v.text("Edit_Org", info.organisation);
    v.text("Edit_DataSch", info.date);
    return v;
}

std::string normativeGroupText(const ServiceValues& service) {
    return "A" + std::to_string(service.normativeGroup);
}

ViewTexts serviceTexts(const ServiceValues& s, std::string_view point) {
    ViewTexts v;
    v.text("Edit_NKr", s.craneNumber);
    v.text("Edit_GodKr", s.commissioningDate);
    v.text("Edit_NRP", s.recorderNumber);
    v.text("Edit_DataUst", s.installationDate);
    v.text("Edit_VProg", std::to_string(s.programVersion[0]) + "." +
                             std::to_string(s.programVersion[1]) + "." +
                             std::to_string(s.programVersion[2]));

    v.text("L_GRKr", normativeGroupText(s));
    v.text("Label_RezPhA", "Q" + std::to_string(s.plannedMode));
    v.text("Edit_HarCh1", format0_00(s.charNumber1, point));
    v.text("Edit_HarCh2", format0_00(s.charNumber2, point));
    v.text("L_KapRem", std::to_string(s.resourceHours) + ":00:00");
    const std::string year = std::to_string(s.serviceLifeYear);
    v.text("L_Srok", "20" + std::string(year.size() < 2 ? "0" : "") + year + " г.");
    v.text("L_TimeAll", FormatRunTime(s.motorMinutes * 60));

    v.text("E_L1sec", FormatRunTime(s.winch1Seconds));
    v.text("E_L1", std::to_string(s.winch1SwitchOns));
    v.text("E_L2sec", FormatRunTime(s.winch2Seconds));
    v.text("E_L2", std::to_string(s.winch2SwitchOns));
    v.text("E_Telez", FormatRunTime(s.trolleySeconds));
    v.text("E_Kran", FormatRunTime(s.craneSeconds));

    for (std::size_t band = 0; band < s.workingCycles.size(); ++band) {
        v.text("Edit_N_" + bandSuffix(band), std::to_string(s.workingCycles[band]));
    }
    for (std::size_t band = 0; band < s.relativeCycles.size(); ++band) {
        v.text("Edit_ON_" + bandSuffix(band), std::to_string(s.relativeCycles[band]));
    }
    return v;
}

} // namespace valta9
