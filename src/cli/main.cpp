#include <iostream>

#include "cli/run_cli.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return valta9::runCli(args, std::cout, std::cerr, valta9::LocaleEnvironment::fromProcess());
}
