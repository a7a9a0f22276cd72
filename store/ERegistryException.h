#pragma once

#include <stdexcept>
#include <string>

namespace store {

// A registry failure after the key was opened; the application's error box shows what().
class ERegistryException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;

    // format holds one "%s", replaced by the value name.
    static ERegistryException ForValue(const char* format, const std::string& valueName);
};

}  // namespace store
