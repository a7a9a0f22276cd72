#include "TDirectoryEdit.h"

#include "WindowText.h"

namespace ui {

std::string TDirectoryEdit::Text() const { return WindowText(edit_); }

void TDirectoryEdit::SetText(const std::string& text) { SetWindowTextA(edit_, text.c_str()); }

}  // namespace ui
