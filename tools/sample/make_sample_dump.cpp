#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>

#include "sample_dump.h"

// Writes a generated dump file; the build makes the sample the README opens with it.
int main(int argc, char** argv) {
    CLI::App app{"Генератор правдоподобных дампов РП ВАЛТА-9 для проверки программы"};
    std::uint32_t seed = 1;
    std::string out;
    app.add_option("--seed", seed, "Зерно: одно и то же зерно дает один и тот же дамп")
        ->capture_default_str();
    app.add_option("--out", out, "Файл дампа (*.drn)")->required();
    CLI11_PARSE(app, argc, argv);

    const auto dump = valta9::sample::generateSampleDump(seed);
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(dump.bytes.data()),
               static_cast<std::streamsize>(dump.bytes.size()));
    file.close();
    if (!file) {
        std::cerr << "Не удалось записать файл " << out << '\n';
        return 2;
    }
    return 0;
}
