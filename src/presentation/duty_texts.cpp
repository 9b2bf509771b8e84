#include "presentation/duty_texts.h"

#include "presentation/number_format.h"

namespace valta9 {

ViewTexts dutyTexts(const DutyClassification& d, std::string_view point) {
    ViewTexts v;
    for (std::size_t band = 0; band < d.barPercent.size(); ++band) {
        v.progress.emplace_back("CGauge_" + bandSuffix(band), d.barPercent[band]);
    }
    v.text("Label_NHarch", std::to_string(d.normativeCharNumber));
    v.text("Label_KIspU", "U" + std::to_string(d.utilizationClass));
    v.text("Label_KNag", format0_000(d.loadSpectrumFactor, point));
    // A factor outside every class leaves the class and the group undetermined.
    v.text("Label_RezhQ", d.classified() ? "Q" + std::to_string(d.loadSpectrumClass) : "Q?");
    v.text("Label_RezhA", d.classified() ? "A" + std::to_string(d.group) : "A?");
    return v;
}

} // namespace valta9
