#include "TRegistry.h"

#include <vector>

#include "ERegistryException.h"

namespace store {

TRegistry::TRegistry(RegistryApi& api, std::uint32_t access) : api_(api), access_(access) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(KeyHandle root) {
    CloseKey();
    root_ = root;
}

bool TRegistry::OpenKey(const std::string& keyPath, bool canCreate) {
    const std::string relative =
        (!keyPath.empty() && keyPath.front() == '\\') ? keyPath.substr(1) : keyPath;
    KeyHandle opened = 0;
    const long status = canCreate ? api_.CreateKey(root_, relative, access_, &opened)
                                  : api_.OpenKey(root_, relative, access_, &opened);
    if (status != kErrorSuccess || opened == 0) return false;
    CloseKey();
    current_ = opened;
    return true;
}

bool TRegistry::ValueExists(const std::string& name) {
    if (current_ == 0) return false;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    return api_.QueryValue(current_, name, &type, nullptr, &size) == kErrorSuccess;
}

std::string TRegistry::ReadString(const std::string& name) {
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    if (current_ == 0 || api_.QueryValue(current_, name, &type, nullptr, &size) != kErrorSuccess ||
        size == 0) {
        return std::string();
    }
    // One byte more than the data, zeroed, so text without a NUL still ends inside the buffer.
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size) + 1, 0);
    std::uint32_t fetched = size;
    if (api_.QueryValue(current_, name, &type, buffer.data(), &fetched) != kErrorSuccess ||
        fetched > size) {
        throw ERegistryException::ForValue("Failed to get data for '%s'", name);
    }
    if (type != kRegSz && type != kRegExpandSz) {
        throw ERegistryException::ForValue("Invalid data type for '%s'", name);
    }
    std::size_t length = 0;
    while (length < fetched && buffer[length] != 0) ++length;
    return std::string(reinterpret_cast<const char*>(buffer.data()), length);
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
    // The data is the text and one terminating NUL, which c_str() provides.
    const auto size = static_cast<std::uint32_t>(value.size() + 1);
    if (current_ == 0 ||
        api_.SetValue(current_, name, kRegSz, reinterpret_cast<const std::uint8_t*>(value.c_str()),
                      size) != kErrorSuccess) {
        throw ERegistryException::ForValue("Failed to set data for '%s'", name);
    }
}

void TRegistry::CloseKey() {
    if (current_ == 0) return;
    api_.CloseKey(current_);
    current_ = 0;
}

}  // namespace store
