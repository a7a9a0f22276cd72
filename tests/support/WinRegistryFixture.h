#pragma once
// The real registry of the Wine prefix (or of Windows) as a store test fixture. It removes
// HKEY_LOCAL_MACHINE\Software\Vorlen before and after each case, and gives back the rights
// it took away, so cases do not see each other's keys.

#include <windows.h>

#include <vector>

#include "RegistryFixture.h"
#include "WinRegistryApi.h"

namespace testing_support {

class WinRegistryFixture final : public RegistryFixture {
  public:
    WinRegistryFixture();
    ~WinRegistryFixture() override;
    WinRegistryFixture(const WinRegistryFixture&) = delete;
    WinRegistryFixture& operator=(const WinRegistryFixture&) = delete;

    store::RegistryApi& Api() override { return api_; }
    void AddKey(const std::string& keyPath) override;
    void PutValue(const std::string& keyPath, const std::string& name,
                  const StoredValue& value) override;
    void AllowReadOnly(const std::string& keyPath) override;
    bool HasKey(const std::string& keyPath) override;
    std::optional<StoredValue> GetValue(const std::string& keyPath,
                                        const std::string& name) override;

    static void RemoveVorlen();

  private:
    struct Restricted {
        HKEY key;  // opened with full access before the rights were taken away
        std::vector<BYTE> originalSecurity;
    };

    store::WinRegistryApi api_;
    std::vector<Restricted> restricted_;
};

}  // namespace testing_support
