#pragma once
// Passes every call on to another registry and writes down each one, so a test can compare
// the sequence of registry calls with the one it expects.

#include <string>
#include <vector>

#include "RegistryApi.h"

namespace testing_support {

class RecordingRegistry final : public store::RegistryApi {
  public:
    explicit RecordingRegistry(store::RegistryApi& inner) : inner_(inner) {}

    // One line a call, such as "open Software\Vorlen\Bremolta\5 20019" or "query Sciezka".
    std::vector<std::string> calls;

    long OpenKey(store::KeyHandle parent, const std::string& subKey, std::uint32_t access,
                 store::KeyHandle* result) override;
    long CreateKey(store::KeyHandle parent, const std::string& subKey, std::uint32_t access,
                   store::KeyHandle* result) override;
    long QueryValue(store::KeyHandle key, const std::string& name, std::uint32_t* type,
                    std::uint8_t* data, std::uint32_t* size) override;
    long SetValue(store::KeyHandle key, const std::string& name, std::uint32_t type,
                  const std::uint8_t* data, std::uint32_t size) override;
    long CloseKey(store::KeyHandle key) override;

  private:
    store::RegistryApi& inner_;
};

}  // namespace testing_support
