#pragma once

#include <string_view>

namespace fw {

// A modal message box with one OK button; returns once the user has dismissed it.
void MsgBox(std::string_view text);

// The system beep.
void Beep();

}  // namespace fw
