#include "FormHarness.h"

#include <gtest/gtest.h>

#include <chrono>

#include "KeyInput.h"
#include "WindowText.h"

namespace testing_support {

namespace {
// A key nothing in the program answers, sent after the input under test: once it has come
// through the queue, everything before it has been handled.
constexpr WORD kFlushKey = VK_F24;
constexpr DWORD kTimeoutMs = 10000;

// Flush keys retrieved by any message loop of this thread, the error box's modal loop
// included; counted by a message hook, as the box's loop never shows them to ours.
thread_local int flushKeysRetrieved = 0;

LRESULT CALLBACK CountFlushKeys(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_KEYUP &&
        message->wParam == kFlushKey) {
        ++flushKeysRetrieved;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

INPUT Key(WORD key, bool up) { return KeyInput(key, up); }

// The message box is a dialog with the text's static control 0xFFFF.
BOOL CALLBACK FindMessageBox(HWND window, LPARAM found) {
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (std::string(className) == "#32770" && IsWindowVisible(window) &&
        GetDlgItem(window, 0xFFFF) != nullptr) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

FormHarness::FormHarness() : FormHarness(realRegistry_) {}

FormHarness::FormHarness(store::RegistryApi& inner)
    : recording(std::make_unique<RecordingRegistry>(inner)),
      application(std::make_unique<ui::TApplication>(GetModuleHandleA(nullptr))),
      hook_(SetWindowsHookExA(WH_GETMESSAGE, &CountFlushKeys, nullptr, GetCurrentThreadId())) {
    application->Initialize();
    application->SetTitle("Orvedan");
}

FormHarness::~FormHarness() {
    form_.reset();
    UnhookWindowsHookEx(hook_);
    // The quit message the closed form posted ends nothing here.
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
}

void FormHarness::Start() {
    form_ = std::make_unique<ui::TMainFrm>(*application, *recording);
    application->ShowMainForm(*form_, SW_SHOWNORMAL);
    WaitFor([&] { return GetForegroundWindow() == form_->Handle(); });
}

bool FormHarness::WaitFor(const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kTimeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            application->Dispatch(message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
    return true;
}

void FormHarness::Settle() {
    const int target = flushKeysRetrieved + 1;
    Send({Key(kFlushKey, false), Key(kFlushKey, true)});
    if (!WaitFor([&] { return flushKeysRetrieved >= target; })) {
        ADD_FAILURE() << "the input sent was not handled within ten seconds";
    }
}

void FormHarness::Send(const std::vector<INPUT>& inputs) {
    std::vector<INPUT> copy = inputs;
    SendInput(static_cast<UINT>(copy.size()), copy.data(), sizeof(INPUT));
}

void FormHarness::Press(WORD key, std::vector<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (WORD modifier : modifiers) inputs.push_back(Key(modifier, false));
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it)
        inputs.push_back(Key(*it, true));
    Send(inputs);
    Settle();
}

void FormHarness::Type(const std::string& text) {
    for (const char c : text) {
        const SHORT scan = VkKeyScanA(c);
        std::vector<WORD> modifiers;
        if (scan & 0x100) modifiers.push_back(VK_SHIFT);
        Press(static_cast<WORD>(scan & 0xFF), modifiers);
    }
}

void FormHarness::Click(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    const int width = GetSystemMetrics(SM_CXSCREEN) - 1;
    const int height = GetSystemMetrics(SM_CYSCREEN) - 1;
    std::vector<INPUT> inputs(3);
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = ((rect.left + rect.right) / 2) * 65535 / width;
        input.mi.dy = ((rect.top + rect.bottom) / 2) * 65535 / height;
        input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    }
    inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
    inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
    Send(inputs);
    Settle();
}

HWND FormHarness::Control(int id) const { return GetDlgItem(form_->Handle(), id); }

std::string FormHarness::Text(int id) const { return ui::WindowText(Control(id)); }

ErrorBoxWatcher::ErrorBoxWatcher() : uiThread_(GetCurrentThreadId()) {
    thread_ = std::thread([this] {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < deadline) {
            HWND box = nullptr;
            EnumThreadWindows(uiThread_, &FindMessageBox, reinterpret_cast<LPARAM>(&box));
            if (box != nullptr) {
                caption = ui::WindowText(box);
                text = ui::WindowText(GetDlgItem(box, 0xFFFF));
                for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
                     child = GetWindow(child, GW_HWNDNEXT)) {
                    char className[32] = {};
                    GetClassNameA(child, className, sizeof className);
                    const LONG style = GetWindowLongA(child, GWL_STYLE);
                    if (std::string(className) == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
                        hasIcon = true;
                    }
                    if (std::string(className) == "Button" && IsWindowVisible(child)) ++buttons;
                }
                HWND owner = GetWindow(box, GW_OWNER);
                ownerDisabled = owner != nullptr && !IsWindowEnabled(owner);
                seen_ = true;
                PostMessageA(box, WM_COMMAND, IDOK, 0);
                return;
            }
            Sleep(20);
        }
    });
}

ErrorBoxWatcher::~ErrorBoxWatcher() {
    if (thread_.joinable()) thread_.join();
}

bool ErrorBoxWatcher::Join() {
    if (thread_.joinable()) thread_.join();
    return seen_;
}

}  // namespace testing_support
