#include "RecordingRegistry.h"

#include <cstdio>

#include "RegistryConstants.h"

namespace testing_support {

namespace {
std::string Hex(std::uint32_t number) {
    char text[12];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(number));
    return text;
}
std::string Root(store::KeyHandle parent) {
    return parent == store::kLocalMachine ? "HKLM\\" : "?\\";
}
}  // namespace

long RecordingRegistry::OpenKey(store::KeyHandle parent, const std::string& subKey,
                                std::uint32_t access, store::KeyHandle* result) {
    calls.push_back("open " + Root(parent) + subKey + " " + Hex(access));
    return inner_.OpenKey(parent, subKey, access, result);
}

long RecordingRegistry::CreateKey(store::KeyHandle parent, const std::string& subKey,
                                  std::uint32_t access, store::KeyHandle* result) {
    calls.push_back("create " + Root(parent) + subKey + " " + Hex(access));
    return inner_.CreateKey(parent, subKey, access, result);
}

long RecordingRegistry::QueryValue(store::KeyHandle key, const std::string& name,
                                   std::uint32_t* type, std::uint8_t* data, std::uint32_t* size) {
    calls.push_back((data ? "fetch " : "query ") + name);
    return inner_.QueryValue(key, name, type, data, size);
}

long RecordingRegistry::SetValue(store::KeyHandle key, const std::string& name, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t size) {
    calls.push_back("set " + name + " " + std::to_string(type) + " " + std::to_string(size));
    return inner_.SetValue(key, name, type, data, size);
}

long RecordingRegistry::CloseKey(store::KeyHandle key) {
    calls.push_back("close");
    return inner_.CloseKey(key);
}

}  // namespace testing_support
