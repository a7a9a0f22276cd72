#include "ErrorText.h"

namespace ui {

std::string ErrorText(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + '.';
    return message;
}

}  // namespace ui
