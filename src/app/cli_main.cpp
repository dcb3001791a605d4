// Entry point of tavrel-cli.
#include <iostream>
#include <string>
#include <vector>

#include "app/cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return tavrel::cli::run(args, std::cout, std::cerr);
}
