#include "MemoryRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "RegistryConstants.h"

namespace testing_support {

using store::KeyHandle;

namespace {
constexpr std::uint32_t kQueryValue = 0x0001;  // KEY_QUERY_VALUE
constexpr std::uint32_t kSetValue = 0x0002;    // KEY_SET_VALUE

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}
}  // namespace

std::string MemoryRegistry::Normalise(const std::string& path) {
    // Windows ignores empty path elements at the ends; inside a path they are invalid, which
    // this registry does not need to model.
    std::string result = Lower(path);
    while (!result.empty() && result.front() == '\\') result.erase(result.begin());
    while (!result.empty() && result.back() == '\\') result.pop_back();
    return result;
}

void MemoryRegistry::AddKey(const std::string& keyPath) {
    std::string path = Normalise(keyPath);
    keys_[""];
    for (std::size_t at = 0; at != std::string::npos;) {
        at = path.find('\\', at + 1);
        keys_[path.substr(0, at)];
    }
}

void MemoryRegistry::PutValue(const std::string& keyPath, const std::string& name,
                              StoredValue value) {
    AddKey(keyPath);
    keys_[Normalise(keyPath)].values[Lower(name)] = std::move(value);
}

void MemoryRegistry::AllowOnly(const std::string& keyPath, std::uint32_t access) {
    AddKey(keyPath);
    keys_[Normalise(keyPath)].allowed = access;
}

void MemoryRegistry::RefuseCreateBelow(const std::string& keyPath) {
    AddKey(keyPath);
    keys_[Normalise(keyPath)].refuseCreateBelow = true;
}

void MemoryRegistry::GrowBeforeNextFetch(const std::string& name, std::size_t extraBytes) {
    growth_[Lower(name)] = extraBytes;
}

bool MemoryRegistry::HasKey(const std::string& keyPath) const {
    return keys_.count(Normalise(keyPath)) != 0;
}

const StoredValue* MemoryRegistry::FindValue(const std::string& keyPath,
                                             const std::string& name) const {
    const auto key = keys_.find(Normalise(keyPath));
    if (key == keys_.end()) return nullptr;
    const auto value = key->second.values.find(Lower(name));
    return value == key->second.values.end() ? nullptr : &value->second;
}

std::string MemoryRegistry::Resolve(KeyHandle parent, const std::string& subKey,
                                    bool* valid) const {
    std::string base;
    *valid = true;
    if (parent != store::kLocalMachine) {
        const auto handle = handles_.find(parent);
        if (handle == handles_.end()) {
            *valid = false;
            return std::string();
        }
        base = handle->second.path;
    }
    const std::string sub = Normalise(subKey);
    if (base.empty()) return sub;
    return sub.empty() ? base : base + '\\' + sub;
}

long MemoryRegistry::Grant(const std::string& path, std::uint32_t access, KeyHandle* result) {
    if ((access & ~keys_[path].allowed) != 0) return store::kErrorAccessDenied;
    const KeyHandle handle = nextHandle_++;
    handles_[handle] = Handle{path, access};
    *result = handle;
    return store::kErrorSuccess;
}

long MemoryRegistry::OpenKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                             KeyHandle* result) {
    *result = 0;
    bool valid = false;
    const std::string path = Resolve(parent, subKey, &valid);
    if (!valid) return store::kErrorInvalidHandle;
    if (keys_.count(path) == 0) return store::kErrorFileNotFound;
    return Grant(path, access, result);
}

long MemoryRegistry::CreateKey(KeyHandle parent, const std::string& subKey, std::uint32_t access,
                               KeyHandle* result) {
    *result = 0;
    bool valid = false;
    const std::string path = Resolve(parent, subKey, &valid);
    if (!valid) return store::kErrorInvalidHandle;
    if (keys_.count(path) == 0) {
        // The nearest existing key above decides whether a key may be created below it.
        std::string above = path;
        while (!above.empty() && keys_.count(above) == 0) {
            const auto cut = above.rfind('\\');
            above = cut == std::string::npos ? std::string() : above.substr(0, cut);
        }
        if (keys_[above].refuseCreateBelow) return store::kErrorAccessDenied;
        AddKey(path);
    }
    return Grant(path, access, result);
}

long MemoryRegistry::QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) return store::kErrorInvalidHandle;
    if ((handle->second.granted & kQueryValue) == 0) return store::kErrorAccessDenied;
    auto& values = keys_[handle->second.path].values;
    const auto found = values.find(Lower(name));
    if (found == values.end()) return store::kErrorFileNotFound;
    StoredValue& value = found->second;
    if (data != nullptr) {
        const auto growth = growth_.find(Lower(name));
        if (growth != growth_.end()) {
            value.data.insert(value.data.end(), growth->second, 'G');
            growth_.erase(growth);
        }
    }
    if (type) *type = value.type;
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    if (data != nullptr) {
        if (size == nullptr || *size < needed) {
            if (size) *size = needed;
            return store::kErrorMoreData;
        }
        if (needed != 0) std::memcpy(data, value.data.data(), needed);
    }
    if (size) *size = needed;
    return store::kErrorSuccess;
}

long MemoryRegistry::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) return store::kErrorInvalidHandle;
    if (failSets_ || (handle->second.granted & kSetValue) == 0) return store::kErrorAccessDenied;
    StoredValue value;
    value.type = type;
    if (size != 0) value.data.assign(data, data + size);
    keys_[handle->second.path].values[Lower(name)] = std::move(value);
    return store::kErrorSuccess;
}

long MemoryRegistry::CloseKey(KeyHandle key) {
    return handles_.erase(key) != 0 ? store::kErrorSuccess : store::kErrorInvalidHandle;
}

}  // namespace testing_support
