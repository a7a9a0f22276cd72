#include "TRxSpinEdit.h"

#include "VersionNumber.h"
#include "WindowText.h"

namespace ui {

void TRxSpinEdit::Attach(HWND edit) {
    edit_ = edit;
    SendMessageA(edit_, EM_LIMITTEXT, static_cast<WPARAM>(MaxLength), 0);
    SetText(std::to_string(Value));
}

std::string TRxSpinEdit::Text() const { return WindowText(edit_); }

void TRxSpinEdit::SetText(const std::string& text) { SetWindowTextA(edit_, text.c_str()); }

std::int32_t TRxSpinEdit::AsInteger() const { return VersionNumber(Text(), MinValue); }

void TRxSpinEdit::HandleChange() {
    if (OnChange) OnChange();
}

}  // namespace ui
