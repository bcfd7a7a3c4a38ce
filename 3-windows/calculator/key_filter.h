#pragma once

#include <string_view>

// The input fields' rule: digits, Backspace, Tab and the decimal point pass, the minus sign
// only where `allowMinus`; every other key beeps. Returns true when the key is swallowed.
// Only the key is judged: the field's text and its length limit are the field's business.
bool RejectKey(std::string_view key, bool allowMinus);
