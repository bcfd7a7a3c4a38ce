#pragma once
#include <string_view>
// The help window's explanatory text: lines separated by a single carriage return.
std::string_view HelpText();
