#pragma once
// An in-memory registry behind the store's registry interface: keys with case-insensitive
// names, typed values, the access each key allows, and faults a real registry shows only
// rarely (a value that grows between the size query and the fetch, a write or a create that
// fails). It also counts open handles, so a test can see that every key was closed.

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "RegistryApi.h"

namespace testing_support {

struct StoredValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    bool operator==(const StoredValue& other) const {
        return type == other.type && data == other.data;
    }
};

class MemoryRegistry final : public store::RegistryApi {
  public:
    // keyPath is relative to HKEY_LOCAL_MACHINE, "\"-separated.
    void AddKey(const std::string& keyPath);
    void PutValue(const std::string& keyPath, const std::string& name, StoredValue value);
    void AllowOnly(const std::string& keyPath, std::uint32_t access);
    void RefuseCreateBelow(const std::string& keyPath);
    // The next fetch of this value finds it this many bytes longer than its size query said.
    void GrowBeforeNextFetch(const std::string& name, std::size_t extraBytes);
    void FailSets(bool fail) { failSets_ = fail; }

    bool HasKey(const std::string& keyPath) const;
    const StoredValue* FindValue(const std::string& keyPath, const std::string& name) const;
    std::size_t OpenHandles() const { return handles_.size(); }
    std::size_t KeyCount() const { return keys_.size(); }

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
    struct Key {
        std::uint32_t allowed = 0xFFFFFFFFu;
        bool refuseCreateBelow = false;
        std::map<std::string, StoredValue> values;  // by lower-case name
    };
    struct Handle {
        std::string path;  // normalised
        std::uint32_t granted = 0;
    };

    static std::string Normalise(const std::string& path);
    std::string Resolve(store::KeyHandle parent, const std::string& subKey, bool* valid) const;
    long Grant(const std::string& path, std::uint32_t access, store::KeyHandle* result);

    std::map<std::string, Key> keys_;  // by normalised path; "" is HKEY_LOCAL_MACHINE
    std::map<store::KeyHandle, Handle> handles_;
    std::map<std::string, std::size_t> growth_;
    store::KeyHandle nextHandle_ = 0x1000;
    bool failSets_ = false;
};

}  // namespace testing_support
