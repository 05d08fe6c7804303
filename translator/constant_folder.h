#pragma once
// The value of a constant expression at conversion time: "#Rows * 2", "#Base$ + "x"",
// "1 << #Shift | $F0". Constants must be known before the program runs (their redefinition
// is checked, they size arrays and label cases), so they are folded here rather than left
// to the page.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qc {

struct ConstantValue {
    enum class Kind { kInteger, kFloat, kString } kind = Kind::kInteger;
    long long integer = 0;
    double number = 0;
    std::wstring text;

    bool operator==(const ConstantValue& other) const;
};

// Looks a constant up by its lower-case name without "#" ("rows", "title$").
using ConstantLookup = std::function<std::optional<ConstantValue>(const std::wstring&)>;

// Numbers (decimal, "$FF" hex, "%101" binary, 'A' character codes), strings, constants,
// parentheses, unary "-" and "~", and the operators << >> % ! | & * / + -, tightest first
// in that order of groups. Empty when the text is no constant expression: it names a
// variable or a function, or a constant the lookup does not know (*unknown then holds it).
std::optional<ConstantValue> foldConstant(std::wstring_view expression,
                                          const ConstantLookup& lookup,
                                          std::wstring* unknown = nullptr);

// The value as the dialect writes it: 12, -3 in parentheses "(-3)", 2.5, "text".
std::wstring constantSource(const ConstantValue& value);

// Reads the constant text the built-in constant table holds ("255", "\"\\n\"").
std::optional<ConstantValue> builtInConstant(const std::wstring& lowerName);

} // namespace qc
