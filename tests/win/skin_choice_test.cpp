// The skin menu on the real main window, with the program folder in a sandbox (also
// one named in Chinese): the entries and their order, the remembered package and its
// check mark, choosing an entry, broken and old packages, and a missing folder.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <mutex>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/MainModule.h"
#include "app/MainWindow.h"
#include "app/ProfileFile.h"
#include "winutil/WideText.h"
#include "forms/Application.h"
#include "skin/frames/SkinManage.h"
#include "skin/package/LzhEncoder.h"
#include "tests/win/ProgramUnderTest.h"
#include "tests/win/PumpMessages.h"
#include "tools/MessageForm.h"

namespace {

using namespace zuno;
using namespace zuno::forms;
using Bytes = std::vector<std::uint8_t>;

constexpr wchar_t kLoadFailed[] = L"皮肤资源加载失败！";

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// zuno.ini is a profile file in the ANSI code page.
std::string Ansi(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// A package whose definition names the skin, so that a load can be seen.
Bytes GoodPackage(const std::string& skinName) {
    return skin::WriteSkinPackage({{"skin.ini", Text("[TitlebarSkin]\nSkinName=" + skinName + "\n")}});
}

// Broken packages, each failing the load with an error of its own kind.
struct BrokenPackage {
    const wchar_t* file;
    Bytes bytes;
    const char* what;
};
std::vector<BrokenPackage> BrokenPackages() {
    return {
        {L"short.skn", {0x10, 0x00}, "shorter than the archive size"},
        {L"badbmp.skn",
         skin::WriteSkinPackage({{"skin.ini", Text("[TitlebarSkin]\nSkinName=half\n[Buttons]\nBitmap=b.bmp\n")},
                                 {"b.bmp", {'B', 'M', 1, 2}}}),
         "a bitmap member that is no BMP"},
    };
}

// A well-formed package of an older archive version: refused with the reader's own
// message, which is not a failed load.
Bytes OldVersionPackage() {
    Bytes archive = skin::BuildSkinArchive({{"skin.ini", Text("[TitlebarSkin]\nSkinName=old\n")}}, {});
    archive[0] = 0x1F;  // version 19999 instead of 20000 (0x4E20)
    return skin::PackSkinArchive(archive);
}

// Answers the standard message boxes this process shows (they would block the
// test), noting their texts.
class BoxAnswerer {
public:
    BoxAnswerer() : thread_([this] { Run(); }) {}
    ~BoxAnswerer() {
        stop_ = true;
        thread_.join();
    }
    std::vector<std::wstring> Texts() {
        std::lock_guard lock(mutex_);
        return texts_;
    }

private:
    void Run() {
        while (!stop_) {
            EnumWindows(Found, reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }
    static BOOL CALLBACK Found(HWND hwnd, LPARAM self) {
        auto* me = reinterpret_cast<BoxAnswerer*>(self);
        DWORD pid = 0;
        GetWindowThreadProcessId(hwnd, &pid);
        if (pid != GetCurrentProcessId() || !IsWindowVisible(hwnd) || wintest::ClassNameOf(hwnd) != L"#32770")
            return TRUE;
        std::lock_guard lock(me->mutex_);
        if (me->answered_.insert(hwnd).second) {
            me->texts_.push_back(wintest::MessageBoxText(hwnd));
            PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
        }
        return TRUE;
    }
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::set<HWND> answered_;
    std::vector<std::wstring> texts_;
    std::thread thread_;
};

struct Entry {
    std::wstring caption;
    bool checked;
    bool operator==(const Entry&) const = default;
};
void PrintTo(const Entry& e, std::ostream* os) { *os << app::Narrow(e.caption) << (e.checked ? " (checked)" : ""); }

// The main window in its own program folder. The message box exists only when
// asked for: during start-up it does not yet.
class SkinProgram {
public:
    explicit SkinProgram(const std::wstring& folderName) {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder = std::wstring(temp) + folderName + L"-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        wintest::RemoveTree(folder);
        CreateDirectoryW(folder.c_str(), nullptr);
        app = std::make_unique<TApplication>();
        app->Title = L"心理测试Mobix4.3";
        app->OnException = [this](const std::wstring& text) { errors.push_back(text); };
        app::exepath = folder;
        app::inipath = folder + L"zuno.ini";
        form = app->CreateForm<app::TForm1>();
        app::Form1 = form;
    }
    ~SkinProgram() {
        app.reset();
        tools::msg = nullptr;
        app::Form1 = nullptr;
        app::exepath.clear();
        app::inipath.clear();
        wintest::RemoveTree(folder);
    }
    void AddSkinFolder() { CreateDirectoryW((folder + L"skin").c_str(), nullptr); }
    void Put(const std::wstring& name, const Bytes& bytes) {
        AddSkinFolder();
        HANDLE f = CreateFileW((folder + L"skin\\" + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(f);
    }
    void Remember(const char* value) {
        app::ProfileFile ini(app::inipath);
        ini.Write("tool", "skin", value);
    }
    void StartUp() {
        app::ProfileFile ini(app::inipath);
        form->ChooseSkinAtStartup(ini);
        form->ShowForm();
    }
    void CreateMessageBox() {
        tools::msg = app->CreateForm<tools::Tmsg>();
        TNotifyEvent shown = tools::msg->OnShow;
        tools::msg->OnShow = [this, shown](TComponent* sender) {
            ++messagesShown;
            shown(sender);
        };
    }
    // The submenu as the native menu shows it.
    std::vector<Entry> Entries() const {
        std::vector<Entry> entries;
        HMENU menu = form->ChangeSkinMenu->Handle();
        for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
            wchar_t text[256] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
            MENUITEMINFOW info{sizeof info, MIIM_FTYPE | MIIM_STATE};
            GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
            EXPECT_TRUE(info.fType & MFT_RADIOCHECK) << "every entry is a radio entry";
            entries.push_back({text, (info.fState & MFS_CHECKED) != 0});
        }
        return entries;
    }
    // Chooses an entry as the user would: the menu command reaches the window.
    void Choose(const std::wstring& caption) {
        for (int i = 0; i < form->ChangeSkinMenu->Count(); ++i) {
            TMenuItem* item = form->ChangeSkinMenu->Items(i);
            if (item->Caption() != caption) continue;
            SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(item->Command(), 0), 0);
            return;
        }
        ADD_FAILURE() << "no entry " << app::Narrow(caption);
    }
    std::vector<std::string> Ini() const { return wintest::Lines(ReadAll(app::inipath)); }
    const skin::TSkinData& Skin() const { return *form->SkinData; }
    std::wstring SkinPath(const std::wstring& name) const { return folder + L"skin\\" + name; }

    static std::string ReadAll(const std::wstring& path) {
        HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (f == INVALID_HANDLE_VALUE) return {};
        std::string text(GetFileSize(f, nullptr), '\0');
        DWORD got = 0;
        ReadFile(f, text.data(), static_cast<DWORD>(text.size()), &got, nullptr);
        CloseHandle(f);
        return text;
    }

    std::wstring folder;
    std::unique_ptr<TApplication> app;
    app::TForm1* form = nullptr;
    std::vector<std::wstring> errors;
    int messagesShown = 0;
};

// Both a plain folder and one named in Chinese: package paths never pass through
// the ANSI code page.
const wchar_t* const kFolders[] = {L"zuno-skin", L"心理测试Mobix-皮肤"};

// The names the file system lists for "skin\*", in its own order.
std::vector<std::wstring> Enumerated(const std::wstring& skinFolder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((skinFolder + L"*").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE) return names;
    do names.push_back(fd.cFileName);
    while (FindNextFileW(h, &fd));
    FindClose(h);
    return names;
}

TEST(SkinChoice, MenuListsPlainPackagesInReverseEnumerationOrder) {
    for (const wchar_t* folderName : kFolders) {
        SCOPED_TRACE(app::Narrow(folderName));
        SkinProgram p(folderName);
        struct File {
            const wchar_t* name;
            DWORD attributes;  // 0: a folder
            const wchar_t* caption;  // null: not listed
        };
        const File files[] = {
            {L"Blue.skn", FILE_ATTRIBUTE_ARCHIVE, L"Blue"},
            {L"a.skn.skn", FILE_ATTRIBUTE_NORMAL, L"a.skn"},
            {L"只读.skn", FILE_ATTRIBUTE_READONLY, L"只读"},
            {L"R&B.skn", FILE_ATTRIBUTE_NORMAL, L"R&B"},
            {L".hidden.skn", FILE_ATTRIBUTE_HIDDEN, nullptr},
            {L"x.skn", 0, nullptr},
            {L"notes.txt", FILE_ATTRIBUTE_NORMAL, nullptr},
        };
        for (const File& f : files) {
            if (f.attributes == 0) {
                p.AddSkinFolder();
                CreateDirectoryW(p.SkinPath(f.name).c_str(), nullptr);
                continue;
            }
            p.Put(f.name, GoodPackage(app::Narrow(f.name)));
            SetFileAttributesW(p.SkinPath(f.name).c_str(), f.attributes);
        }
        p.Remember("blue.skn");
        p.StartUp();

        std::vector<Entry> expected;
        std::string listing;
        for (const std::wstring& name : Enumerated(p.SkinPath(L""))) {
            listing += app::Narrow(name) + " ";
            auto it = std::find_if(std::begin(files), std::end(files), [&](const File& f) { return name == f.name; });
            if (it != std::end(files) && it->caption) expected.insert(expected.begin(), {it->caption, false});
        }
        ASSERT_EQ(expected.size(), 4u) << "listed: " << listing;
        EXPECT_EQ(p.Entries(), expected) << "stored blue.skn checks no entry: the comparison respects case";
        for (int i = 0; i < p.form->ChangeSkinMenu->Count(); ++i)
            EXPECT_EQ(p.form->ChangeSkinMenu->Items(i)->Caption(), expected[static_cast<size_t>(i)].caption)
                << "the caption stays exactly as built";
        EXPECT_EQ(p.Skin().SkinName, "Blue.skn") << "the file system ignores case when loading";
        EXPECT_FALSE(p.Skin().NoSkin);
        EXPECT_TRUE(p.errors.empty());
    }
}

TEST(SkinChoice, ChoosingAnEntryLoadsItRemembersItAndMovesTheCheckMark) {
    for (const wchar_t* folderName : kFolders) {
        SCOPED_TRACE(app::Narrow(folderName));
        SkinProgram p(folderName);
        p.Put(L"Green.skn", GoodPackage("green"));
        p.Put(L"冬日.skn", GoodPackage("winter"));
        p.Put(L"a.skn.skn", GoodPackage("double"));
        p.Remember("Green.skn");
        p.CreateMessageBox();
        p.StartUp();
        ASSERT_EQ(p.Skin().SkinName, "green");
        struct Step {
            const wchar_t* choose;
            const char* skinName;
            const wchar_t* stored;
        };
        const Step steps[] = {
            {L"冬日", "winter", L"skin=冬日.skn"},
            {L"冬日", "winter", L"skin=冬日.skn"},  // the checked entry loads again
            {L"a.skn", "double", L"skin=a.skn.skn"},
            {L"Green", "green", L"skin=Green.skn"},
        };
        for (const Step& s : steps) {
            SCOPED_TRACE(app::Narrow(s.choose));
            p.Choose(s.choose);
            EXPECT_EQ(p.Skin().SkinName, s.skinName);
            EXPECT_EQ(p.Ini(), (std::vector<std::string>{"[tool]", Ansi(s.stored)}));
            for (const Entry& e : p.Entries()) EXPECT_EQ(e.checked, e.caption == s.choose) << app::Narrow(e.caption);
        }
        EXPECT_EQ(p.messagesShown, 0);
        EXPECT_TRUE(p.errors.empty());
    }
}

TEST(SkinChoice, BrokenPackageFromTheMenuShowsTheMessageOncePerAttempt) {
    SkinProgram p(L"zuno-skin-broken");
    p.Put(L"good.skn", GoodPackage("good"));
    for (const BrokenPackage& b : BrokenPackages()) p.Put(b.file, b.bytes);
    p.Remember("good.skn");
    p.CreateMessageBox();
    p.StartUp();
    ASSERT_EQ(p.Skin().SkinName, "good");
    int attempts = 0;
    for (const BrokenPackage& b : BrokenPackages()) {
        SCOPED_TRACE(b.what);
        const std::wstring caption = std::wstring(b.file).substr(0, wcslen(b.file) - 4);
        for (int again = 0; again < 2; ++again) {
            p.Choose(caption);
            EXPECT_EQ(p.messagesShown, ++attempts);
            EXPECT_TRUE(tools::msg->Visible());
            EXPECT_EQ(tools::msg->MessageLabel->Caption(), kLoadFailed);
            EXPECT_EQ(tools::msg->Caption(), L"更换皮肤");
            EXPECT_EQ(tools::msg->OKButton->Caption(), L"知道了");
            EXPECT_EQ(p.Ini(), (std::vector<std::string>{"[tool]", "skin=" + app::Narrow(b.file)}))
                << "the choice is remembered although the load failed";
            EXPECT_FALSE(p.Skin().NoSkin) << "the skin in use stays loaded";
            EXPECT_EQ(p.Skin().SkinName, "good");
            EXPECT_FALSE(p.form->Enabled()) << "the message box holds the main window";
            SendMessageW(tools::msg->OKButton->Handle(), BM_CLICK, 0, 0);
            EXPECT_TRUE(p.form->Enabled());
        }
    }
    EXPECT_TRUE(p.errors.empty()) << "no error box besides the program's own message";
    p.Choose(L"good");
    EXPECT_FALSE(p.Skin().NoSkin) << "the program goes on working";
    EXPECT_EQ(p.Skin().SkinName, "good");
    EXPECT_EQ(p.messagesShown, attempts);
}

// The frame's top band (caption, icon, title buttons, menu bar) as it is on screen.
std::vector<std::uint32_t> TopBand(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    POINT client{0, 0};
    ClientToScreen(window, &client);
    const int w = r.right - r.left, h = client.y - r.top;
    if (w <= 0 || h <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> band(pixels, pixels + static_cast<size_t>(w) * h);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return band;
}

// A shipped skin on screen, then every broken package from the menu: afterwards the
// caption with its icon and title buttons and the menu bar look exactly as before.
TEST(SkinChoice, BrokenPackageFromTheMenuLeavesTheFrameAsItWas) {
    SkinProgram p(L"zuno-skin-frame");
    for (const BrokenPackage& b : BrokenPackages()) p.Put(b.file, b.bytes);
    // A shipped skin, whose frame has bitmaps for every part.
    WIN32_FIND_DATAW shipped;
    HANDLE found = FindFirstFileW((wintest::ExeFolder() + L"skin\\*.skn").c_str(), &shipped);
    ASSERT_NE(found, INVALID_HANDLE_VALUE) << "no shipped skin beside the test";
    FindClose(found);
    ASSERT_TRUE(CopyFileW((wintest::ExeFolder() + L"skin\\" + shipped.cFileName).c_str(),
                          p.SkinPath(L"shipped.skn").c_str(), FALSE));
    p.Remember("shipped.skn");
    p.CreateMessageBox();
    p.StartUp();
    p.form->SkinData->SetActive(true);   // as the program's stored form data has it
    HWND window = p.form->Handle();
    SetForegroundWindow(window);
    wintest::PumpFor(*p.app, 600);
    ASSERT_EQ(SendMessageW(window, skin::frames::SKINMSG_QUERY, 0, 0), 1) << "the skin frames the window";
    const std::vector<std::uint32_t> before = TopBand(window);
    ASSERT_GT(before.size(), 100u);
    const std::string skinName = p.Skin().SkinName;
    for (const BrokenPackage& b : BrokenPackages()) {
        SCOPED_TRACE(b.what);
        p.Choose(std::wstring(b.file).substr(0, wcslen(b.file) - 4));
        ASSERT_TRUE(tools::msg->Visible());
        SendMessageW(tools::msg->OKButton->Handle(), BM_CLICK, 0, 0);
        SetForegroundWindow(window);
        wintest::PumpFor(*p.app, 600);   // past the manager's 250 ms command timer
        EXPECT_EQ(p.Skin().SkinName, skinName);
        EXPECT_FALSE(p.Skin().NoSkin);
        EXPECT_TRUE(TopBand(window) == before) << "the caption buttons or the menu bar changed";
    }
}

TEST(SkinChoice, OldPackageShowsOnlyTheReadersOwnMessage) {
    SkinProgram p(L"zuno-skin-old");
    p.Put(L"old.skn", OldVersionPackage());
    p.CreateMessageBox();
    p.StartUp();
    std::vector<std::wstring> boxes;
    {
        BoxAnswerer answerer;
        p.Choose(L"old");
        boxes = answerer.Texts();
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find(L"This is Older Skin File"), std::wstring::npos);
    EXPECT_EQ(p.messagesShown, 0) << "a refused version is no failed load";
    EXPECT_TRUE(p.Skin().NoSkin);
    EXPECT_EQ(p.Ini(), (std::vector<std::string>{"[tool]", "skin=old.skn"}));
    EXPECT_TRUE(p.errors.empty());
}

// At start-up the message box does not exist yet: a remembered package that fails is
// tried silently, and its entry still carries the check mark.
TEST(SkinChoice, BrokenRememberedPackageFailsSilentlyAtStartUp) {
    SkinProgram p(L"zuno-skin-start");
    p.Put(L"short.skn", BrokenPackages()[0].bytes);
    p.Remember("short.skn");
    p.StartUp();
    EXPECT_TRUE(p.Skin().NoSkin);
    EXPECT_EQ(p.Entries(), (std::vector<Entry>{{L"short", true}}));
    EXPECT_TRUE(p.errors.empty());
}

TEST(SkinChoice, MissingOrEmptyFolderGivesAnEmptySubmenu) {
    for (bool folder : {false, true}) {
        SCOPED_TRACE(folder ? "empty skin folder" : "no skin folder");
        SkinProgram p(L"zuno-skin-none");
        if (folder) p.AddSkinFolder();
        p.Remember("Blue.skn");
        p.StartUp();
        EXPECT_EQ(p.form->ChangeSkinMenu->Count(), 0);
        EXPECT_TRUE(p.Entries().empty());
        EXPECT_TRUE(p.Skin().NoSkin) << "a missing remembered package is ignored";
        EXPECT_TRUE(p.errors.empty());
    }
}

}  // namespace
