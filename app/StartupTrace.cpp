// The start-up trace: milliseconds from process creation to the end of each step,
// kept in memory while starting and written out in one go once the window shows.
#include "app/StartupTrace.h"

#ifdef ZUNO_STARTUP_TRACE
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zuno::app {
namespace {

struct Step {
    const char* name;
    double ms;
    SIZE_T workingSet;
};

std::vector<Step>& Steps() {
    static std::vector<Step> steps;
    return steps;
}

double SinceProcessCreated() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

}  // namespace

void TraceStep(const char* step) {
    PROCESS_MEMORY_COUNTERS memory{sizeof memory};
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    Steps().push_back({step, SinceProcessCreated(), memory.PeakWorkingSetSize});
}

void WriteStartupTrace() {
    wchar_t path[MAX_PATH * 4];
    std::wstring file(path, GetModuleFileNameW(nullptr, path, MAX_PATH * 4));
    file = file.substr(0, file.find_last_of(L"\\/") + 1) + L"zuno-startup-trace.txt";
    FILE* out = _wfopen(file.c_str(), L"w");
    if (!out) return;
    double previous = 0;
    std::fprintf(out, "%-34s %10s %10s %12s\n", "step", "at ms", "took ms", "peak KiB");
    for (const Step& s : Steps()) {
        std::fprintf(out, "%-34s %10.1f %10.1f %12zu\n", s.name, s.ms, s.ms - previous,
                     static_cast<size_t>(s.workingSet / 1024));
        previous = s.ms;
    }
    std::fclose(out);
}

}  // namespace zuno::app

#else

namespace zuno::app {
void TraceStep(const char*) {}
void WriteStartupTrace() {}
}  // namespace zuno::app

#endif
