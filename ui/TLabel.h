#pragma once
// A static text that sizes itself to its caption, in its own font.

#include <windows.h>

#include <string>

namespace ui {

class TLabel {
  public:
    void Attach(HWND label) { label_ = label; }
    HWND Handle() const { return label_; }
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Width and height to the caption's extent, keeping the top-left corner.
    void AutoSize();

  private:
    HWND label_ = nullptr;
};

}  // namespace ui
