#pragma once
// The type of every expression of a syntax tree, from the operator table's typing rules, the
// places' declared types and the commands' result types. The printer reads it to decide where
// "/" divides integers, where a float is rounded on its way into an integer place and where a
// narrow integer wraps.
#include "translator/source/syntax_tree.h"

#include <string>
#include <unordered_map>
#include <vector>

namespace qc {

enum class ValueKind : std::uint8_t { kUnknown, kInteger, kFloat, kString, kTruth };

struct ValueType {
    ValueKind kind = ValueKind::kUnknown;
    // Of an integer place: the type letter that decides how it wraps ('i', 'q', 'l', 'w',
    // 'b', 'a', 'u', 'c').
    wchar_t width = L'i';

    bool operator==(const ValueType&) const = default;
};

// The type a suffix gives (".i", ".f", ".s{20}"), or a name ending in "$"; unknown for a
// structure type.
ValueType typeOfSuffix(std::wstring_view suffix, std::wstring_view name);

// A variable keeps the type of its first use, as in the dialect: "n.f = 1" makes every later
// "n" a float; a name met without a suffix first is an integer (a "$" name a string).
class VariableTypes {
public:
    ValueType declare(std::wstring_view name, std::wstring_view suffix);
    ValueType of(std::wstring_view name) const;
    // The lower-case names in the order they were first met.
    const std::vector<std::wstring>& names() const { return order_; }

private:
    std::unordered_map<std::wstring, ValueType> types_; // by lower-case name
    std::vector<std::wstring> order_;
};

// The types of all expressions of the tree, indexed by expression id. Variables are declared
// in the order the statements are met.
std::vector<ValueType> typeTree(const SyntaxTree& tree, VariableTypes& variables);

} // namespace qc
