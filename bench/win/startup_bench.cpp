// Start-up time of zuno.exe: from process creation to the main window shown, with the
// sample database and with a large one (ZUNO_BENCH_DB), beside a bare Win32 window
// started the same way in the same run. Prints the median of several runs.
#include <windows.h>

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

// Milliseconds until a visible window of the class appears; the process is then ended.
double TimeToWindow(const std::wstring& folder, const std::wstring& exe, const wchar_t* cls) {
    STARTUPINFOW si{sizeof si};
    PROCESS_INFORMATION pi{};
    std::wstring cmd = L"\"" + folder + exe + L"\"";
    const auto start = std::chrono::steady_clock::now();
    if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &pi))
        return -1;
    Search s{pi.dwProcessId, cls, nullptr};
    while (!s.found && std::chrono::steady_clock::now() - start < std::chrono::seconds(60)) {
        EnumWindows(Match, reinterpret_cast<LPARAM>(&s));
        if (!s.found) Sleep(2);
    }
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (s.found) PostMessageW(s.found, WM_KEYDOWN, VK_ESCAPE, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return s.found ? ms : -1;
}


double Measure(const std::wstring& folder, const std::wstring& exe, const wchar_t* cls, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) times.push_back(TimeToWindow(folder, exe, cls));
    return Median(times);
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
    const int runs = 7;
    const std::wstring here = Folder();
    const double bare = Measure(here, L"bare_window.exe", L"TBareWindow", runs);
    std::printf("bare Win32 window:           %8.1f ms\n", bare);
    const std::wstring sample = Stage(L"zuno-bench-sample", here + L"test.dll");
    TimeToWindow(sample, L"zuno.exe", L"TForm1");  // first run writes zuno.ini
    const double small = Measure(sample, L"zuno.exe", L"TForm1", runs);
    std::printf("zuno.exe, sample database:   %8.1f ms  (%.2f x bare)\n", small, small / bare);
    wchar_t big[MAX_PATH * 4];
    if (GetEnvironmentVariableW(L"ZUNO_BENCH_DB", big, MAX_PATH * 4)) {
        const std::wstring folder = Stage(L"zuno-bench-large", big);
        TimeToWindow(folder, L"zuno.exe", L"TForm1");
        const double large = Measure(folder, L"zuno.exe", L"TForm1", runs);
        std::printf("zuno.exe, large database:    %8.1f ms  (%.2f x bare)\n", large, large / bare);
    } else {
        std::printf("set ZUNO_BENCH_DB to a large content database to time it too\n");
    }
    return 0;
}
