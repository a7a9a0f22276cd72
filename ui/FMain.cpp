#include "FMain.h"

#include <stdexcept>

#include "FormLayout.h"
#include "PathStore.h"
#include "Resource.h"
#include "TApplication.h"

namespace ui {

namespace {

std::string LoadText(HINSTANCE instance, UINT id) {
    char buffer[512];
    const int length = LoadStringA(instance, id, buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool IsAltDown(const MSG& message) { return (message.lParam & (1 << 29)) != 0; }

}  // namespace

TMainFrm::TMainFrm(TApplication& application, store::RegistryApi& registry)
    : application_(application), registry_(registry) {
    HWND window = CreateDialogParamA(application_.Instance(), MAKEINTRESOURCEA(IDD_TMAINFRM),
                                     application_.Handle(), &TMainFrm::DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    // The dialog procedure took ownership of the window at WM_INITDIALOG.
    if (window == nullptr) throw std::runtime_error("Cannot create the main window");
    // Attached only now, so building the window runs no change event.
    EdWersja.OnChange = [this] { DataChange(); };
}

void TMainFrm::Show(int showCommand) {
    ShowWindow(window_.get(), showCommand);
    SetForegroundWindow(window_.get());
}

void TMainFrm::Close() {
    // Nothing objects to closing; the program ends with its main window.
    window_.reset();
}

void TMainFrm::FormActivate() { RefreshData(); }

void TMainFrm::RefreshData() { DataChange(); }

void TMainFrm::DataChange() {
    // Two reads, folder field first: a failing read leaves what it had not yet filled.
    EdPath.SetText(store::ReadPath(registry_, EdWersja.AsInteger()));
    PathLbl.SetCaption(store::ReadPath(registry_, EdWersja.AsInteger()));
}

void TMainFrm::UstawBtnClick() {
    const std::int32_t version = EdWersja.AsInteger();
    if (!store::WritePath(registry_, version, EdPath.Text())) {
        // Nothing was stored: say so and keep the user's text, rather than refresh it away.
        std::string text = LoadText(application_.Instance(), IDS_WRITE_DENIED);
        const auto at = text.find("%s");
        if (at != std::string::npos) text.replace(at, 2, store::VersionKeyPath(version));
        application_.ShowException(text);
        return;
    }
    RefreshData();
}

void TMainFrm::CloseBrnClick() { Close(); }

bool TMainFrm::PreTranslateMessage(const MSG& message) {
    if (!window_ || (message.hwnd != window_.get() && !IsChild(window_.get(), message.hwnd))) {
        return false;
    }
    return HandleAccelerator(message);
}

bool TMainFrm::HandleAccelerator(const MSG& message) {
    const HWND focus = GetFocus();
    const bool onButton = focus == GetDlgItem(window_.get(), IDC_USTAWBTN) ||
                          focus == GetDlgItem(window_.get(), IDC_CLOSEBRN);
    const bool plainKey = message.message == WM_KEYDOWN && GetKeyState(VK_CONTROL) >= 0;
    const bool altKey = message.message == WM_SYSKEYDOWN && IsAltDown(message);
    if (altKey || (plainKey && onButton)) {
        // The buttons' accelerators press them without moving the focus, so leaving a field
        // does not happen on the way.
        if (message.wParam == 'U') {
            Guarded(&TMainFrm::UstawBtnClick);
            return true;
        }
        if (message.wParam == 'Z') {
            Guarded(&TMainFrm::CloseBrnClick);
            return true;
        }
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        // No default button: Enter presses only a focused button and does nothing elsewhere.
        if (onButton) SendMessageA(focus, BM_CLICK, 0, 0);
        return true;
    }
    return false;
}

void TMainFrm::Guarded(void (TMainFrm::*handler)()) {
    try {
        (this->*handler)();
    } catch (const std::exception& error) {
        application_.ShowException(error.what());
    }
}

INT_PTR CALLBACK TMainFrm::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<TMainFrm*>(GetWindowLongPtrA(window, DWLP_USER));
    if (self == nullptr) return FALSE;
    if (message == WM_INITDIALOG) self->window_.reset(window);
    // No C++ exception may unwind through user32: an error that escapes a handler ends that
    // handler here and is shown in the application's error box.
    try {
        return self->HandleMessage(message, wParam, lParam);
    } catch (const std::exception& error) {
        self->application_.ShowException(error.what());
        return TRUE;
    }
}

INT_PTR TMainFrm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:  // lParam: this
            return OnInitDialog();
        case WM_ACTIVATE:  // LOWORD(wParam): WA_ state; lParam: the other window
            OnActivate(LOWORD(wParam));
            return FALSE;  // the dialog manager then puts the focus on the first field
        case WM_COMMAND:   // LOWORD(wParam): control id; HIWORD(wParam): notification
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_CLOSE:  // the close button, the system menu's Close, Alt+F4
            Close();
            return TRUE;
        case WM_DESTROY:
            PostQuitMessage(0);
            return TRUE;
        case WM_NCDESTROY:
            OnNcDestroy();
            return FALSE;
        default:
            (void)lParam;
            return FALSE;
    }
}

INT_PTR TMainFrm::OnInitDialog() {
    HWND window = window_.get();
    EdPath.Attach(GetDlgItem(window, IDC_EDPATH));
    EdWersja.Attach(GetDlgItem(window, IDC_EDWERSJA));
    PathLbl.Attach(GetDlgItem(window, IDC_PATHLBL));

    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);

