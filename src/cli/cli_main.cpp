// Entry point of tavrel-cli.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "platform/program.h"

int main(int argc, char** argv) {
    return tavrel::cli::run(tavrel::platform::utf8Arguments(argc, argv), std::cout, std::cerr);
}
