// Runs zuno.exe in a folder of its own and finds its windows, so that tests can read
// back what a user would see: window texts and places, files it writes, error boxes.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace zuno::wintest {

// The folder of the running test exe, with a trailing backslash.
std::wstring ExeFolder();

// A fresh folder holding a copy of zuno.exe and test.dll; removed at the end.
class Sandbox {
public:
    Sandbox();
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;
    const std::wstring& Folder() const { return folder_; }
    std::wstring Path(const std::wstring& name) const { return folder_ + name; }
    void WriteFile(const std::wstring& name, const std::string& bytes) const;
    std::string ReadFile(const std::wstring& name) const;
    bool Exists(const std::wstring& name) const;
    // Sets softinfo record 12 (the database version) of the copied database.
    void SetDatabaseVersion(const std::string& version) const;

private:
    std::wstring folder_;
};

class RunningProgram {
public:
    explicit RunningProgram(const Sandbox& sandbox);
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // A visible top-level window of this process with the class name, waiting up to
    // `timeout` for it; null when none appears.
    HWND WaitForWindow(const wchar_t* className, std::chrono::milliseconds timeout = std::chrono::seconds(15));
    HWND FindWindowOfClass(const wchar_t* className) const;
    // Waits for the process to end; its exit code, or -1 on time-out.
    int WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(15));
    bool Running() const;
    DWORD ProcessId() const { return pi_.dwProcessId; }

private:
    PROCESS_INFORMATION pi_{};
};

// Waits until a window of the program wears its skin frame at its final size (its
// window region is set), or the time is up (a window that stays plain).
void WaitUntilFramed(HWND window, std::chrono::milliseconds timeout = std::chrono::seconds(3));

// Deletes a folder (with a trailing backslash) and everything in it.
void RemoveTree(const std::wstring& folder);
std::wstring WindowText(HWND hwnd);
std::wstring ClassNameOf(HWND hwnd);
// The child window with this exact text (and class, if given), or null.
HWND FindChild(HWND parent, const std::wstring& text, const wchar_t* className = nullptr);
// Client-relative rectangle of a child window inside its parent.
RECT ChildRect(HWND child);
// The message text of a standard message box.
std::wstring MessageBoxText(HWND box);
std::vector<std::string> Lines(const std::string& text);

}  // namespace zuno::wintest
