#include "RegistryFixture.h"

#include "RegistryConstants.h"

namespace testing_support {

void MemoryRegistryFixture::AllowReadOnly(const std::string& keyPath) {
    registry.AllowOnly(keyPath, store::kKeyRead);
}

std::optional<StoredValue> MemoryRegistryFixture::GetValue(const std::string& keyPath,
                                                           const std::string& name) {
    const StoredValue* value = registry.FindValue(keyPath, name);
    if (value == nullptr) return std::nullopt;
    return *value;
}

}  // namespace testing_support
