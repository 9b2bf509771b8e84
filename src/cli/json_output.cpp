#include "cli/json_output.h"

#include <charconv>
#include <cmath>

#include "presentation/frame_texts.h"
#include "presentation/main_view.h"
#include "presentation/settings_listing.h"

namespace valta9 {

Json floatJson(float value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    char buf[32];
    const auto res = std::to_chars(buf, buf + sizeof buf, value);
    double shortest = 0;
    std::from_chars(buf, res.ptr, shortest);
    return shortest;
}

namespace {

template <typename T, std::size_t N> Json array(const std::array<T, N>& values) {
    Json out = Json::array();
    for (const auto& v : values) {
        out.push_back(v);
    }
    return out;
}

Json operatorJson(const OperatorInfo& info) {
    return {{"name", info.name},
            {"certificate", info.certificate},
            {"organisation", info.organisation},
            {"date", info.date}};
}

Json identificationJson(const ServiceValues& s) {
    return {{"crane_number", s.craneNumber},
            {"commissioning_date", s.commissioningDate},
            {"normative_group", s.normativeGroup},
            {"planned_mode", s.plannedMode},
            {"resource_hours", s.resourceHours},
            {"recorder_number", s.recorderNumber},
            {"installation_date", s.installationDate},
            {"service_life_end_year", 2000 + s.serviceLifeYear},
            {"program_version", std::to_string(s.programVersion[0]) + "." +
                                    std::to_string(s.programVersion[1]) + "." +
                                    std::to_string(s.programVersion[2])}};
}

Json countersJson(const ServiceValues& s) {
    return {{"char_number_1", floatJson(s.charNumber1)},
            {"char_number_2", floatJson(s.charNumber2)},
            {"working_cycles", array(s.workingCycles)},
            {"relative_cycles", array(s.relativeCycles)},
            {"winch1_seconds", s.winch1Seconds},
            {"winch1_switch_ons", s.winch1SwitchOns},
            {"winch2_seconds", s.winch2Seconds},
            {"winch2_switch_ons", s.winch2SwitchOns},
            {"trolley_seconds", s.trolleySeconds},
            {"crane_seconds", s.craneSeconds},
            {"motor_minutes", s.motorMinutes}};
}

Json dutyJson(const DutyClassification& d) {
    return {{"total_cycles", d.totalCycles},
            {"largest_count", d.largestCount},
            {"bar_percent", array(d.barPercent)},
            {"normative_char_number", d.normativeCharNumber},
            {"utilization_class", d.utilizationClass},
            {"load_spectrum_factor", floatJson(d.loadSpectrumFactor)},
            {"load_spectrum_class", d.loadSpectrumClass},
            {"group", d.group}};
}

Json textOrNull(const OverloadRecord& r, const std::string& text) {
    return r.empty() ? Json(nullptr) : Json(text);
}

Json overloadsJson(const OverloadLog& log) {
    Json out = Json::array();
    for (const OverloadRecord& r : log) {
        out.push_back({{"number", r.number},
                       {"moment1", r.moment1},
                       {"moment2", r.moment2},
                       {"load1_t", floatJson(r.load1)},
                       {"load2_t", floatJson(r.load2)},
                       {"date", textOrNull(r, r.date)},
                       {"time", textOrNull(r, r.time)},
                       {"mark", r.mark},
                       {"checksum_ok", r.checksumOk}});
    }
    return out;
}

Json liftedMassJson(const LiftedMassTotals& totals) {
    Json out = Json::array();
    for (const LiftedMassTotal& t : totals) {
        out.push_back({{"mass_kg", floatJson(t.massKg)}, {"date", t.date}, {"valid", t.valid}});
    }
    return out;
}

Json framesJson(const FrameRing& frames) {
    Json out = Json::array();
    for (const FrameRecord& f : frames) {
        out.push_back({{"number", f.number},
                       {"date", f.date},
                       {"time", f.time},
                       {"load_mass1_t", floatJson(f.loadMass1)},
                       {"tare1_t", floatJson(f.tareMass1)},
                       {"load_mass2_t", floatJson(f.loadMass2)},
                       {"wind_ms", floatJson(f.wind)},
                       {"inputs", BitText(f.inputs)},
                       {"relays", BitText(f.relays)},
                       {"load1", f.load1},
                       {"load2", f.load2},
                       {"fault", f.fault},
                       {"mark", f.mark},
                       {"checksum_ok", f.checksumOk}});
    }
    return out;
}

Json settingsJson(const SettingsRecord& s, std::string_view point) {
    return {{"checksum_ok", s.checksumOk},
            {"relay_v7_used", s.relayV7Used()},
            {"relay_v6_used", s.relayV6Used()},
            {"listing", settingsListing(s, point)}};
}

} // namespace

Json modelJson(const LoadedImage& image, const OpenReport& report, std::string_view point) {
    Json out;
    out["file"] = image.path;
    out["size"] = image.fileSize;
    out["btp_version"] = image.btpVersion ? Json(*image.btpVersion) : Json(nullptr);
    out["messages"] = report.messages;
    out["operator"] = operatorJson(image.operatorInfo);
    out["identification"] = identificationJson(image.service);
    out["counters"] = countersJson(image.service);
    out["duty"] = dutyJson(image.duty);
    out["overloads"] = overloadsJson(image.overloads);
    out["lifted_mass"] = liftedMassJson(image.totals);
    out["frames"] = framesJson(image.frames);
    out["settings"] = settingsJson(image.settings, point);
    return out;
}

Json viewsJson(const LoadedImage& image, const OpenReport& report, std::string_view point) {
    const MainView view = buildMainView(image, point);
    Json texts = Json::object();
    for (const auto& [component, text] : view.views.texts) {
        texts[component] = text;
    }
    // The open leaves the frame count to the selection, so it keeps its design-time text.
    texts["Label_O_OtbZap"] = "0000";
    Json visible = Json::object();
    for (const auto& [component, shown] : view.views.visible) {
        visible[component] = shown;
    }
    Json progress = Json::object();
    for (const auto& [component, value] : view.views.progress) {
        progress[component] = value;
    }
    Json out;
    out["messages"] = report.messages;
    out["status"] = view.status;
    out["texts"] = texts;
    out["visible"] = visible;
    out["progress"] = progress;
    out["settings"] = view.settings;
    return out;
}

Json selectionJson(std::span<const int> numbers) {
    return {{"count", numbers.size()},
            {"numbers", Json(std::vector<int>(numbers.begin(), numbers.end()))}};
}

} // namespace valta9
