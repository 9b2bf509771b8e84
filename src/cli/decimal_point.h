#pragma once

#include <string>

namespace valta9 {

struct LocaleEnvironment {
    std::string lcAll;
    std::string lcNumeric;
    std::string lang;

    [[nodiscard]] static LocaleEnvironment fromProcess();
};

// The decimal separator of the user's numeric locale (LC_ALL, then LC_NUMERIC, then LANG).
// Where that locale is not installed on the machine, its language decides.
[[nodiscard]] std::string decimalPointFor(const LocaleEnvironment& env);

} // namespace valta9
