#pragma once
// The version number that the version field's text gives, worked out afresh at every use.

#include <cstdint>
#include <string>

namespace ui {

// Leading spaces, one optional sign, then decimal digits within the signed 32-bit range, or
// "$", "x", "X", "0x" or "0X" and hexadecimal digits within 32 bits (taken as signed), and
// nothing after. Any other text gives fallback (the field's lowest value). Never clamped.
std::int32_t VersionNumber(const std::string& text, std::int32_t fallback);

}  // namespace ui
