#include "cli/run_cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <memory>

#include "cli/json_output.h"
#include "cli/summary.h"
#include "image/loaded_image.h"
#include "presentation/frame_selection.h"

namespace valta9 {

namespace {

struct CommonOptions {
    std::string file;
    std::string decimalPoint;
};

void addCommon(CLI::App& command, CommonOptions& options) {
    command.add_option("FILE", options.file, "Файл дампа РП (*.drn)")->required();
    command.add_option("--decimal-point", options.decimalPoint,
                       "Десятичный разделитель в текстах (по умолчанию из локали пользователя)");
}

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \n");
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

} // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const LocaleEnvironment& locale) {
    CLI::App app{"valta9-cli: анализ дампов регистратора параметров ВАЛТА-9", "valta9-cli"};
    app.require_subcommand(1);

    CommonOptions show;
    bool json = false;
    auto* showCommand = app.add_subcommand("show", "Сводка по дампу: идентификация, счетчики, "
                                                   "режим работы, перегрузки, кадры");
    addCommon(*showCommand, show);
    showCommand->add_flag("--json", json, "Вся расшифровка дампа в формате JSON");

    CommonOptions views;
    auto* viewsCommand = app.add_subcommand(
        "views", "Тексты главного окна сразу после открытия дампа, в формате JSON");
    addCommon(*viewsCommand, views);

    CommonOptions select;
    std::string minLoad = "0";
    FrameCriteria criteria;
    auto* selectCommand =
        app.add_subcommand("select", "Отбор кадров, как кнопкой «Найти», в формате JSON");
    addCommon(*selectCommand, select);
    selectCommand->add_option("--min-load", minLoad, "Загрузка M% >= M (целое число)")
        ->capture_default_str();
    selectCommand->add_flag("--faults", criteria.faultsOnly, "Только кадры с кодом отказа");
    selectCommand->add_flag("--limits", criteria.limitsOnly,
                            "Только кадры, где сработало ограничение");

    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e, out, err);
        return code == 0 ? kExitOk : kExitFailure;
    }

    const CommonOptions& chosen =
        showCommand->parsed() ? show : (viewsCommand->parsed() ? views : select);
    const std::string point =
        chosen.decimalPoint.empty() ? decimalPointFor(locale) : chosen.decimalPoint;

    if (selectCommand->parsed()) {
        const auto threshold = parseInteger(minLoad);
        if (!threshold) {
            err << "valta9-cli: --min-load: " << notAnIntegerMessage(minLoad) << '\n';
            return kExitFailure;
        }
        criteria.minLoad = *threshold;
    }

    auto image = std::make_unique<LoadedImage>();
    const OpenReport report = OpenDump(chosen.file, *image);
    if (!report.opened()) {
        err << "valta9-cli: " << chosen.file << ": " << trimmed(report.error) << '\n';
        return kExitFailure;
    }

    if (showCommand->parsed()) {
        if (json) {
            out << modelJson(*image, report, point).dump(2) << '\n';
        } else {
            out << summaryText(*image, report, point);
        }
    } else if (viewsCommand->parsed()) {
        out << viewsJson(*image, report, point).dump(2) << '\n';
    } else {
        out << selectionJson(SelectFrames(image->frames, criteria)).dump(2) << '\n';
    }
    return kExitOk;
}

} // namespace valta9
