// The result log on disk: created in the current working directory under a name
// that never replaces an earlier log, each entry flushed as soon as it is written,
// so that a crash or a kill loses nothing already logged.
#include <windows.h>

#include <optional>
#include <stdexcept>

#include "app/MainWindow.h"
#include "app/ProfileFile.h"
#include "app/MainModule.h"
#include "runner/core/ResultLog.h"
#include "winutil/WideText.h"

namespace zuno::app {

namespace {

HANDLE resultlog = INVALID_HANDLE_VALUE;  // open exactly while logging is on
std::optional<runner::ClockRandom> logRandom;

bool FileExists(const std::string& name) {
    return GetFileAttributesW(Widen(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

void TForm1::OpenResultLog(runner::LogStart start) {
    CloseResultLog();
    // Seeded from the clock when logging starts with the program; the menu goes on
    // with the same generator.
    if (start == runner::LogStart::WithProgram || !logRandom) logRandom.emplace();
    const std::uint32_t drawn = runner::DrawLogNumber(start, [](std::uint32_t bound) { return (*logRandom)(bound); });
    for (std::uint32_t n = drawn;; ++n) {
        const std::optional<std::string> name = runner::ChooseLogFileName(n, FileExists);
        if (!name) throw std::runtime_error("无法创建测试结果记录文件：没有可用的文件名");
        // CREATE_NEW: a file that appeared since the check is still never replaced.
        resultlog = CreateFileW(Widen(*name).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (resultlog != INVALID_HANDLE_VALUE) return;
        if (GetLastError() != ERROR_FILE_EXISTS) throw std::runtime_error("无法创建测试结果记录文件 " + *name);
    }
}

void TForm1::CloseResultLog() {
    if (resultlog == INVALID_HANDLE_VALUE) return;
    FlushFileBuffers(resultlog);
    CloseHandle(resultlog);
    resultlog = INVALID_HANDLE_VALUE;
}

bool TForm1::ResultLogOpen() const { return resultlog != INVALID_HANDLE_VALUE; }

void TForm1::writeresult() {
    if (resultlog == INVALID_HANDLE_VALUE) return;
    const std::string bytes = runner::ResultLogEntryBytes(runState, Narrow(Label1->Caption()));
    DWORD written = 0;
    if (!WriteFile(resultlog, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size())
        throw std::runtime_error("写入测试结果记录文件失败");
    FlushFileBuffers(resultlog);
}

void TForm1::N3Click() {
    N3->SetChecked(!N3->Checked());
    if (N3->Checked()) {
        WriteToolSetting(inipath, "record", "1");
        OpenResultLog(runner::LogStart::FromMenu);
    } else {
        CloseResultLog();
        WriteToolSetting(inipath, "record", "0");
    }
}

}  // namespace zuno::app
