#pragma once

#include <string>

namespace ui {

// The error box's text: the message, with a full stop appended when its last character's
// code is above that of ".".
std::string ErrorText(const std::string& message);

}  // namespace ui
