#pragma once
// The folder path of one Bremolta version, kept as the value "Sciezka" of its own key below
// HKEY_LOCAL_MACHINE. Nothing is cached: every call opens the registry and closes it again.

#include <cstdint>
#include <string>

#include "RegistryApi.h"

namespace store {

// The last character of text; '\0' for an empty text, which so counts as not ending in "\".
char LastChar(const std::string& text);

// Appends one "\" unless the path already ends in one; nothing else is changed.
std::string WithTrailingBackslash(const std::string& path);

// "\Software\Vorlen\Bremolta\" followed by the version in decimal.
std::string VersionKeyPath(std::int32_t version);

// The stored path in normal form, or "" when the key or value is missing or the key cannot
// be opened for reading. Throws ERegistryException when the value is there but no string.
std::string ReadPath(RegistryApi& api, std::int32_t version);

// Stores text in normal form, creating the key where it is missing. False when the key
// cannot be opened or created (nothing is written); throws ERegistryException when the
// write fails after the key was opened.
bool WritePath(RegistryApi& api, std::int32_t version, const std::string& text);

}  // namespace store
