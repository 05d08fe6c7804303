#pragma once
// Words the script cannot give to a name of its own, shared by the translator (which renames
// the program's names away from them) and compaction (which never generates them).
#include <span>
#include <string_view>

namespace qc {

// Reserved words of the target language, including those reserved only in strict mode or
// modules.
std::span<const std::wstring_view> reservedWords();
// Global values that cannot be redeclared or reassigned.
std::span<const std::wstring_view> fixedGlobals();
// Properties of the browser's window that a global "var" cannot safely take: they are
// read-only, convert what is stored into a string, or navigate away.
std::span<const std::wstring_view> windowProperties();

} // namespace qc
