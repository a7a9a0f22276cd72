#pragma once
// The store's registry calls bound to advapi32's ANSI functions.

#include "RegistryApi.h"

namespace store {

class WinRegistryApi final : public RegistryApi {
  public:
    long OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                 KeyHandle* result) override;
    long CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                   KeyHandle* result) override;
    long QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                    std::uint32_t* size) override;
    long SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override;
    long CloseKey(KeyHandle key) override;
};

}  // namespace store
