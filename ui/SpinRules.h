#pragma once
// What the version field does to its text when the focus leaves it for another control.

#include <cstdint>
#include <optional>
#include <string>

namespace ui {

// The bound as text when the text's number lies outside minValue..maxValue; nothing when
// the text stays (in range, in any form, or no number at all). No clamping when the bounds
// are equal.
std::optional<std::string> ClampedOnLeave(const std::string& text, std::int32_t minValue,
                                          std::int32_t maxValue);

}  // namespace ui
