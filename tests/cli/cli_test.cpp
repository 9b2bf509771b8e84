#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <unistd.h>

#include "cli/decimal_point.h"
#include "cli/run_cli.h"
#include "sample_dump.h"

namespace valta9 {
namespace {

struct CliRun {
    int code;
    std::string out;
    std::string err;
};

class CliTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Each test runs in a process of its own under CTest, maybe beside the others.
        s_dir = std::filesystem::temp_directory_path() /
                ("valta9-cli-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(s_dir);
        const auto dump = sample::generateSampleDump(4301);
        std::ofstream(s_dir / "sample.drn", std::ios::binary)
            .write(reinterpret_cast<const char*>(dump.bytes.data()),
                   static_cast<std::streamsize>(dump.bytes.size()));
        std::ofstream(s_dir / "short.drn", std::ios::binary) << "not a dump";
    }
    static void TearDownTestSuite() { std::filesystem::remove_all(s_dir); }

    static std::string path(const char* name) { return (s_dir / name).string(); }

    static CliRun run(std::vector<std::string> args, LocaleEnvironment locale = {}) {
        std::ostringstream out;
        std::ostringstream err;
        const int code = runCli(args, out, err, locale);
        return {code, out.str(), err.str()};
    }

    static inline std::filesystem::path s_dir;
};

TEST_F(CliTest, ExitCodesAndMessages) {
    const struct {
        std::vector<std::string> args;
        int code;
        const char* errContains;
    } cases[] = {
        {{"show", path("sample.drn")}, 0, ""},
        {{"show", path("missing.drn")}, 2, "Файл не удальсь открыть!"},
        {{"views", path("short.drn")}, 2, "размер 10 байт, ожидается не менее 270337."},
        {{"select", path("sample.drn"), "--min-load", "5a"}, 2, "\"5a\" не является целым числом."},
        {{"select", path("sample.drn"), "--min-load", "-5"}, 0, ""},
        {{"show", "--help"}, 0, ""},
        {{"frobnicate"}, 2, ""},
        {{}, 2, ""},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args);
        EXPECT_EQ(r.code, c.code) << r.err;
        EXPECT_NE(r.err.find(c.errContains), std::string::npos) << r.err;
    }
}

TEST_F(CliTest, ShowJsonHoldsTheWholeModel) {
    const CliRun r = run({"show", path("sample.drn"), "--json"});
    ASSERT_EQ(r.code, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    for (const char* key : {"file", "size", "btp_version", "messages", "operator", "identification",
                            "counters", "duty", "overloads", "lifted_mass", "frames", "settings"}) {
        EXPECT_TRUE(j.contains(key)) << key;
    }
    EXPECT_EQ(j["size"], 270501);
    EXPECT_EQ(j["overloads"].size(), 100u);
    EXPECT_EQ(j["frames"].size(), 2048u);
    EXPECT_EQ(j["frames"][2047]["mark"], 175);
    EXPECT_EQ(j["frames"][0]["inputs"].get<std::string>().size(), 8u);
    EXPECT_EQ(j["counters"]["working_cycles"].size(), 15u);
    EXPECT_EQ(j["duty"]["bar_percent"].size(), 15u);
    EXPECT_EQ(j["lifted_mass"].size(), 2u);
    EXPECT_EQ(j["settings"]["listing"].size(), 121u);
    EXPECT_EQ(j["identification"]["commissioning_date"], "15.06.2006");
    EXPECT_EQ(j["identification"]["service_life_end_year"], 2031);
    // Masses read as the numbers they are, not their binary expansions.
    const double load = j["frames"][2047]["tare1_t"];
    EXPECT_EQ(load, 0.35);
}

TEST_F(CliTest, ViewsFollowTheDecimalSeparatorOfTheLocale) {
    const struct {
        std::vector<std::string> args;
        LocaleEnvironment locale;
        const char* point;
    } cases[] = {
        {{"views", path("sample.drn")}, {"", "", "ru_RU.UTF-8"}, ","},
        {{"views", path("sample.drn")}, {"", "", "C.UTF-8"}, "."},
        {{"views", path("sample.drn")}, {"", "de_DE.UTF-8", "en_US.UTF-8"}, ","},
        {{"views", path("sample.drn")}, {"en_GB.UTF-8", "", "ru_RU.UTF-8"}, "."},
        {{"views", path("sample.drn"), "--decimal-point", "."}, {"", "", "ru_RU.UTF-8"}, "."},
    };
    for (const auto& c : cases) {
        const CliRun r = run(c.args, c.locale);
        ASSERT_EQ(r.code, 0) << r.err;
        const auto j = nlohmann::json::parse(r.out);
        const std::string harCh = j["texts"]["Edit_HarCh1"];
        EXPECT_NE(harCh.find(c.point), std::string::npos) << harCh << " " << c.locale.lang;
        EXPECT_EQ(j["status"].size(), 3u);
        EXPECT_EQ(j["status"][1], path("sample.drn"));
        EXPECT_EQ(j["progress"].size(), 15u);
        EXPECT_EQ(j["settings"].size(), 121u);
        for (const char* shown : {"L_Sum0", "L_Sum1", "Label_MaxM1", "Label_MaxM2"}) {
            EXPECT_TRUE(j["visible"].contains(shown)) << shown;
        }
        for (const char* component : {"Edit_Name", "Edit_N_b140", "Edit_ON_10", "Label_KNag",
                                      "Label_Per_OtbZap", "Label_MaxM2", "L_Sum1"}) {
            EXPECT_TRUE(j["texts"].contains(component)) << component;
        }
    }
}

TEST_F(CliTest, SelectListsRingNumbersOfTheChosenFrames) {
    const CliRun all = run({"select", path("sample.drn")});
    ASSERT_EQ(all.code, 0) << all.err;
    const auto everything = nlohmann::json::parse(all.out);
    EXPECT_EQ(everything["count"], 2048);
    EXPECT_EQ(everything["numbers"][2047], 2047);

    const CliRun heavy = run({"select", path("sample.drn"), "--min-load", "100", "--limits"});
    const auto j = nlohmann::json::parse(heavy.out);
    EXPECT_EQ(j["count"], j["numbers"].size());
    EXPECT_GT(j["count"], 0);
    EXPECT_LT(j["count"], 2048);
}

TEST_F(CliTest, SummaryNamesThePages) {
    const CliRun r = run({"show", path("sample.drn")}, {"", "", "ru_RU.UTF-8"});
    ASSERT_EQ(r.code, 0);
    for (const char* heading :
         {"Информация об операторе", "Информация о кране и ограничителе", "Время работы механизмов",
          "Перегрузки", "Кадры", "Максимальная перегрузка первой лебедки произошла"}) {
        EXPECT_NE(r.out.find(heading), std::string::npos) << heading;
    }
}

} // namespace
} // namespace valta9
