// Small helpers shared by the Windows measurements: the exe's folder, elapsed
// milliseconds and the median of repeated runs.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace zuno::bench {

using Clock = std::chrono::steady_clock;

// The folder of the running exe, with a trailing backslash.
inline std::wstring Folder() {
    wchar_t buf[MAX_PATH * 4];
    std::wstring path(buf, GetModuleFileNameW(nullptr, buf, MAX_PATH * 4));
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

inline double Ms(Clock::time_point from) {
    return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace zuno::bench
