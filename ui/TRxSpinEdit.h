#pragma once
// The version field: free text of limited length whose text gives a number, with bounds for
// stepping and for leaving the field.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

namespace ui {

class TRxSpinEdit {
  public:
    // The settings of the form's version field.
    std::int32_t MinValue = 3;
    std::int32_t MaxValue = 9;
    std::int32_t Increment = 1;
    std::int32_t Value = 5;  // the initial value
    int MaxLength = 9;
    // Runs for every change of the text once the form is built.
    std::function<void()> OnChange;

    // Takes over the edit control and gives it its initial text; no change event runs.
    void Attach(HWND edit);
    HWND Handle() const { return edit_; }
    std::string Text() const;
    void SetText(const std::string& text);
    // The number the text gives, MinValue when the text is no number; never clamped.
    std::int32_t AsInteger() const;

    // The edit control's EN_CHANGE.
    void HandleChange();

  private:
    static LRESULT CALLBACK SubclassProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
    // WM_KILLFOCUS; next: the window that gets the focus.
    void OnKillFocus(HWND next);

    HWND edit_ = nullptr;
};

}  // namespace ui
