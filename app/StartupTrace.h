// Per-step start-up trace for finding where start-up time goes. Compiled in only
// when the build is configured with -DZUNO_STARTUP_TRACE=ON; otherwise both calls
// do nothing. The program takes no switches, so a user can never turn it on.
#pragma once

namespace zuno::app {

// Notes that `step` (a literal) has just ended, with the time since the process
// was created.
void TraceStep(const char* step);
// Writes the steps noted so far to zuno-startup-trace.txt beside the exe.
void WriteStartupTrace();

}  // namespace zuno::app
