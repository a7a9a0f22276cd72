#pragma once
// The folder field: a text box whose text is the folder path to store.

#include <windows.h>

#include <string>

namespace ui {

class TDirectoryEdit {
  public:
    void Attach(HWND edit) { edit_ = edit; }
    HWND Handle() const { return edit_; }
    std::string Text() const;
    void SetText(const std::string& text);

  private:
    HWND edit_ = nullptr;
};

}  // namespace ui
