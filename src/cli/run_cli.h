#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/decimal_point.h"

namespace valta9 {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 2;

// The command-line tool: arguments without the program name; writes to `out` and `err` and
// returns the exit code.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const LocaleEnvironment& locale);

} // namespace valta9
