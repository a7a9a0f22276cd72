#include "VersionNumber.h"

#include <optional>

namespace ui {

namespace {

std::optional<int> DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') value = c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') value = c - 'A' + 10;
    if (value < 0) return std::nullopt;
    return value;
}

}  // namespace

std::int32_t VersionNumber(const std::string& text, std::int32_t fallback) {
    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        base = 16;
        at += 1;
    } else if (at + 1 < text.size() && text[at] == '0' &&
               (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        base = 16;
        at += 2;
    }
    if (at == text.size()) return fallback;

    // Decimal may reach 2^31 (for -2147483648); hexadecimal all of 32 bits.
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t value = 0;
    for (; at < text.size(); ++at) {
        const std::optional<int> digit = DigitValue(text[at], base);
        if (!digit) return fallback;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(*digit);
        if (value > limit) return fallback;
    }
    // Two's complement arithmetic in 32 bits, so "$FFFFFFFF" is -1 and "-$1" is -1.
    std::uint32_t bits = static_cast<std::uint32_t>(value);
    if (negative) bits = 0u - bits;
    return static_cast<std::int32_t>(bits);
}

}  // namespace ui
