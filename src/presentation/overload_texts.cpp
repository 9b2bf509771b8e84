#include "presentation/overload_texts.h"

#include "image/scaled.h"
#include "presentation/number_format.h"

namespace valta9 {

std::string checksumStateText(bool ok) {
    return ok ? "Норма" : "Брак";
}

std::optional<OverloadColumn> overloadColumn(const OverloadRecord& r, std::string_view point) {
    if (r.empty() || !r.checksumOk) {
        return std::nullopt;
    }
    return OverloadColumn{
        std::to_string(r.number),
        std::to_string(r.moment1),
        std::to_string(r.moment2),
        format0_00(r.load1, point),
        format0_00(r.load2, point),
        r.date,
        r.time,
        checksumStateText(r.checksumOk),
        std::to_string(r.mark),
    };
}

std::optional<std::string> maxOverloadSentence(const OverloadLog& log, int winch) {
    const OverloadRecord* best = nullptr;
    int bestMoment = 0;
    for (const OverloadRecord& r : log) {
        const int moment = winch == 1 ? r.moment1 : r.moment2;
        if (moment >= bestMoment) {
            bestMoment = moment;
            best = &r;
        }
    }
    if (best == nullptr || bestMoment == 0) {
        return std::nullopt;
    }
    const char* opening = winch == 1 ? "Максимальная перегрузка первой лебедки произошла "
                                     : "Максимальная перегрузка второй лебедки произошла ";
    return opening + best->date + " в " + best->time + " и составила " +
           std::to_string(bestMoment) + "%.";
}

std::string liftedMassSentence(const LiftedMassTotal& total, std::string_view point) {
    return "Суммарная масса грузов поднятых " + total.date + " составила " +
           format0_00(static_cast<long double>(total.massKg) * kKilogramsToTonnes, point) + " т.";
}

ViewTexts overloadPageTexts(const OverloadLog& log, const LiftedMassTotals& totals,
                            std::string_view point) {
    ViewTexts v;
    v.text("Label_Per_OtbZap", std::to_string(log.back().number));
    const char* labels[] = {"Label_MaxM1", "Label_MaxM2"};
    for (int winch = 1; winch <= 2; ++winch) {
        const auto sentence = maxOverloadSentence(log, winch);
        // A hidden label goes back to its design-time text.
        v.text(labels[winch - 1], sentence.value_or("0%"));
        v.visible.emplace_back(labels[winch - 1], sentence.has_value());
    }
    const char* sums[] = {"L_Sum0", "L_Sum1"};
    for (std::size_t i = 0; i < totals.size(); ++i) {
        v.text(sums[i], liftedMassSentence(totals[i], point));
        v.visible.emplace_back(sums[i], totals[i].valid);
    }
    return v;
}

} // namespace valta9
