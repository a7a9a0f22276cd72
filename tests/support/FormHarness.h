#pragma once
// The real configuration window in the test process: its own application object, the real
// registry of the prefix behind a recording registry, real keyboard input through SendInput,
// and a watcher that reads and dismisses the error box from another thread.

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "FMain.h"
#include "RecordingRegistry.h"
#include "TApplication.h"
#include "WinRegistryFixture.h"

namespace testing_support {

class FormHarness {
  public:
    FormHarness();
    // With another registry behind the form than the prefix's real one.
    explicit FormHarness(store::RegistryApi& inner);
    ~FormHarness();

    // Creates the form (hidden) and shows it as a normal start does.
    void Start();
    // Handles messages until done() holds; false after ten seconds.
    bool WaitFor(const std::function<bool()>& done);
    // Handles messages until all input sent so far has been handled.
    void Settle();

    // Real keystrokes: a virtual key with modifiers held, or text typed key by key.
    void Press(WORD key, std::vector<WORD> modifiers = {});
    void Type(const std::string& text);
    // A real left click in the middle of a control.
    void Click(HWND control);

    HWND Control(int id) const;
    std::string Text(int id) const;
    HWND Focus() const { return GetFocus(); }
    bool FormAlive() const { return form_ && form_->Handle() != nullptr; }

    WinRegistryFixture registry;
    std::unique_ptr<RecordingRegistry> recording;
    std::unique_ptr<ui::TApplication> application;
    std::unique_ptr<ui::TMainFrm> form_;

  private:
    void Send(const std::vector<INPUT>& inputs);
    store::WinRegistryApi realRegistry_;
    HHOOK hook_;
};

// Reads the error box of this thread and presses its OK button, from a thread of its own.
class ErrorBoxWatcher {
  public:
    ErrorBoxWatcher();
    ~ErrorBoxWatcher();
    // Waits for the watcher; true when a box was seen.
    bool Join();

    std::string caption;
    std::string text;
    bool hasIcon = false;
    int buttons = 0;
    bool ownerDisabled = false;

  private:
    DWORD uiThread_;
    std::thread thread_;
    std::atomic<bool> seen_{false};
};

}  // namespace testing_support
