#include "WinRegistryApi.h"

#include <windows.h>

#include "RegistryConstants.h"

namespace store {

static_assert(kKeyRead == KEY_READ && kKeyAllAccess == KEY_ALL_ACCESS, "access masks");
static_assert(kRegSz == REG_SZ && kRegExpandSz == REG_EXPAND_SZ && kRegDword == REG_DWORD &&
                  kRegMultiSz == REG_MULTI_SZ && kRegBinary == REG_BINARY,
              "value types");
static_assert(kErrorSuccess == ERROR_SUCCESS && kErrorMoreData == ERROR_MORE_DATA &&
                  kErrorFileNotFound == ERROR_FILE_NOT_FOUND &&
                  kErrorAccessDenied == ERROR_ACCESS_DENIED,
              "status codes");

namespace {
HKEY ToHkey(KeyHandle key) { return reinterpret_cast<HKEY>(key); }
KeyHandle FromHkey(HKEY key) { return reinterpret_cast<KeyHandle>(key); }
}  // namespace

long WinRegistryApi::OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                             KeyHandle* result) {
    HKEY opened = nullptr;
    const LONG status = RegOpenKeyExA(ToHkey(parent), subKey.c_str(), 0, access, &opened);
    *result = status == ERROR_SUCCESS ? FromHkey(opened) : 0;
    return status;
}

long WinRegistryApi::CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                               KeyHandle* result) {
    HKEY opened = nullptr;
    const LONG status = RegCreateKeyExA(ToHkey(parent), subKey.c_str(), 0, nullptr,
                                        REG_OPTION_NON_VOLATILE, access, nullptr, &opened, nullptr);
    *result = status == ERROR_SUCCESS ? FromHkey(opened) : 0;
    return status;
}

long WinRegistryApi::QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    const LONG status =
        RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    if (type) *type = valueType;
    if (size) *size = valueSize;
    return status;
}

long WinRegistryApi::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

long WinRegistryApi::CloseKey(KeyHandle key) { return RegCloseKey(ToHkey(key)); }

}  // namespace store
