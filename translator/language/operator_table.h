#pragma once
// The dialect's operators, one row each: how it is spelled, how tightly it binds, what type
// its value has, what it gives on constant values, and how the script writes it. The
// expression parser, the constant folder, the typing of expressions and the writing of
// their script all read these rows, so an operator's meaning is decided here only.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qc {

// A value known at conversion time.
struct ConstantValue {
    enum class Kind { kInteger, kFloat, kString } kind = Kind::kInteger;
    long long integer = 0;
    double number = 0;
    std::wstring text;

    bool operator==(const ConstantValue& other) const;
};

ConstantValue integerValue(long long v);
ConstantValue floatValue(double v);
ConstantValue truthValue(bool v);
// Nonzero numbers and non-empty strings hold.
bool holds(const ConstantValue& v);

// What kind of operation a row is, for the parts of writing that differ between them.
enum class OperatorClass : std::uint8_t {
    kLogical,    // And Or XOr
    kComparison, // = <> < > <= >= =< =>
    kAddition,   // + -
    kProduct,    // *
    kDivision,   // /
    kBitwise,    // | & !
    kShift,      // << >>
    kRemainder,  // %
    kNot,        // Not
    kMinus,      // unary -
    kComplement, // unary ~
};

// The type of an operator's value, from its operands' types.
enum class Typing : std::uint8_t {
    kSum,        // "+": strings join; else an integer, or a float when an operand is one
    kArithmetic, // "-" "*" "%": an integer, or a float when an operand is one
    kQuotient,   // "/": divides as integers between integers, else a float
    kWhole,      // bit operators: integers; a float operand is rounded first
    kTruth,      // comparisons, And, Or, XOr, Not: a truth value, 1 or 0 as a number
    kOperand,    // unary "-": the operand's own type
};

using ConstantFold = std::optional<ConstantValue> (*)(const ConstantValue& a,
                                                      const ConstantValue& b);

struct OperatorRow {
    std::wstring_view spelling; // as written; words in lower case
    OperatorClass kind;
    bool prefix;    // a prefix operator; its operand binds at `operandPrecedence`
    int precedence; // higher binds tighter; binary operators group left to right
    int operandPrecedence;
    Typing typing;
    ConstantFold fold; // nullopt where the value is no constant (a zero divisor, a string)
    // The script's operator with the same meaning on the values it is used for, and how
    // tightly the script binds it (for the brackets the script needs).
    std::wstring_view script;
    int scriptPrecedence;
    // The runtime function that is exact where the script's operator is not (64-bit
    // integers, division by zero); empty where the script's operator always does.
    std::wstring_view exactCall;
};

// Every row, in the table's order.
std::span<const OperatorRow> operatorRows();

// A row (or none) by its place in the table: one byte in a tree node instead of a pointer's
// eight, read and written like the pointer.
class OperatorRef {
public:
    OperatorRef() = default;
    OperatorRef(const OperatorRow* row) // implicit: it stands for the pointer
        : index_(row == nullptr ? kNone : static_cast<std::uint8_t>(row - operatorRows().data())) {}
    const OperatorRow* get() const { return index_ == kNone ? nullptr : &operatorRows()[index_]; }
    const OperatorRow* operator->() const { return get(); }
    const OperatorRow& operator*() const { return *get(); }
    bool operator==(std::nullptr_t) const { return index_ == kNone; }

private:
    static constexpr std::uint8_t kNone = 0xFF;
    std::uint8_t index_ = kNone;
};

// How tightly the script binds what is no operator of the table: a call, a name, a literal,
// a bracket. Anything bound at least this tightly needs no brackets of its own.
constexpr int kScriptAtom = 20;
// The script's prefix operators: "!x", "-x", "+x".
constexpr int kScriptPrefix = 15;

// The binary operator spelled `spelling` (words in any case), or null.
const OperatorRow* binaryOperator(std::wstring_view spelling);
// The prefix operator spelled `spelling`: "-", "~", "not"; or null.
const OperatorRow* prefixOperator(std::wstring_view spelling);
// The script's spelling of a binary operator written in the dialect ("<>" → "!=", "And" →
// "&&"); the spelling itself where the row has none.
std::wstring_view scriptSpelling(std::wstring_view spelling);

} // namespace qc
