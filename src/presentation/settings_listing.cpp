#include "presentation/settings_listing.h"

#include "presentation/number_format.h"

namespace valta9 {

namespace {

class Listing {
public:
    explicit Listing(std::string_view point) : m_point(point) {}

    void line(std::string text) { m_lines.push_back(std::move(text)); }
    void blank() { m_lines.emplace_back(); }
    void word(std::string_view label, unsigned value) {
        line(std::string(label) + " = " + std::to_string(value));
    }
    void signedValue(std::string_view label, long value) {
        line(std::string(label) + " = " + std::to_string(value));
    }
    void scaled(std::string_view label, unsigned raw, long double factor) {
        line(std::string(label) + " = " + formatGeneral(raw * factor, m_point));
    }
    std::vector<std::string> take() { return std::move(m_lines); }

private:
    std::string_view m_point;
    std::vector<std::string> m_lines;
};

constexpr long double kTenth = 0.1L;
constexpr long double kHundredth = 0.01L;

void calibration(Listing& l, const char* group, const SensorCalibration& c) {
    l.blank();
    l.line(std::string("Структура ") + group + ":");
    l.signedValue("Q_null", c.qNull);
    l.word("K_usil", c.kUsil);
    l.word("K_usil_lift", c.kUsilLift);
}

void phaseBlock(Listing& l, const char* name, const std::array<std::uint16_t, 24>& words) {
    for (int motor = 1; motor <= 8; ++motor) {
        l.blank();
        for (int phase = 1; phase <= 3; ++phase) {
            l.word(name + std::to_string(motor) + "_Faza" + std::to_string(phase),
                   words[static_cast<std::size_t>(3 * (motor - 1) + (phase - 1))]);
        }
    }
}

} // namespace

std::vector<std::string> settingsListing(const SettingsRecord& r, std::string_view point) {
    Listing l(point);
    l.line("Структура Parametr:");
    l.word("Mode", r.mode);
    l.word("Type_Sens", r.typeSens);
    l.word("N_DUC1", r.nDuc1);
    l.word("N_DUC2", r.nDuc2);
    l.scaled("Qmax1", r.qmax1, kTenth);
    l.scaled("Qmax2", r.qmax2, kTenth);
    l.scaled("Qmax_summa", r.qmaxSumma, kTenth);
    l.scaled("Qmax_consol", r.qmaxConsol, kTenth);
    l.word("Razbalans_Q", r.razbalansQ);
    l.scaled("Qmax_1sens", r.qmax1Sens, kTenth);
    for (std::size_t i = 0; i < r.qmaxP.size(); ++i) {
        l.scaled("Qmax_P0" + std::to_string(i + 1), r.qmaxP[i], kTenth);
    }
    l.word("K_otriva", r.kOtriva);

    l.blank();
    l.line("Структура NULL_DUC:");
    l.word("N_sens", r.nSens);
    l.word("K_NULL", r.kNull);
    calibration(l, "Q_DUC1", r.duc1);
    calibration(l, "Q_DUC2", r.duc2);

    l.blank();
    l.scaled("Q_min_konteiner", r.qMinKonteiner, kHundredth);
    l.scaled("Q_min_kanat", r.qMinKanat, kHundredth);
    l.word("BRS", r.brs);
    l.word("Block_Protect", r.blockProtect);

    phaseBlock(l, "Motor", r.motorPhase);
    phaseBlock(l, "Nominal", r.nominalPhase);

    l.blank();
    l.line("Структура Stop_Motor:");
    l.word("N_Motor", r.nMotor);
    for (int motor = 1; motor <= 8; ++motor) {
        const bool stopped = ((r.stopFlags >> (8 - motor)) & 1U) != 0;
        l.line("№" + std::to_string(motor) + (stopped ? " = 1" : "  = 0"));
    }

    l.blank();
    l.word("Razbalans_A", r.razbalansA);
    l.word("Wind_max", r.windMax);
    l.word("F_Bell", r.fBell);
    l.word("Yark_LCD", r.yarkLcd);
    l.word("CS", r.cs);
    return l.take();
}

} // namespace valta9
