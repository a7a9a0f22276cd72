#pragma once
// The application object: COM for the main thread, the hidden top-level window that carries
// the title, the taskbar button and the icon and owns the main form, the message loop and
// the error box for errors that escape an event handler.

#include <windows.h>

#include <string>

#include "Handles.h"

namespace ui {

class TMainFrm;

class TApplication {
  public:
    explicit TApplication(HINSTANCE instance);
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    void Initialize();
    void SetTitle(const std::string& title);
    const std::string& Title() const { return title_; }
    HINSTANCE Instance() const { return instance_; }
    HWND Handle() const { return window_.get(); }

    // Shows the main form as the launcher asked (a SW_ value) and runs the message loop
    // until the main form is closed. Returns the exit code.
    int Run(TMainFrm& mainForm, int showCommand);
    // Shows the hidden application window and the main form as the launcher asked.
    void ShowMainForm(TMainFrm& mainForm, int showCommand);
    // Handles the messages waiting now, as the loop would.
    void ProcessMessages();
    // One message, as the loop handles it: the form's own keys, the dialog manager, the rest.
    void Dispatch(MSG& message);
    // The error box: message (with the full-stop rule), the title as caption, stop icon, OK.
    void ShowException(const std::string& message);

  private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnSysCommand(WPARAM command, LPARAM lParam);

    HINSTANCE instance_;
    std::string title_;
    TMainFrm* mainForm_ = nullptr;
    ComInit com_;  // declared before the window: released after it
    UniqueWindow window_;
};

}  // namespace ui