    // The path label: the form's font in bold, with the Central European character set.
    LOGFONTA bold{};
    bold.lfHeight = -MulDiv(layout::kFontPoints, dpi, 72);
    bold.lfWeight = FW_BOLD;
    bold.lfCharSet = EASTEUROPE_CHARSET;
    lstrcpynA(bold.lfFaceName, "MS Sans Serif", LF_FACESIZE);
    boldFont_.reset(CreateFontIndirectA(&bold));
    SendMessageA(PathLbl.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_.get()), FALSE);

    ApplyLayout(dpi);
    TrimSystemMenu();
    return FALSE;  // the focus is set at the first activation
}

void TMainFrm::ApplyLayout(int dpi) {
    HWND window = window_.get();
    for (const layout::ControlLayout& control : layout::kControls) {
        const layout::Rect rect = layout::PlaceInForm(control, dpi);
        MoveWindow(GetDlgItem(window, control.id), rect.left, rect.top, rect.width, rect.height,
                   FALSE);
    }
    for (const int label : {IDC_PATHLBL, IDC_LABEL3, IDC_LABEL4, IDC_LABEL1}) {
        TLabel sized;
        sized.Attach(GetDlgItem(window, label));
        sized.AutoSize();
    }
    RECT frame{0, 0, layout::Scale(layout::kClientWidth, dpi),
               layout::Scale(layout::kClientHeight, dpi)};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
    // Where it was designed, on any screen density.
    SetWindowPos(window, nullptr, layout::kFormLeft, layout::kFormTop, frame.right - frame.left,
                 frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TMainFrm::TrimSystemMenu() {
    // A fixed dialog frame: Move and Close only.
    HMENU menu = GetSystemMenu(window_.get(), FALSE);
    for (const UINT command : {SC_RESTORE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE}) {
        DeleteMenu(menu, command, MF_BYCOMMAND);
    }
}

void TMainFrm::OnActivate(WORD state) {
    // The program has no other window of its own, so the form becomes the application's
    // active form once: the folder browser, an error box or another program never make it so
    // again.
    if (state == WA_INACTIVE || activated_) return;
    activated_ = true;
    FormActivate();
}

void TMainFrm::OnCommand(WORD id, WORD code) {
    switch (id) {
        case IDC_EDWERSJA:
            if (code == EN_CHANGE) EdWersja.HandleChange();
            break;
        case IDC_USTAWBTN:
            if (code == BN_CLICKED) UstawBtnClick();
            break;
        case IDC_CLOSEBRN:
            if (code == BN_CLICKED) CloseBrnClick();
            break;
        default:  // IDOK and IDCANCEL from Enter and Escape: nothing answers them
            break;
    }
}

void TMainFrm::OnNcDestroy() {
    SetWindowLongPtrA(window_.get(), DWLP_USER, 0);
    window_.release();
}

}  // namespace ui
