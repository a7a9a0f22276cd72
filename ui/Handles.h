#pragma once
// Owners for the Windows handles the program creates: each closes its handle exactly once.

#include <objbase.h>
#include <windows.h>

#include <utility>

namespace ui {

template <typename Handle, typename Traits>
class Unique {
  public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    ~Unique() { reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Handle{});
        }
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Handle{}; }
    // Forgets the handle without closing it: for a window that Windows has destroyed.
    Handle release() { return std::exchange(handle_, Handle{}); }
    void reset(Handle handle = Handle{}) {
        if (handle_ != Handle{}) Traits::Close(handle_);
        handle_ = handle;
    }

  private:
    Handle handle_{};
};

struct FontTraits {
    static void Close(HFONT font) { DeleteObject(font); }
};
struct WindowTraits {
    static void Close(HWND window) { DestroyWindow(window); }
};

using UniqueFont = Unique<HFONT, FontTraits>;
using UniqueWindow = Unique<HWND, WindowTraits>;

// COM in single-threaded mode for the calling thread, for the shell's folder browser.
class ComInit {
  public:
    ComInit() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComInit() {
        if (initialised_) CoUninitialize();
    }
    ComInit(const ComInit&) = delete;
    ComInit& operator=(const ComInit&) = delete;

  private:
    bool initialised_;
};

}  // namespace ui
