#pragma once
// Every registry number, key path and value name the program uses, in one place. The values
// are those of the Windows SDK; the Windows binding checks them against windows.h.

#include <cstdint>

namespace store {

constexpr std::uintptr_t kLocalMachine = 0x80000002u;  // HKEY_LOCAL_MACHINE

constexpr std::uint32_t kKeyRead = 0x20019u;       // KEY_READ
constexpr std::uint32_t kKeyAllAccess = 0xF003Fu;  // KEY_ALL_ACCESS

constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;

constexpr long kErrorSuccess = 0;
constexpr long kErrorFileNotFound = 2;
constexpr long kErrorAccessDenied = 5;
constexpr long kErrorInvalidHandle = 6;
constexpr long kErrorMoreData = 234;

// Relative to HKEY_LOCAL_MACHINE. A 32-bit process on 64-bit Windows sees this through
// Software\WOW6432Node, which is where the 32-bit Bremolta application reads it; the program
// is built 32-bit for that reason and adds no registry-view flag.
constexpr const char kVersionKeyPrefix[] = "\\Software\\Vorlen\\Bremolta\\";
constexpr const char kPathValueName[] = "Sciezka";

}  // namespace store
