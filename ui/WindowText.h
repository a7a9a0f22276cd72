#pragma once
// A window's text as an ANSI string.

#include <windows.h>

#include <string>

namespace ui {

std::string WindowText(HWND window);

}  // namespace ui
