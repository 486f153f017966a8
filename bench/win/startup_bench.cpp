// Start-up time of zuno.exe: from process creation to the main window shown, with the
// sample database and with a large one (ZUNO_BENCH_DB), beside a bare Win32 window
// started the same way in the same run, the subjects taking turns in every round so
// that a change in the machine's load hits them alike. The skin's share: zuno.exe
// with its stored skin removed starts without any skin, and the skinned one is also
// timed until its main window wears its frame. Prints the median of several runs and
// the peak working set, and "RESULT name value" lines for perf-report.sh.
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
    double framedMs = -1;  // until the window had its skinned outline (a window region)
    double peakMiB = 0;    // peak working set when the window showed
};

// Time until a visible window of the class appears; the process is then ended.
Run TimeToWindow(const std::wstring& folder, const std::wstring& exe, const wchar_t* cls, bool skinned) {
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
    if (s.found && skinned) {
        HRGN probe = CreateRectRgn(0, 0, 0, 0);
        while (GetWindowRgn(s.found, probe) == ERROR && std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
            Sleep(1);
        if (GetWindowRgn(s.found, probe) != ERROR)
            run.framedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        DeleteObject(probe);
    }
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
    std::vector<double> times, framed, peaks;
    bool skinned = false;  // wears the skin: also timed until framed
};

BOOL CALLBACK CollectLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR out) {
    reinterpret_cast<std::vector<WORD>*>(out)->push_back(language);
    return TRUE;
}

// Removes the skin stored in a copy of zuno.exe: the program then starts unskinned.
bool RemoveStoredSkin(const std::wstring& exe) {
    std::vector<WORD> languages;
    if (HMODULE image = LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {
        EnumResourceLanguagesW(image, MAKEINTRESOURCEW(10), L"SKINSTREAM", CollectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        FreeLibrary(image);
    }
    HANDLE update = BeginUpdateResourceW(exe.c_str(), FALSE);
    if (!update || languages.empty()) return false;
    for (WORD language : languages) UpdateResourceW(update, MAKEINTRESOURCEW(10), L"SKINSTREAM", language, nullptr, 0);
    return EndUpdateResourceW(update, FALSE) != FALSE;
}

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
    // Start-up times scatter by a few per cent from run to run on a busy machine: more
    // rounds than the other benchmarks keep the medians' ratio steady.
    const int runs = 15;
    const std::wstring here = Folder();
    std::vector<Subject> subjects;
    subjects.push_back({"bare", "bare Win32 window", here, L"bare_window.exe", L"TBareWindow", {}, {}, {}});
    subjects.push_back({"sample", "zuno.exe, sample database", Stage(L"zuno-bench-sample", here + L"test.dll"),
                        L"zuno.exe", L"TForm1", {}, {}, {}, true});
    const std::wstring plain = Stage(L"zuno-bench-noskin", here + L"test.dll");
    if (RemoveStoredSkin(plain + L"zuno.exe"))
        subjects.push_back({"noskin", "zuno.exe, sample, no skin", plain, L"zuno.exe", L"TForm1", {}, {}, {}});
    else
        std::printf("could not remove the stored skin from a copy of zuno.exe\n");
    wchar_t big[MAX_PATH * 4];
    if (GetEnvironmentVariableW(L"ZUNO_BENCH_DB", big, MAX_PATH * 4)) {
        subjects.push_back({"large", "zuno.exe, large database", Stage(L"zuno-bench-large", big), L"zuno.exe",
                            L"TForm1", {}, {}, {}, true});
    } else {
        std::printf("set ZUNO_BENCH_DB to a large content database to time it too\n");
    }
    for (Subject& s : subjects) TimeToWindow(s.folder, s.exe, s.cls, s.skinned);  // warm-up; writes zuno.ini
    for (int i = 0; i < runs; ++i) {
        for (Subject& s : subjects) {
            const Run run = TimeToWindow(s.folder, s.exe, s.cls, s.skinned);
            s.times.push_back(run.ms);
            s.framed.push_back(run.framedMs);
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
    const Subject* skinned = nullptr;
    const Subject* unskinned = nullptr;
    for (const Subject& s : subjects) {
        if (std::string(s.key) == "sample") skinned = &s;
        if (std::string(s.key) == "noskin") unskinned = &s;
    }
    if (skinned && unskinned) {
        const double with = Median(skinned->times), without = Median(unskinned->times);
        const double framed = Median(skinned->framed);
        std::printf("skin's share: shown %.1f ms against %.1f ms without the skin (%.2f x); framed after %.1f ms "
                    "(%.2f x)\n",
                    with, without, with / without, framed, framed / without);
        std::printf("RESULT startup_noskin_ratio %.2f\nRESULT startup_framed_ms %.1f\n", with / without, framed);
    }
    return 0;
}
