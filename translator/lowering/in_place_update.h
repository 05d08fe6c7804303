#pragma once
// The dialect's in-place statements store their whole expression: "s * 2 + 1" is
// "s = s * 2 + 1" and "n - 1 - 1" is "n = n - 1 - 1". The script's "s *= 2 + 1" would group the
// rest on its own, so a statement whose rest has an operator that binds as loosely as its
// first is spelled out as an assignment; "a + 1" and "n % 60" keep the short form, which
// computes their place once.
#include <string>
#include <string_view>

namespace qc {

struct SpelledOutUpdate {
    enum class Kind { kUnchanged, kSpelledOut, kPlaceCalls } kind = Kind::kUnchanged;
    std::wstring statement; // kSpelledOut: "s=s * 2 + 1"
};

// kPlaceCalls: the statement would have to be spelled out, but its place calls something
// ("a(Random(3)) - 1 - 1"), which the assignment would call twice.
SpelledOutUpdate spellOutUpdate(std::wstring_view statement);

} // namespace qc
