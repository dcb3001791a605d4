// Entry point of tavrel-cli.
#include <ostream>

#include "cli/cli.h"
#include "platform/console.h"
#include "platform/program.h"

int main(int argc, char** argv) {
    std::ostream& out = tavrel::platform::standardOutput();
    const int code =
        tavrel::cli::run(tavrel::platform::utf8Arguments(argc, argv), out, tavrel::platform::standardError());
    out.flush();
    return code;
}
