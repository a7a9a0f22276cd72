// The built Orvedan.exe as a black box: started as a user starts it, driven by real keyboard
// input from this process, its windows read from outside and the registry checked after.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "FormLayout.h"
#include "KeyInput.h"
#include "Resource.h"
#include "StoreCases.h"
#include "WinRegistryFixture.h"

namespace {

using testing_support::Sz;
using testing_support::WinRegistryFixture;

// The exe under test, named by ORVEDAN_PROGRAM; a Unix path is reached through drive Z:.
std::string ProgramPath() {
    char buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("ORVEDAN_PROGRAM", buffer, sizeof buffer);
    std::string path(buffer, length < sizeof buffer ? length : 0);
    if (!path.empty() && path.front() == '/') {
        for (char& c : path) c = c == '/' ? '\\' : c;
        path = "Z:" + path;
    }
    return path;
}

const std::string kKey = "Software\\Vorlen\\Bremolta\\";

bool WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Another process's control text: WM_GETTEXT, which GetWindowText does not send across.
std::string TextOf(HWND window) {
    char buffer[1024] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    return std::string(buffer, copied);
}

void Key(WORD key, bool up) {
    INPUT input = testing_support::KeyInput(key, up);
    SendInput(1, &input, sizeof input);
}

void Press(WORD key, WORD modifier = 0) {
    if (modifier) Key(modifier, false);
    Key(key, false);
    Key(key, true);
    if (modifier) Key(modifier, true);
}

void Type(const std::string& text) {
    for (const char c : text) {
        const SHORT scan = VkKeyScanA(c);
        Press(static_cast<WORD>(scan & 0xFF), (scan & 0x100) ? VK_SHIFT : 0);
    }
}

class Program {
  public:
    explicit Program(WORD showCommand = SW_SHOWNORMAL) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = showCommand;
        const std::string program = ProgramPath();
        std::string command = "\"" + program + "\"";
        started_ = CreateProcessA(program.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != FALSE;
        if (!started_) return;
        const bool minimised = showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_MINIMIZE ||
                               showCommand == SW_SHOWMINIMIZED;
        WaitFor([&] {
            form = FindWindowA("#32770", "Bremolta - konfiguracja");
            if (form == nullptr) return false;
            // A minimised start shows only the application's window, minimised.
            if (minimised) return IsIconic(GetWindow(form, GW_OWNER)) != FALSE;
            return IsWindowVisible(form) && GetForegroundWindow() == form;
        });
    }
    ~Program() {
        if (!started_) return;
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hThread);
        CloseHandle(process_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Running() const { return form != nullptr; }
    HWND Control(int id) const { return GetDlgItem(form, id); }
    std::string Text(int id) const { return TextOf(Control(id)); }
    bool Ended(DWORD* exitCode) const {
        if (WaitForSingleObject(process_.hProcess, 15000) != WAIT_OBJECT_0) return false;
        GetExitCodeProcess(process_.hProcess, exitCode);
        return true;
    }

    HWND form = nullptr;

  private:
    bool started_ = false;
    PROCESS_INFORMATION process_{};
};

RECT InClient(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

TEST(Program, StartsWithStoredPathStoresTypedPathAndEndsOnAltF4) {
    WinRegistryFixture registry;
    registry.PutValue(kKey + "5", "Sciezka", Sz(std::string("D:\\Program", 11)));
    Program program;
    ASSERT_TRUE(program.Running());
    EXPECT_TRUE(WaitFor([&] { return program.Text(IDC_PATHLBL) == "D:\\Program\\"; }));
    EXPECT_EQ(program.Text(IDC_EDPATH), "D:\\Program\\");
    EXPECT_EQ(program.Text(IDC_EDWERSJA), "5");
    // The application's hidden window owns the form and carries the title.
    EXPECT_EQ(TextOf(GetWindow(program.form, GW_OWNER)), "Orvedan");

    // The whole text is selected in the folder field, so typing replaces it.
    Type("D:\\Dane");
    ASSERT_TRUE(WaitFor([&] { return program.Text(IDC_EDPATH) == "D:\\Dane"; }));
    Press(VK_ESCAPE);  // does nothing: the next key still reaches the field
    Type("2");
    ASSERT_TRUE(WaitFor([&] { return program.Text(IDC_EDPATH) == "D:\\Dane2"; }));
    Press('U', VK_MENU);
    ASSERT_TRUE(WaitFor([&] { return program.Text(IDC_PATHLBL) == "D:\\Dane2\\"; }));
    const auto stored = registry.GetValue(kKey + "5", "Sciezka");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(std::string(stored->data.begin(), stored->data.end()),
              std::string("D:\\Dane2\\", 10));

    Press(VK_F4, VK_MENU);
    DWORD exitCode = 1;
    ASSERT_TRUE(program.Ended(&exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(Program, MinimisedStartReadsNothingUntilRestored) {
    WinRegistryFixture registry;
    registry.PutValue(kKey + "5", "Sciezka", Sz(std::string("D:\\Min", 7)));
    Program program(SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(program.Running());
    EXPECT_FALSE(IsWindowVisible(program.form));
    EXPECT_EQ(program.Text(IDC_PATHLBL), "PathLbl") << "no activation, no read";
    PostMessageA(GetWindow(program.form, GW_OWNER), WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitFor([&] { return program.Text(IDC_PATHLBL) == "D:\\Min\\"; }));
    EXPECT_TRUE(IsWindowVisible(program.form));
    EXPECT_EQ(program.Text(IDC_EDPATH), "D:\\Min\\");
}

TEST(Program, MaximisedStartShowsTheFormMaximised) {
    WinRegistryFixture registry;
    Program program(SW_SHOWMAXIMIZED);
    ASSERT_TRUE(program.Running());
    EXPECT_TRUE(IsZoomed(program.form));
}

TEST(Program, KeepsProportionsAt144Dpi) {
    WinRegistryFixture registry;
    HKEY desktop = nullptr;
    ASSERT_EQ(
        RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_ALL_ACCESS, &desktop),
        ERROR_SUCCESS);
    const DWORD dpi = 144;
    RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                   sizeof dpi);
    Program program;
    const DWORD designDpi = 96;
    RegSetValueExA(desktop, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&designDpi),
                   sizeof designDpi);
    RegCloseKey(desktop);
    ASSERT_TRUE(program.Running());

    RECT client;
    GetClientRect(program.form, &client);
    EXPECT_EQ(client.right, ui::layout::Scale(ui::layout::kClientWidth, 144));
    EXPECT_EQ(client.bottom, ui::layout::Scale(ui::layout::kClientHeight, 144));
    RECT outer;
    GetWindowRect(program.form, &outer);
    EXPECT_EQ(outer.left, ui::layout::kFormLeft) << "the screen position is not scaled";
    EXPECT_EQ(outer.top, ui::layout::kFormTop);
    for (const int id : {IDC_GROUPBOX1, IDC_EDPATH, IDC_EDWERSJA, IDC_USTAWBTN, IDC_CLOSEBRN}) {
        for (const auto& control : ui::layout::kControls) {
            if (control.id != id) continue;
            const auto expected = ui::layout::PlaceInForm(control, 144);
            const RECT rect = InClient(program.Control(id));
            EXPECT_EQ(rect.left, expected.left) << id;
            EXPECT_EQ(rect.top, expected.top) << id;
            EXPECT_EQ(rect.right - rect.left, expected.width) << id;
            EXPECT_EQ(rect.bottom - rect.top, expected.height) << id;
        }
    }
    // The labels' font grows with the density. "MS Sans Serif" is a bitmap font with a few
    // sizes only, so "Wersja programu" grows from 80 pixels by the next size's measure (104
    // under Wine), not by exactly half; it still ends inside the group box.
    const RECT label = InClient(program.Control(IDC_LABEL1));
    const RECT group = InClient(program.Control(IDC_GROUPBOX1));
    EXPECT_GT(label.right - label.left, 80);
    EXPECT_LT(label.right, group.right);
}

}  // namespace
