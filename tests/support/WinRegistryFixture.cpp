#include "WinRegistryFixture.h"

#include <sddl.h>

#include <stdexcept>

namespace testing_support {

namespace {

void Check(LONG status, const char* what) {
    if (status != ERROR_SUCCESS) {
        throw std::runtime_error(std::string(what) + " failed: " + std::to_string(status));
    }
}

HKEY CreateFull(const std::string& keyPath) {
    HKEY key = nullptr;
    Check(RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr),
          "RegCreateKeyExA");
    return key;
}

}  // namespace

WinRegistryFixture::WinRegistryFixture() { RemoveVorlen(); }

WinRegistryFixture::~WinRegistryFixture() {
    for (Restricted& entry : restricted_) {
        RegSetKeySecurity(entry.key, DACL_SECURITY_INFORMATION,
                          reinterpret_cast<PSECURITY_DESCRIPTOR>(entry.originalSecurity.data()));
        RegCloseKey(entry.key);
    }
    RemoveVorlen();
}

void WinRegistryFixture::RemoveVorlen() {
    const LONG status = RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\Vorlen");
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        Check(status, "RegDeleteTreeA");
    }
    HKEY left = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Vorlen", 0, KEY_READ, &left) ==
        ERROR_SUCCESS) {
        RegCloseKey(left);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Vorlen");
    }
}

void WinRegistryFixture::AddKey(const std::string& keyPath) { RegCloseKey(CreateFull(keyPath)); }

void WinRegistryFixture::PutValue(const std::string& keyPath, const std::string& name,
                                  const StoredValue& value) {
    HKEY key = CreateFull(keyPath);
    // A non-zero byte after the data, or Wine terminates string data itself.
    std::vector<BYTE> buffer(value.data.begin(), value.data.end());
    buffer.push_back('Z');
    const LONG status = RegSetValueExA(key, name.c_str(), 0, value.type, buffer.data(),
                                       static_cast<DWORD>(value.data.size()));
    RegCloseKey(key);
    Check(status, "RegSetValueExA");
}

void WinRegistryFixture::AllowReadOnly(const std::string& keyPath) {
    Restricted entry{CreateFull(keyPath), {}};
    DWORD size = 0;
    RegGetKeySecurity(entry.key, DACL_SECURITY_INFORMATION, nullptr, &size);
    entry.originalSecurity.resize(size);
    Check(RegGetKeySecurity(entry.key, DACL_SECURITY_INFORMATION, entry.originalSecurity.data(),
                            &size),
          "RegGetKeySecurity");
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                              &readOnly, nullptr)) {
        RegCloseKey(entry.key);
        throw std::runtime_error("ConvertStringSecurityDescriptorToSecurityDescriptorA failed");
    }
    const LONG status = RegSetKeySecurity(entry.key, DACL_SECURITY_INFORMATION, readOnly);
    LocalFree(readOnly);
    restricted_.push_back(std::move(entry));
    Check(status, "RegSetKeySecurity");
}

bool WinRegistryFixture::HasKey(const std::string& keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

std::optional<StoredValue> WinRegistryFixture::GetValue(const std::string& keyPath,
                                                        const std::string& name) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    StoredValue value;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS && size != 0) {
        value.data.resize(size);
        status = RegQueryValueExA(key, name.c_str(), nullptr, &type, value.data.data(), &size);
        value.data.resize(size);
    }
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return std::nullopt;
    value.type = type;
    return value;
}

}  // namespace testing_support
