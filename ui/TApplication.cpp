#include "TApplication.h"

#include "ErrorText.h"
#include "FMain.h"

namespace ui {

namespace {
constexpr char kWindowClass[] = "TApplication";
constexpr char kIconName[] = "MAINICON";
}  // namespace

TApplication::TApplication(HINSTANCE instance) : instance_(instance) {}

void TApplication::Initialize() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &TApplication::WindowProc;
    windowClass.hInstance = instance_;
    windowClass.hIcon = LoadIconA(instance_, kIconName);
    windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.lpszClassName = kWindowClass;
    RegisterClassA(&windowClass);  // fails harmlessly when a test made it already

    // A window of no size in the middle of the screen: it only carries the taskbar button
    // and owns the dialog, which therefore has no taskbar button of its own.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    window_.reset(
        CreateWindowExA(0, kWindowClass, title_.c_str(),
                        WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS, x, y,
                        0, 0, nullptr, nullptr, instance_, this));
}

void TApplication::SetTitle(const std::string& title) {
    title_ = title;
    if (window_) SetWindowTextA(window_.get(), title_.c_str());
}

int TApplication::Run(TMainFrm& mainForm, int showCommand) {
    ShowMainForm(mainForm, showCommand);
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) Dispatch(message);
    mainForm_ = nullptr;
    return static_cast<int>(message.wParam);
}

void TApplication::ShowMainForm(TMainFrm& mainForm, int showCommand) {
    mainForm_ = &mainForm;
    const bool minimised = showCommand == SW_SHOWMINIMIZED || showCommand == SW_MINIMIZE ||
                           showCommand == SW_SHOWMINNOACTIVE || showCommand == SW_FORCEMINIMIZE;
    if (minimised) {
        // Only the taskbar button until the user restores the program (OnSysCommand).
        ShowWindow(window_.get(), SW_SHOWMINNOACTIVE);
    } else {
        ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
        mainForm.Show(showCommand == SW_SHOWMAXIMIZED ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
    }
}

void TApplication::ProcessMessages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Dispatch(message);
    }
}

void TApplication::Dispatch(MSG& message) {
    if (mainForm_ != nullptr && mainForm_->PreTranslateMessage(message)) return;
    if (mainForm_ != nullptr && mainForm_->Handle() != nullptr &&
        IsDialogMessageA(mainForm_->Handle(), &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void TApplication::ShowException(const std::string& message) {
    // Owned by the active window of ours, so the program's windows stay disabled while the
    // box is open and that window is active again afterwards.
    HWND owner = GetActiveWindow();
    if (owner == nullptr) owner = window_.get();
    MessageBoxA(owner, ErrorText(message).c_str(), title_.c_str(), MB_OK | MB_ICONERROR);
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (self != nullptr && message == WM_SYSCOMMAND) {
        try {
            return self->OnSysCommand(wParam, lParam);
        } catch (const std::exception& error) {
            self->ShowException(error.what());
            return 0;
        }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT TApplication::OnSysCommand(WPARAM command, LPARAM lParam) {
    switch (command & 0xFFF0) {
        case SC_CLOSE:  // Close in the taskbar button's menu
            if (mainForm_ != nullptr) mainForm_->Close();
            return 0;
        case SC_RESTORE:
            DefWindowProcA(window_.get(), WM_SYSCOMMAND, command, lParam);
            if (mainForm_ != nullptr && !IsWindowVisible(mainForm_->Handle())) {
                mainForm_->Show(SW_SHOWNORMAL);
            }
            return 0;
        default:
            return DefWindowProcA(window_.get(), WM_SYSCOMMAND, command, lParam);
    }
}

}  // namespace ui
