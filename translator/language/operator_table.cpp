#include "translator/language/operator_table.h"

#include "common/text.h"

#include <array>

namespace qc {

bool ConstantValue::operator==(const ConstantValue& other) const {
    if (kind != other.kind) return false;
    if (kind == Kind::kString) return text == other.text;
    if (kind == Kind::kFloat) return number == other.number;
    return integer == other.integer;
}

ConstantValue integerValue(long long v) {
    ConstantValue c;
    c.integer = v;
    c.number = static_cast<double>(v);
    return c;
}

ConstantValue floatValue(double v) {
    ConstantValue c;
    c.kind = ConstantValue::Kind::kFloat;
    c.number = v;
    return c;
}

ConstantValue truthValue(bool v) {
    return integerValue(v ? 1 : 0);
}

bool holds(const ConstantValue& v) {
    if (v.kind == ConstantValue::Kind::kString) return !v.text.empty();
    return v.kind == ConstantValue::Kind::kInteger ? v.integer != 0 : v.number != 0;
}

namespace {

using Kind = ConstantValue::Kind;
using Result = std::optional<ConstantValue>;

bool integers(const ConstantValue& a, const ConstantValue& b) {
    return a.kind == Kind::kInteger && b.kind == Kind::kInteger;
}

// An integer's value as a float, also where only its integer field was set.
double real(const ConstantValue& v) {
    return v.kind == Kind::kInteger ? static_cast<double>(v.integer) : v.number;
}

bool numbers(const ConstantValue& a, const ConstantValue& b) {
    return a.kind != Kind::kString && b.kind != Kind::kString;
}

// Integers wrap at 64 bits, as the dialect's do.
long long wrapping(unsigned long long v) {
    return static_cast<long long>(v);
}

unsigned long long bits(long long v) {
    return static_cast<unsigned long long>(v);
}

Result add(const ConstantValue& a, const ConstantValue& b) {
    if (a.kind == Kind::kString && b.kind == Kind::kString) {
        ConstantValue c = a;
        c.text += b.text;
        return c;
    }
    if (!numbers(a, b)) return std::nullopt;
    if (integers(a, b)) return integerValue(wrapping(bits(a.integer) + bits(b.integer)));
    return floatValue(real(a) + real(b));
}

Result subtract(const ConstantValue& a, const ConstantValue& b) {
    if (!numbers(a, b)) return std::nullopt;
    if (integers(a, b)) return integerValue(wrapping(bits(a.integer) - bits(b.integer)));
    return floatValue(real(a) - real(b));
}

Result multiply(const ConstantValue& a, const ConstantValue& b) {
    if (!numbers(a, b)) return std::nullopt;
    if (integers(a, b)) return integerValue(wrapping(bits(a.integer) * bits(b.integer)));
    return floatValue(real(a) * real(b));
}

// Between integers the quotient is truncated towards zero; a zero divisor is no value.
Result divide(const ConstantValue& a, const ConstantValue& b) {
    if (!numbers(a, b) || real(b) == 0) return std::nullopt;
    if (integers(a, b)) {
        if (b.integer == -1) return integerValue(wrapping(0 - bits(a.integer)));
        return integerValue(a.integer / b.integer);
    }
    return floatValue(real(a) / real(b));
}

// The remainder keeps the sign of the left operand.
Result remainder(const ConstantValue& a, const ConstantValue& b) {
    if (!integers(a, b) || b.integer == 0) return std::nullopt;
    return integerValue(b.integer == -1 ? 0 : a.integer % b.integer);
}

Result bitOr(const ConstantValue& a, const ConstantValue& b) {
    if (!integers(a, b)) return std::nullopt;
    return integerValue(a.integer | b.integer);
}

Result bitAnd(const ConstantValue& a, const ConstantValue& b) {
    if (!integers(a, b)) return std::nullopt;
    return integerValue(a.integer & b.integer);
}

Result bitXOr(const ConstantValue& a, const ConstantValue& b) {
    if (!integers(a, b)) return std::nullopt;
    return integerValue(a.integer ^ b.integer);
}

// The count is taken modulo 64, as the processor takes it.
Result shiftLeft(const ConstantValue& a, const ConstantValue& b) {
    if (!integers(a, b)) return std::nullopt;
    return integerValue(wrapping(bits(a.integer) << (b.integer & 63)));
}

Result shiftRight(const ConstantValue& a, const ConstantValue& b) {
    if (!integers(a, b)) return std::nullopt;
    return integerValue(a.integer >> (b.integer & 63));
}

// -1, 0 or 1; nullopt between a string and a number.
std::optional<int> order(const ConstantValue& a, const ConstantValue& b) {
    if ((a.kind == Kind::kString) != (b.kind == Kind::kString)) return std::nullopt;
    if (a.kind == Kind::kString) return a.text < b.text ? -1 : a.text > b.text ? 1 : 0;
    if (integers(a, b)) return a.integer < b.integer ? -1 : a.integer > b.integer ? 1 : 0;
    return real(a) < real(b) ? -1 : real(a) > real(b) ? 1 : 0;
}

template <bool (*Test)(int)> Result compare(const ConstantValue& a, const ConstantValue& b) {
    std::optional<int> o = order(a, b);
    if (!o) return std::nullopt;
    return truthValue(Test(*o));
}

bool isEqual(int o) {
    return o == 0;
}
bool isUnequal(int o) {
    return o != 0;
}
bool isLess(int o) {
    return o < 0;
}
bool isGreater(int o) {
    return o > 0;
}
bool isLessOrEqual(int o) {
    return o <= 0;
}
bool isGreaterOrEqual(int o) {
    return o >= 0;
}

Result logicalAnd(const ConstantValue& a, const ConstantValue& b) {
    return truthValue(holds(a) && holds(b));
}

Result logicalOr(const ConstantValue& a, const ConstantValue& b) {
    return truthValue(holds(a) || holds(b));
}

Result logicalXOr(const ConstantValue& a, const ConstantValue& b) {
    return truthValue(holds(a) != holds(b));
}

Result logicalNot(const ConstantValue& a, const ConstantValue&) {
    return truthValue(!holds(a));
}

Result negate(const ConstantValue& a, const ConstantValue&) {
    if (a.kind == Kind::kString) return std::nullopt;
    if (a.kind == Kind::kInteger) return integerValue(wrapping(0 - bits(a.integer)));
    return floatValue(-a.number);
}

Result complement(const ConstantValue& a, const ConstantValue&) {
    if (a.kind != Kind::kInteger) return std::nullopt;
    return integerValue(~a.integer);
}

using C = OperatorClass;
using T = Typing;

// Tightest last. The dialect binds the shifts, "%" and "!" before "|" and "&", those before
// "*" and "/", and And, Or and XOr alike; Not takes a whole comparison ("Not a = 1" is
// "Not (a = 1)"). The script binds "%" with "*" and "|" below comparisons, which is why the
// writer has to add brackets the dialect's text does not have.
constexpr std::array<OperatorRow, 24> kRows = {{
    {L"and", C::kLogical, false, 1, 2, T::kTruth, logicalAnd, L"&&", 4, L""},
    {L"or", C::kLogical, false, 1, 2, T::kTruth, logicalOr, L"||", 3, L""},
    {L"xor", C::kLogical, false, 1, 2, T::kTruth, logicalXOr, L"!==", 8, L""},
    {L"not", C::kNot, true, 2, 3, T::kTruth, logicalNot, L"!", kScriptPrefix, L""},
    {L"=", C::kComparison, false, 3, 4, T::kTruth, compare<isEqual>, L"==", 8, L""},
    {L"<>", C::kComparison, false, 3, 4, T::kTruth, compare<isUnequal>, L"!=", 8, L""},
    {L"<", C::kComparison, false, 3, 4, T::kTruth, compare<isLess>, L"<", 9, L""},
    {L">", C::kComparison, false, 3, 4, T::kTruth, compare<isGreater>, L">", 9, L""},
    {L"<=", C::kComparison, false, 3, 4, T::kTruth, compare<isLessOrEqual>, L"<=", 9, L""},
    {L"=<", C::kComparison, false, 3, 4, T::kTruth, compare<isLessOrEqual>, L"<=", 9, L""},
    {L">=", C::kComparison, false, 3, 4, T::kTruth, compare<isGreaterOrEqual>, L">=", 9, L""},
    {L"=>", C::kComparison, false, 3, 4, T::kTruth, compare<isGreaterOrEqual>, L">=", 9, L""},
    {L"+", C::kAddition, false, 4, 5, T::kSum, add, L"+", 11, L"QLCX_Add"},
    {L"-", C::kAddition, false, 4, 5, T::kArithmetic, subtract, L"-", 11, L"QLCX_Sub"},
    {L"*", C::kProduct, false, 5, 6, T::kArithmetic, multiply, L"*", 12, L"QLCX_Mul"},
    {L"/", C::kDivision, false, 5, 6, T::kQuotient, divide, L"/", 12, L"QLCX_Div"},
    {L"|", C::kBitwise, false, 6, 7, T::kWhole, bitOr, L"|", 5, L"QLCX_BitOr"},
    {L"&", C::kBitwise, false, 6, 7, T::kWhole, bitAnd, L"&", 7, L"QLCX_BitAnd"},
    {L"!", C::kBitwise, false, 7, 8, T::kWhole, bitXOr, L"^", 6, L"QLCX_BitXOr"},
    {L"<<", C::kShift, false, 7, 8, T::kWhole, shiftLeft, L"<<", 10, L"QLCX_Shl"},
    {L">>", C::kShift, false, 7, 8, T::kWhole, shiftRight, L">>", 10, L"QLCX_Shr"},
    {L"%", C::kRemainder, false, 7, 8, T::kArithmetic, remainder, L"%", 12, L"QLCX_Mod"},
    {L"-", C::kMinus, true, 8, 8, T::kOperand, negate, L"-", kScriptPrefix, L"QLCX_Neg"},
    {L"~", C::kComplement, true, 8, 8, T::kWhole, complement, L"~", kScriptPrefix,
     L"QLCX_Complement"},
}};

const OperatorRow* find(std::wstring_view spelling, bool prefix) {
    for (const OperatorRow& row : kRows)
        if (row.prefix == prefix && equalsIgnoreCase(row.spelling, spelling)) return &row;
    return nullptr;
}

} // namespace

std::span<const OperatorRow> operatorRows() {
    static_assert(kRows.size() < 0xFF, "a row's place fits OperatorRef's byte");
    return kRows;
}

const OperatorRow* binaryOperator(std::wstring_view spelling) {
    return find(spelling, false);
}

const OperatorRow* prefixOperator(std::wstring_view spelling) {
    return find(spelling, true);
}

std::wstring_view scriptSpelling(std::wstring_view spelling) {
    const OperatorRow* row = binaryOperator(spelling);
    if (row == nullptr) row = prefixOperator(spelling);
    return row != nullptr ? row->script : spelling;
}

} // namespace qc
