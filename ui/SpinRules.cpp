#include "SpinRules.h"

#include "VersionNumber.h"

namespace ui {

std::optional<std::string> ClampedOnLeave(const std::string& text, std::int32_t minValue,
                                          std::int32_t maxValue) {
    if (minValue == maxValue) return std::nullopt;
    const std::int32_t value = VersionNumber(text, minValue);
    if (value < minValue) return std::to_string(minValue);
    if (value > maxValue) return std::to_string(maxValue);
    return std::nullopt;
}

}  // namespace ui
