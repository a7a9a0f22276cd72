#pragma once
// A registry accessor: a root key, at most one open current key that it owns, and the value
// operations the path store needs.

#include <cstdint>
#include <string>

#include "RegistryApi.h"
#include "RegistryConstants.h"

namespace store {

class TRegistry {
  public:
    TRegistry(RegistryApi& api, std::uint32_t access);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    void SetRootKey(KeyHandle root);

    // A path beginning with "\" is taken from the root key. Yields false on any failure,
    // leaving the previous current key as it was.
    bool OpenKey(const std::string& keyPath, bool canCreate);
    bool ValueExists(const std::string& name);
    // Throws ERegistryException when the data cannot be fetched or is no string.
    std::string ReadString(const std::string& name);
    // Throws ERegistryException when the value cannot be written.
    void WriteString(const std::string& name, const std::string& value);
    void CloseKey();

    bool HasCurrentKey() const { return current_ != 0; }

  private:
    RegistryApi& api_;
    std::uint32_t access_;
    KeyHandle root_ = kLocalMachine;
    KeyHandle current_ = 0;
};

}  // namespace store
