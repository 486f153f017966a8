// Process and window helpers for the program-level Windows tests.
#include "tests/win/ProgramUnderTest.h"

#include <sqlite3.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

#include "winutil/WideText.h"

namespace zuno::wintest {

std::wstring ExeFolder() {
    wchar_t buf[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
    std::wstring path(buf, n);
    return path.substr(0, path.find_last_of(L"\\/") + 1);
}

Sandbox::Sandbox() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    folder_ = std::wstring(temp) + L"zuno-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
              std::to_wstring(++counter) + L"\\";
    CreateDirectoryW(folder_.c_str(), nullptr);
    for (const wchar_t* name : {L"zuno.exe", L"test.dll"}) {
        if (!CopyFileW((ExeFolder() + name).c_str(), (folder_ + name).c_str(), FALSE))
            throw std::runtime_error("cannot copy the program into the sandbox");
    }
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + name;
            // Read-only and hidden entries would refuse deletion.
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + L"\\");
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(folder.c_str());
}

Sandbox::~Sandbox() { RemoveTree(folder_); }

void Sandbox::WriteFile(const std::wstring& name, const std::string& bytes) const {
    std::ofstream out(std::filesystem::path(Path(name)), std::ios::binary);
    out << bytes;
}

std::string Sandbox::ReadFile(const std::wstring& name) const {
    std::ifstream in(std::filesystem::path(Path(name)), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Sandbox::Exists(const std::wstring& name) const {
    return GetFileAttributesW(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Sandbox::SetDatabaseVersion(const std::string& version) const {
    sqlite3* db = nullptr;
    sqlite3_open(app::Narrow(Path(L"test.dll")).c_str(), &db);
    sqlite3_stmt* st = nullptr;
    sqlite3_prepare_v2(db, "UPDATE softinfo SET information = ?1 WHERE rowid = (SELECT rowid FROM softinfo LIMIT 1 OFFSET 11)",
                       -1, &st, nullptr);
    sqlite3_bind_text(st, 1, version.c_str(), -1, SQLITE_TRANSIENT);
    const int rc = sqlite3_step(st);
    sqlite3_finalize(st);
    sqlite3_close(db);
    if (rc != SQLITE_DONE) throw std::runtime_error("cannot change the database version");
}

RunningProgram::RunningProgram(const Sandbox& sandbox) {
    STARTUPINFOW si{sizeof si};
    std::wstring command = L"\"" + sandbox.Path(L"zuno.exe") + L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, sandbox.Folder().c_str(),
                        &si, &pi_))
        throw std::runtime_error("cannot start zuno.exe");
}

RunningProgram::~RunningProgram() {
    if (Running()) {
        TerminateProcess(pi_.hProcess, 99);
        WaitForSingleObject(pi_.hProcess, 5000);
    }
    CloseHandle(pi_.hThread);
    CloseHandle(pi_.hProcess);
}

bool RunningProgram::Running() const { return WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

namespace {

struct Search {
    DWORD pid;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == s->pid && IsWindowVisible(hwnd) && ClassNameOf(hwnd) == s->className) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND RunningProgram::FindWindowOfClass(const wchar_t* className) const {
    Search s{pi_.dwProcessId, className};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND RunningProgram::WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < end) {
        if (HWND h = FindWindowOfClass(className)) {
            WaitUntilFramed(h);
            return h;
        }
        if (!Running()) return nullptr;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

void WaitUntilFramed(HWND window, std::chrono::milliseconds timeout) {
    // A skinned window is resized around its client area right after the frame is
    // attached; its window region is set once that is done.
    const auto start = std::chrono::steady_clock::now();
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    while (std::chrono::steady_clock::now() - start < timeout && IsWindow(window)) {
        const bool skinned = SendMessageW(window, 0x3504 /* SKINMSG_QUERY */, 0, 0) == 1;
        if (skinned && GetWindowRgn(window, probe) != ERROR) break;
        // A window the skin leaves alone is attached at its activation, or never.
        if (!skinned && std::chrono::steady_clock::now() - start > std::chrono::milliseconds(500)) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    DeleteObject(probe);
}

int RunningProgram::WaitForExit(std::chrono::milliseconds timeout) {
    if (WaitForSingleObject(pi_.hProcess, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(pi_.hProcess, &code);
    return static_cast<int>(code);
}

std::wstring WindowText(HWND hwnd) {
    wchar_t buf[1024];
    const int n = GetWindowTextW(hwnd, buf, 1024);
    return std::wstring(buf, n > 0 ? n : 0);
}

std::wstring ClassNameOf(HWND hwnd) {
    wchar_t buf[256];
    const int n = GetClassNameW(hwnd, buf, 256);
    return std::wstring(buf, n > 0 ? n : 0);
}

namespace {

struct ChildSearch {
    std::wstring text;
    const wchar_t* className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchChild(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<ChildSearch*>(lp);
    if (WindowText(hwnd) == s->text && (!s->className || _wcsicmp(ClassNameOf(hwnd).c_str(), s->className) == 0)) {
        s->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND FindChild(HWND parent, const std::wstring& text, const wchar_t* className) {
    ChildSearch s{text, className};
    EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

RECT ChildRect(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring MessageBoxText(HWND box) {
    // The message of a standard message box is its static control 0xFFFF.
    return WindowText(GetDlgItem(box, 0xFFFF));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

}  // namespace zuno::wintest
