#pragma once
// The window's layout as designed at 96 pixels per inch, and its scaling to other densities.

#include "Resource.h"

namespace ui::layout {

struct Rect {
    int left;
    int top;
    int width;
    int height;
    bool operator==(const Rect& other) const {
        return left == other.left && top == other.top && width == other.width &&
               height == other.height;
    }
};

constexpr int kDesignDpi = 96;

// The form: outer top-left corner on the screen (never scaled) and the client area.
constexpr int kFormLeft = 158;
constexpr int kFormTop = 274;
constexpr int kClientWidth = 548;
constexpr int kClientHeight = 124;
constexpr int kFontPoints = 8;  // "MS Sans Serif", height -11 at 96 dpi

struct ControlLayout {
    int id;
    bool inGroupBox;  // position relative to GroupBox1, else to the form
    Rect rect;
};

constexpr Rect kGroupBox1{8, 11, 431, 107};

constexpr ControlLayout kControls[] = {
    {IDC_GROUPBOX1, false, kGroupBox1},       {IDC_PATHLBL, true, {10, 60, 44, 13}},
    {IDC_LABEL3, true, {10, 17, 38, 13}},     {IDC_LABEL4, true, {10, 87, 401, 13}},
    {IDC_LABEL1, true, {343, 17, 80, 13}},    {IDC_EDPATH, true, {10, 33, 331, 21}},
    {IDC_EDWERSJA, true, {346, 32, 76, 21}},  {IDC_USTAWBTN, false, {451, 16, 80, 25}},
    {IDC_CLOSEBRN, false, {451, 48, 80, 25}},
};

// value * dpi / 96, rounded to the nearest pixel.
int Scale(int value, int dpi);
Rect Scale(const Rect& rect, int dpi);

// A control's rectangle within the form's client area at dpi: its position within its
// parent is scaled, then placed at the parent's scaled position.
Rect PlaceInForm(const ControlLayout& control, int dpi);

}  // namespace ui::layout
