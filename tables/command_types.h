#pragma once
// The type of the value each built-in command gives, kept apart from the command rows so
// that a row without one still registers: the expression pass treats its value as unknown
// and leaves its arithmetic as it is written.
#include <string_view>

namespace qc {

// 'i' an integer, 'f' a float, 's' a string, 0 unknown (or no value). Case-insensitive.
wchar_t commandResultType(std::wstring_view name);

// True for commands whose arguments are floats ("Sin(7 / 2)" divides as floats).
bool takesFloatArguments(std::wstring_view name);

} // namespace qc
