// Whether the program's standard error goes to a terminal, where a progress bar may be drawn.
#pragma once

namespace tavrel::platform {

// True when standard error is a terminal (not a file or a pipe).
bool standardErrorIsTerminal();

}  // namespace tavrel::platform
