#include "cli/decimal_point.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <langinfo.h>
#include <locale.h>
#include <string_view>

namespace valta9 {

namespace {

// Languages whose numbers take a decimal comma, for locales this machine lacks.
constexpr std::array<std::string_view, 36> kCommaLanguages{
    "az", "be", "bg", "bs", "cs", "da", "de", "el", "es", "et", "fi", "fr",
    "hr", "hu", "hy", "id", "it", "ka", "kk", "ky", "lt", "lv", "mk", "nb",
    "nl", "nn", "no", "pl", "pt", "ro", "ru", "sk", "sl", "sr", "sv", "uk"};

std::string fromLanguage(std::string_view name) {
    const auto language = name.substr(0, name.find_first_of("_.@"));
    const bool comma = std::find(kCommaLanguages.begin(), kCommaLanguages.end(), language) !=
                       kCommaLanguages.end();
    return comma ? "," : ".";
}

std::string fromInstalledLocale(const std::string& name, bool& found) {
    found = false;
    locale_t loc = newlocale(LC_NUMERIC_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) {
        return {};
    }
    std::string point = nl_langinfo_l(RADIXCHAR, loc);
    freelocale(loc);
    found = !point.empty();
    return point;
}

} // namespace

LocaleEnvironment LocaleEnvironment::fromProcess() {
    const auto get = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    return {get("LC_ALL"), get("LC_NUMERIC"), get("LANG")};
}

std::string decimalPointFor(const LocaleEnvironment& env) {
    const std::string& name =
        !env.lcAll.empty() ? env.lcAll : (!env.lcNumeric.empty() ? env.lcNumeric : env.lang);
    if (name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0) {
        return ".";
    }
    bool found = false;
    std::string point = fromInstalledLocale(name, found);
    return found ? point : fromLanguage(name);
}

} // namespace valta9
