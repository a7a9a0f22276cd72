#include "TLabel.h"

#include "WindowText.h"

namespace ui {

std::string TLabel::Caption() const { return WindowText(label_); }

void TLabel::SetCaption(const std::string& caption) {
    SetWindowTextA(label_, caption.c_str());
    AutoSize();
}

void TLabel::AutoSize() {
    const std::string caption = Caption();
    HDC dc = GetDC(label_);
    const auto font = reinterpret_cast<HFONT>(SendMessageA(label_, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, font);
    RECT extent{0, 0, 0, 0};
    // An empty caption keeps the height of one line, as the designed label has.
    DrawTextA(dc, caption.empty() ? " " : caption.c_str(), -1, &extent,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    if (caption.empty()) extent.right = 0;
    SelectObject(dc, previous);
    ReleaseDC(label_, dc);
    SetWindowPos(label_, nullptr, 0, 0, extent.right - extent.left, extent.bottom - extent.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(GetParent(label_), nullptr, TRUE);
}

}  // namespace ui
