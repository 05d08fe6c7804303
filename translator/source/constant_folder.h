#pragma once
// The value of a constant expression at conversion time: "#Rows * 2", "#Base$ + "x"",
// "1 << #Shift | $F0". Constants must be known before the program runs (their redefinition
// is checked, they size arrays and label cases), so they are folded here rather than left
// to the page.
#include "translator/language/operator_table.h"
#include "translator/source/syntax_tree.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace qc {

struct ProgramFacts;

// Looks a constant up by its lower-case name without "#" ("rows", "title$").
using ConstantLookup = std::function<std::optional<ConstantValue>(const std::wstring&)>;

// The value of a call in a constant expression ("Defined(#A, #PB_Constant)",
// "SizeOf(Point)"), from the call's node, whose arguments are left unevaluated: they name
// things rather than stand for values. Nullopt when it has none.
using ConstantCall = std::function<std::optional<ConstantValue>(const SyntaxTree&, const Expr&)>;

// The value of an expression of the tree: numbers (decimal, "$FF" hex, "%101" binary, 'A'
// character codes), strings, constants, calls the `call` hook knows, and every operator of
// the operator table, evaluated as its rows say. Empty when it is no constant expression: it
// names a variable or a function, or a constant the lookup does not know (*unknown then
// holds the first such, as written).
std::optional<ConstantValue> evaluateConstant(const SyntaxTree& tree, NodeId id,
                                              const ConstantLookup& lookup,
                                              std::wstring* unknown = nullptr,
                                              const ConstantCall& call = nullptr);

// The same for a text the parser reads as one expression: a constant's definition or a
// compiler condition, which stand before the program is parsed. With `modules`, "M::#X" is
// read as the constant of module M.
std::optional<ConstantValue> foldConstant(std::wstring_view expression,
                                          const ConstantLookup& lookup,
                                          std::wstring* unknown = nullptr,
                                          const ConstantCall& call = nullptr,
                                          const ProgramFacts* modules = nullptr);

// The value as the dialect writes it: 12, -3 in parentheses "(-3)", 2.5, "text".
std::wstring constantSource(const ConstantValue& value);

// Reads the constant text the built-in constant table holds ("255", "\"\\n\"").
std::optional<ConstantValue> builtInConstant(const std::wstring& lowerName);

} // namespace qc
