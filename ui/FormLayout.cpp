#include "FormLayout.h"

namespace ui::layout {

int Scale(int value, int dpi) {
    const long long scaled = static_cast<long long>(value) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kDesignDpi
                                        : -((-scaled + half) / kDesignDpi));
}

Rect Scale(const Rect& rect, int dpi) {
    return Rect{Scale(rect.left, dpi), Scale(rect.top, dpi), Scale(rect.width, dpi),
                Scale(rect.height, dpi)};
}

Rect PlaceInForm(const ControlLayout& control, int dpi) {
    Rect placed = Scale(control.rect, dpi);
    if (control.inGroupBox) {
        const Rect group = Scale(kGroupBox1, dpi);
        placed.left += group.left;
        placed.top += group.top;
    }
    return placed;
}

}  // namespace ui::layout
