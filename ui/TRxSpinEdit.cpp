#include "TRxSpinEdit.h"

#include <commctrl.h>

#include "SpinRules.h"
#include "VersionNumber.h"
#include "WindowText.h"

namespace ui {

void TRxSpinEdit::Attach(HWND edit) {
    edit_ = edit;
    SendMessageA(edit_, EM_LIMITTEXT, static_cast<WPARAM>(MaxLength), 0);
    SetText(std::to_string(Value));
    SetWindowSubclass(edit_, &TRxSpinEdit::SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK TRxSpinEdit::SubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
    switch (message) {
        case WM_KILLFOCUS: {  // wParam: the window that gets the focus
            const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
            reinterpret_cast<TRxSpinEdit*>(self)->OnKillFocus(reinterpret_cast<HWND>(wParam));
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(edit, &TRxSpinEdit::SubclassProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(edit, message, wParam, lParam);
}

void TRxSpinEdit::OnKillFocus(HWND next) {
    // Only leaving for another control of the same window clamps; switching to another
    // program does not. The change event of the replacement runs as for any other edit.
    if (next == nullptr || !IsChild(GetParent(edit_), next)) return;
    if (const auto clamped = ClampedOnLeave(Text(), MinValue, MaxValue)) SetText(*clamped);
}

std::string TRxSpinEdit::Text() const { return WindowText(edit_); }

void TRxSpinEdit::SetText(const std::string& text) { SetWindowTextA(edit_, text.c_str()); }

std::int32_t TRxSpinEdit::AsInteger() const { return VersionNumber(Text(), MinValue); }

void TRxSpinEdit::HandleChange() {
    if (OnChange) OnChange();
}

}  // namespace ui
