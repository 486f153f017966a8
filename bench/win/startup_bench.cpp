// Start-up time of zuno.exe: from process creation to the main window shown, with the
// sample database and with a large one (ZUNO_BENCH_DB), beside a bare Win32 window
// started the same way in the same run, the three taking turns in every round so
// that a change in the machine's load hits them alike. Prints the median of several
// runs and the peak working set, and "RESULT name value" lines for perf-report.sh.
#include <windows.h>
#include <psapi.h>

#include "bench/win/BenchUtil.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

using namespace zuno::bench;

namespace {


struct Search {
    DWORD pid;
    const wchar_t* cls;
    HWND found;
};

BOOL CALLBACK Match(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    wchar_t cls[64];
    GetWindowThreadProcessId(h, &pid);
    GetClassNameW(h, cls, 64);
    if (pid == s->pid && IsWindowVisible(h) && wcscmp(cls, s->cls) == 0) {
        s->found = h;
        return FALSE;
    }
    return TRUE;
}

struct Run {
    double ms = -1;
    double peakMiB = 0;  // peak working set when the window showed
};

// Time until a visible window of the class appears; the process is then ended.
Run TimeToWindow(const std::wstring& folder, const std::wstring& exe, const wchar_t* cls) {
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + folder + exe + L"\"";
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return {};
    Search s{pi.dwProcessId, cls, nullptr};
    while (!s.found && std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
        EnumWindows(Match, reinterpret_cast<LPARAM>(&s));
        if (!s.found) Sleep(2);
    }
    Run run;
    run.ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    PROCESS_MEMORY_COUNTERS memory{sizeof memory};
    if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory))
        run.peakMiB = static_cast<double>(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
    if (s.found) PostMessageW(s.found, WM_KEYDOWN, VK_ESCAPE, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (!s.found) run.ms = -1;
    return run;
}

struct Subject {
    const char* key;    // name in the RESULT lines
    const char* label;
    std::wstring folder, exe;
    const wchar_t* cls;
    std::vector<double> times, peaks;
};

// A folder with zuno.exe and the given database as test.dll, so settings stay apart.
std::wstring Stage(const std::wstring& name, const std::wstring& database) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + name + L"\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW((Folder() + L"zuno.exe").c_str(), (folder + L"zuno.exe").c_str(), FALSE);
    CopyFileW(database.c_str(), (folder + L"test.dll").c_str(), FALSE);
    DeleteFileW((folder + L"zuno.ini").c_str());
    return folder;
}

}  // namespace

int wmain() {
    const int runs = 7;
    const std::wstring here = Folder();
    std::vector<Subject> subjects;
    subjects.push_back({"bare", "bare Win32 window", here, L"bare_window.exe", L"TBareWindow", {}, {}});
    subjects.push_back({"sample", "zuno.exe, sample database", Stage(L"zuno-bench-sample", here + L"test.dll"),
                        L"zuno.exe", L"TForm1", {}, {}});
    wchar_t big[MAX_PATH * 4];
    if (GetEnvironmentVariableW(L"ZUNO_BENCH_DB", big, MAX_PATH * 4)) {
        subjects.push_back({"large", "zuno.exe, large database", Stage(L"zuno-bench-large", big), L"zuno.exe",
                            L"TForm1", {}, {}});
    } else {
        std::printf("set ZUNO_BENCH_DB to a large content database to time it too\n");
    }
    for (Subject& s : subjects) TimeToWindow(s.folder, s.exe, s.cls);  // warm-up; writes zuno.ini
    for (int i = 0; i < runs; ++i) {
        for (Subject& s : subjects) {
            const Run run = TimeToWindow(s.folder, s.exe, s.cls);
            s.times.push_back(run.ms);
            s.peaks.push_back(run.peakMiB);
        }
    }
    const double bare = Median(subjects.front().times);
    for (const Subject& s : subjects) {
        const double ms = Median(s.times);
        std::printf("%-28s %8.1f ms  (%.2f x bare)  peak working set %6.1f MiB\n", s.label, ms, ms / bare,
                    Median(s.peaks));
        std::printf("RESULT startup_%s_ms %.1f\nRESULT startup_%s_peak_mib %.1f\n", s.key, ms, s.key,
                    Median(s.peaks));
    }
    return 0;
}
