#include "cli/summary.h"

#include <algorithm>

#include "presentation/main_view.h"
#include "presentation/overload_texts.h"

namespace valta9 {

namespace {

std::size_t utf8Length(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    const auto length = utf8Length(text);
    if (length < width) {
        out.append(width - length, ' ');
    }
    return out;
}

constexpr const char* kBandCaptions[] = {
    "M < 10%",         "10% < M < 20%",   "20% < M < 30%",   "30% < M < 40%",   "40% < M < 50%",
    "50% < M < 60%",   "60% < M < 70%",   "70% < M < 80%",   "80% < M < 90%",   "90% < M < 100%",
    "100% < M < 110%", "110% < M < 120%", "120% < M < 130%", "130% < M < 140%", "140% < M "};

class Writer {
public:
    explicit Writer(const ViewTexts& views) : m_views(views) {}

    void heading(std::string_view title) {
        if (!m_out.empty()) {
            m_out += '\n';
        }
        m_out.append(title);
        m_out += '\n';
    }
    void line(std::string_view text) {
        m_out += "  ";
        m_out.append(text);
        m_out += '\n';
    }
    void field(std::string_view caption, std::string_view value) {
        line(padded(caption, 46) + std::string(value));
    }
    void view(std::string_view caption, std::string_view component) {
        const std::string* text = m_views.find(component);
        field(caption, text ? *text : "");
    }
    std::string take() { return std::move(m_out); }

private:
    const ViewTexts& m_views;
    std::string m_out;
};

std::string bar(int percent) {
    const int cells = std::clamp(percent, 0, 100) / 5;
    std::string out;
    for (int i = 0; i < 20; ++i) {
        out += i < cells ? "█" : "·";
    }
    return out;
}

void writeLoadBands(Writer& w, const LoadedImage& image) {
    w.heading("Наработка: циклы нагружения по диапазонам нагрузок");
    w.line(padded("Диапазон", 18) + padded("Лебедка №1", 13) + padded("Лебедка №2", 13) +
           "Диаграмма циклов, лебедка №1");
    for (std::size_t band = 0; band < 15; ++band) {
        const int percent = image.duty.barPercent[band];
        w.line(padded(kBandCaptions[band], 18) +
               padded(std::to_string(image.service.workingCycles[band]), 13) +
               padded(std::to_string(image.service.relativeCycles[band]), 13) + bar(percent) + " " +
               std::to_string(percent) + "%");
    }
}

void writeOverloads(Writer& w, const LoadedImage& image, std::string_view point) {
    w.heading("Перегрузки");
    const auto records = std::count_if(image.overloads.begin(), image.overloads.end(),
                                       [](const OverloadRecord& r) { return !r.empty(); });
    const auto broken =
        std::count_if(image.overloads.begin(), image.overloads.end(),
                      [](const OverloadRecord& r) { return !r.empty() && !r.checksumOk; });
    w.field("Записей о перегрузках:",
            std::to_string(records) +
                " из 100, с ошибкой контрольной суммы: " + std::to_string(broken));
    bool any = false;
    for (int winch = 1; winch <= 2; ++winch) {
        if (const auto sentence = maxOverloadSentence(image.overloads, winch)) {
            w.line(*sentence);
            any = true;
        }
    }
    if (!any) {
        w.line("Перегрузок не было.");
    }
    for (const LiftedMassTotal& total : image.totals) {
        w.line(liftedMassSentence(total, point) +
               (total.valid ? "" : " (ошибка контрольной суммы, в окне скрыто)"));
    }
}

void writeFrames(Writer& w, const LoadedImage& image) {
    w.heading("Кадры");
    const auto broken = std::count_if(image.frames.begin(), image.frames.end(),
                                      [](const FrameRecord& f) { return !f.checksumOk; });
    w.field("Кадров в кольце:", std::to_string(image.frames.size()) +
                                    ", с ошибкой контрольной суммы: " + std::to_string(broken));
    const auto firstGood = std::find_if(image.frames.begin(), image.frames.end(),
                                        [](const FrameRecord& f) { return f.checksumOk; });
    const auto lastGood = std::find_if(image.frames.rbegin(), image.frames.rend(),
                                       [](const FrameRecord& f) { return f.checksumOk; });
    if (firstGood != image.frames.end()) {
        w.field("Самый ранний исправный кадр:", std::to_string(firstGood->number) + " (" +
                                                    firstGood->date + " " + firstGood->time + ")");
        w.field("Самый поздний исправный кадр:", std::to_string(lastGood->number) + " (" +
                                                     lastGood->date + " " + lastGood->time + ")");
    }
}

} // namespace

std::string summaryText(const LoadedImage& image, const OpenReport& report,
                        std::string_view point) {
    const MainView view = buildMainView(image, point);
    Writer w(view.views);

    w.heading("Дамп РП ВАЛТА-9");
    w.field("Файл:", image.path);
    w.field("Размер:", std::to_string(image.fileSize) + " байт");
    w.field("Версия БТП:", image.btpVersion ? std::to_string(*image.btpVersion) : "не определена");
    if (report.messages.empty()) {
        w.field("Контрольные суммы:", "в норме");
    } else {
        w.field("Сообщения при открытии:", std::to_string(report.messages.size()));
        for (const std::string& message : report.messages) {
            w.line("  " + message);
        }
    }

    w.heading("Информация об операторе");
    w.view("Инормацию считал:", "Edit_Name");
    w.view("Удост. №", "Edit_NUd");
    w.view("Организация:", "Edit_Org");
    w.view("Дата считывания:", "Edit_DataSch");

    w.heading("Информация о кране и ограничителе");
    w.view("Кран мостовой №", "Edit_NKr");
    w.view("Дата ввода крана  эксплуатацию:", "Edit_GodKr");
    w.view("ВАЛТА-9М №", "Edit_NRP");
    w.view("Установлен на кран:", "Edit_DataUst");
    w.view("Версия РП:", "Edit_VProg");

    w.heading("Информация о режимах работы и ресурсе крана");
    w.view("Нормативная группа режима нагружения крана:", "L_GRKr");
    w.view("Планируемый режим нагружения крана:", "Label_RezPhA");
    w.view("Текущая группа режима работы крана:", "Label_RezhA");
    w.view("Класс использования:", "Label_KIspU");
    w.view("Режим нагружения:", "Label_RezhQ");
    w.view("Коэффициент распределения нагрузок:", "Label_KNag");
    w.view("Характеристическое число №1 (текущее):", "Edit_HarCh1");
    w.view("Характеристическое число №2 (текущее):", "Edit_HarCh2");
    w.view("Характеристическое число (нормативное):", "Label_NHarch");
    w.view("Ресурс до очередного капитального ремонта:", "L_KapRem");
    w.view("Год окончания срока службы крана:", "L_Srok");
    w.view("Общая наработка крана:", "L_TimeAll");

    w.heading("Время работы механизмов");
    w.view("Первая лебедка (суммарное):", "E_L1sec");
    w.view("Число включений первой лебедки:", "E_L1");
    w.view("Вторая  лебедка (суммарное):", "E_L2sec");
    w.view("Число включений второй лебедки:", "E_L2");
    w.view("Эл. двигатель передвижения тележки:", "E_Telez");
    w.view("Эл. двигатель передвижения крана:", "E_Kran");

    writeLoadBands(w, image);
    writeOverloads(w, image, point);
    writeFrames(w, image);

    w.heading("Настройки");
    w.field("Структура Parametr:",
            image.settings.checksumOk ? "контрольная сумма в норме" : "ошибка контрольной суммы");
    w.field("Реле V7 «Блокировка захвата»:",
            image.settings.relayV7Used() ? "используется" : "не используется");
    w.field("Реле V6 «Блокировка спадания каната»:",
            image.settings.relayV6Used() ? "используется" : "не используется");
    return w.take();
}

} // namespace valta9
