#pragma once
// What a store test needs of a registry to arrange a case and to look at the result, so that
// one table of cases runs against the in-memory registry and against the real one.

#include <optional>
#include <string>

#include "MemoryRegistry.h"
#include "RegistryApi.h"

namespace testing_support {

// Every key path here is relative to HKEY_LOCAL_MACHINE. A fixture starts without
// Software\Vorlen and leaves none behind.
class RegistryFixture {
  public:
    virtual ~RegistryFixture() = default;
    virtual store::RegistryApi& Api() = 0;
    virtual void AddKey(const std::string& keyPath) = 0;
    // Stores exactly these bytes, also string data without a terminating NUL.
    virtual void PutValue(const std::string& keyPath, const std::string& name,
                          const StoredValue& value) = 0;
    // Everyone may read the key, nobody may write it.
    virtual void AllowReadOnly(const std::string& keyPath) = 0;
    virtual bool HasKey(const std::string& keyPath) = 0;
    virtual std::optional<StoredValue> GetValue(const std::string& keyPath,
                                                const std::string& name) = 0;
};

class MemoryRegistryFixture final : public RegistryFixture {
  public:
    store::RegistryApi& Api() override { return registry; }
    void AddKey(const std::string& keyPath) override { registry.AddKey(keyPath); }
    void PutValue(const std::string& keyPath, const std::string& name,
                  const StoredValue& value) override {
        registry.PutValue(keyPath, name, value);
    }
    void AllowReadOnly(const std::string& keyPath) override;
    bool HasKey(const std::string& keyPath) override { return registry.HasKey(keyPath); }
    std::optional<StoredValue> GetValue(const std::string& keyPath,
                                        const std::string& name) override;

    MemoryRegistry registry;
};

}  // namespace testing_support
