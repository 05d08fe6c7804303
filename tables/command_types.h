#pragma once
// The type of the value each built-in command gives, kept apart from the command rows so
// that a row without one still registers: the expression pass treats its value as unknown
// and leaves its arithmetic as it is written.
#include <cstddef>
#include <string_view>

namespace qc {

// 'i' an integer, 'f' a float, 's' a string, 0 unknown (or no value). Case-insensitive.
wchar_t commandResultType(std::wstring_view name);

// Whether argument `index` (from 0) of a command is a float: an expression given there is
// computed as floats ("Sin(7 / 2)", "StrF(100 * hits / total, 2)" divide as floats), while
// a count or a mode beside it ("StrF(x, 5 / 2)") stays an integer. Case-insensitive.
bool takesFloatArgument(std::wstring_view name, size_t index);

} // namespace qc
