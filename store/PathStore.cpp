#include "PathStore.h"

#include "RegistryConstants.h"
#include "TRegistry.h"

namespace store {

char LastChar(const std::string& text) { return text.empty() ? '\0' : text.back(); }

std::string WithTrailingBackslash(const std::string& path) {
    return LastChar(path) == '\\' ? path : path + '\\';
}

std::string VersionKeyPath(std::int32_t version) {
    return kVersionKeyPrefix + std::to_string(version);
}

std::string ReadPath(RegistryApi& api, std::int32_t version) {
    std::string result;
    // Reading asks for read access only, so a user who may not write the machine-wide key
    // still sees the stored path.
    TRegistry registry(api, kKeyRead);  // its destructor closes the key, also on a throw
    registry.SetRootKey(kLocalMachine);
    if (registry.OpenKey(VersionKeyPath(version), false)) {
        if (registry.ValueExists(kPathValueName)) {
            result = WithTrailingBackslash(registry.ReadString(kPathValueName));
        }
        registry.CloseKey();
    }
    return result;
}

bool WritePath(RegistryApi& api, std::int32_t version, const std::string& text) {
    bool result = false;
    TRegistry registry(api, kKeyAllAccess);
    registry.SetRootKey(kLocalMachine);
    if (registry.OpenKey(VersionKeyPath(version), true)) {
        registry.WriteString(kPathValueName, WithTrailingBackslash(text));
        result = true;
    }
    registry.CloseKey();
    return result;
}

}  // namespace store
