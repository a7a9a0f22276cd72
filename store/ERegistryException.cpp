#include "ERegistryException.h"

namespace store {

ERegistryException ERegistryException::ForValue(const char* format, const std::string& valueName) {
    std::string message = format;
    const auto at = message.find("%s");
    if (at != std::string::npos) message.replace(at, 2, valueName);
    return ERegistryException(message);
}

}  // namespace store
