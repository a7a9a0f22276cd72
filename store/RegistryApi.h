#pragma once
// The five registry calls the store needs, in the shape of the Windows ANSI registry
// functions, so that the Windows build binds them to advapi32 and tests bind them to a
// registry of their own.

#include <cstdint>
#include <string>

namespace store {

// An HKEY carried as an integer, so this header needs no windows.h.
using KeyHandle = std::uintptr_t;

class RegistryApi {
  public:
    virtual ~RegistryApi() = default;

    // RegOpenKeyExA: the key must exist.
    virtual long OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                         KeyHandle* result) = 0;
    // RegCreateKeyExA: non-volatile, no class string, missing keys above it created too.
    virtual long CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                           KeyHandle* result) = 0;
    // RegQueryValueExA: data may be null to learn type and size; a buffer too small for the
    // data gives ERROR_MORE_DATA with the needed size.
    virtual long QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                            std::uint8_t* data, std::uint32_t* size) = 0;
    // RegSetValueExA.
    virtual long SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                          const std::uint8_t* data, std::uint32_t size) = 0;
    // RegCloseKey.
    virtual long CloseKey(KeyHandle key) = 0;
};

}  // namespace store
