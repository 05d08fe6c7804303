#include "translator/constant_folder.h"

#include "common/text.h"
#include "tables/constant_table.h"

#include <cmath>
#include <cstdio>

namespace qc {

bool ConstantValue::operator==(const ConstantValue& other) const {
    if (kind != other.kind) return false;
    if (kind == Kind::kString) return text == other.text;
    if (kind == Kind::kFloat) return number == other.number;
    return integer == other.integer;
}

namespace {

using Kind = ConstantValue::Kind;

ConstantValue integerValue(long long v) {
    ConstantValue c;
    c.integer = v;
    c.number = static_cast<double>(v);
    return c;
}

ConstantValue floatValue(double v) {
    ConstantValue c;
    c.kind = Kind::kFloat;
    c.number = v;
    return c;
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool isNameChar(wchar_t c) {
    return isDigit(c) || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_' ||
           c == L'$';
}

// A recursive descent over one expression; any failure leaves ok_ false and the caller
// gets no value.
class Folder {
public:
    Folder(std::wstring_view text, const ConstantLookup& lookup) : s_(text), lookup_(lookup) {}

    std::optional<ConstantValue> run(std::wstring* unknown) {
        ConstantValue v = sum();
        skipBlanks();
        if (unknown != nullptr) *unknown = unknown_;
        if (!ok_ || at_ != s_.size()) return std::nullopt;
        return v;
    }

private:
    void skipBlanks() {
        while (at_ < s_.size() && (s_[at_] == L' ' || s_[at_] == L'\t')) ++at_;
    }

    bool take(std::wstring_view op) {
        skipBlanks();
        if (s_.substr(at_, op.size()) != op) return false;
        at_ += op.size();
        return true;
    }

    ConstantValue fail() {
        ok_ = false;
        return {};
    }

    static bool bothIntegers(const ConstantValue& a, const ConstantValue& b) {
        return a.kind == Kind::kInteger && b.kind == Kind::kInteger;
    }

    // Integers stay exact; a float on either side makes the result a float.
    ConstantValue arithmetic(const ConstantValue& a, const ConstantValue& b, wchar_t op) {
        if (a.kind == Kind::kString || b.kind == Kind::kString) {
            if (op != L'+' || a.kind != b.kind) return fail();
            ConstantValue c = a;
            c.text += b.text;
            return c;
        }
        if (bothIntegers(a, b)) {
            unsigned long long x = static_cast<unsigned long long>(a.integer);
            unsigned long long y = static_cast<unsigned long long>(b.integer);
            switch (op) {
            case L'+':
                return integerValue(static_cast<long long>(x + y));
            case L'-':
                return integerValue(static_cast<long long>(x - y));
            case L'*':
                return integerValue(static_cast<long long>(x * y));
            case L'/':
                if (b.integer == 0) return fail();
                return integerValue(a.integer / b.integer);
            default:
                break;
            }
        }
        switch (op) {
        case L'+':
            return floatValue(a.number + b.number);
        case L'-':
            return floatValue(a.number - b.number);
        case L'*':
            return floatValue(a.number * b.number);
        default:
            return b.number == 0 ? fail() : floatValue(a.number / b.number);
        }
    }

    ConstantValue bitwise(const ConstantValue& a, const ConstantValue& b, std::wstring_view op) {
        if (!bothIntegers(a, b)) return fail();
        long long x = a.integer;
        long long y = b.integer;
        if (op == L"|") return integerValue(x | y);
        if (op == L"&") return integerValue(x & y);
        if (op == L"!") return integerValue(x ^ y);
        if (op == L"%") return y == 0 ? fail() : integerValue(x % y);
        if (y < 0 || y > 63) return integerValue(op == L"<<" ? 0 : (x < 0 ? -1 : 0));
        if (op == L"<<")
            return integerValue(static_cast<long long>(static_cast<unsigned long long>(x) << y));
        return integerValue(x >> y);
    }

    ConstantValue sum() {
        ConstantValue v = product();
        while (ok_) {
            if (take(L"+"))
                v = arithmetic(v, product(), L'+');
            else if (take(L"-"))
                v = arithmetic(v, product(), L'-');
            else
                break;
        }
        return v;
    }

    ConstantValue product() {
        ConstantValue v = orAnd();
        while (ok_) {
            if (take(L"*"))
                v = arithmetic(v, orAnd(), L'*');
            else if (take(L"/"))
                v = arithmetic(v, orAnd(), L'/');
            else
                break;
        }
        return v;
    }

    ConstantValue orAnd() {
        ConstantValue v = shifts();
        while (ok_) {
            if (take(L"|"))
                v = bitwise(v, shifts(), L"|");
            else if (take(L"&"))
                v = bitwise(v, shifts(), L"&");
            else
                break;
        }
        return v;
    }

    ConstantValue shifts() {
        ConstantValue v = unary();
        while (ok_) {
            std::wstring_view op;
            for (std::wstring_view candidate : {L"<<", L">>", L"%", L"!"})
                if (take(candidate)) {
                    op = candidate;
                    break;
                }
            if (op.empty()) break;
            v = bitwise(v, unary(), op);
        }
        return v;
    }

    ConstantValue unary() {
        if (take(L"-")) {
            ConstantValue v = unary();
            if (v.kind == Kind::kString) return fail();
            return v.kind == Kind::kInteger ? integerValue(-v.integer) : floatValue(-v.number);
        }
        if (take(L"~")) {
            ConstantValue v = unary();
            return v.kind == Kind::kInteger ? integerValue(~v.integer) : fail();
        }
        if (take(L"(")) {
            ConstantValue v = sum();
            return take(L")") ? v : fail();
        }
        return operand();
    }

    ConstantValue operand() {
        skipBlanks();
        if (at_ >= s_.size()) return fail();
        wchar_t c = s_[at_];
        if (c == L'"') {
            size_t close = s_.find(L'"', at_ + 1);
            if (close == std::wstring_view::npos) return fail();
            ConstantValue v;
            v.kind = Kind::kString;
            v.text = std::wstring(s_.substr(at_ + 1, close - at_ - 1));
            at_ = close + 1;
            return v;
        }
        if (c == L'\'') {
            size_t close = s_.find(L'\'', at_ + 1);
            if (close == std::wstring_view::npos) return fail();
            long long code = close > at_ + 1 ? s_[at_ + 1] : 0;
            at_ = close + 1;
            return integerValue(code);
        }
        if (c == L'$' || c == L'%') return radixNumber(c == L'$' ? 16 : 2);
        if (isDigit(c) || c == L'.') return decimalNumber();
        if (c == L'#') return constant();
        return fail();
    }

    ConstantValue radixNumber(int radix) {
        ++at_;
        unsigned long long v = 0;
        size_t start = at_;
        for (; at_ < s_.size(); ++at_) {
            wchar_t d = toLowerChar(s_[at_]);
            int digit = isDigit(d) ? d - L'0' : (d >= L'a' && d <= L'f') ? d - L'a' + 10 : 99;
            if (digit >= radix) break;
            v = v * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        }
        return at_ == start ? fail() : integerValue(static_cast<long long>(v));
    }

    ConstantValue decimalNumber() {
        size_t start = at_;
        bool isFloat = false;
        while (at_ < s_.size() && (isDigit(s_[at_]) || s_[at_] == L'.')) {
            isFloat = isFloat || s_[at_] == L'.';
            ++at_;
        }
        if (at_ < s_.size() && (s_[at_] == L'e' || s_[at_] == L'E')) {
            size_t e = at_ + 1;
            if (e < s_.size() && (s_[e] == L'-' || s_[e] == L'+')) ++e;
            if (e < s_.size() && isDigit(s_[e])) {
                isFloat = true;
                for (at_ = e; at_ < s_.size() && isDigit(s_[at_]);) ++at_;
            }
        }
        std::string digits;
        for (wchar_t d : s_.substr(start, at_ - start)) digits += static_cast<char>(d);
        if (!isFloat)
            return integerValue(static_cast<long long>(std::strtoull(digits.c_str(), nullptr, 10)));
        return floatValue(std::strtod(digits.c_str(), nullptr));
    }

    ConstantValue constant() {
        size_t start = ++at_;
        while (at_ < s_.size() && isNameChar(s_[at_]) && !(at_ > start && s_[at_ - 1] == L'$'))
            ++at_;
        std::wstring name = toLower(s_.substr(start, at_ - start));
        if (name.empty()) return fail();
        if (auto v = lookup_(name)) return *v;
        if (auto v = builtInConstant(name)) return *v;
        if (unknown_.empty()) unknown_ = L"#" + std::wstring(s_.substr(start, at_ - start));
        return fail();
    }

    std::wstring_view s_;
    const ConstantLookup& lookup_;
    size_t at_ = 0;
    bool ok_ = true;
    std::wstring unknown_;
};

} // namespace

std::optional<ConstantValue> foldConstant(std::wstring_view expression,
                                          const ConstantLookup& lookup, std::wstring* unknown) {
    return Folder(trim(expression, L" \t"), lookup).run(unknown);
}

std::wstring constantSource(const ConstantValue& value) {
    if (value.kind == Kind::kString) return L"\"" + value.text + L"\"";
    std::wstring text;
    if (value.kind == Kind::kInteger) {
        text = std::to_wstring(value.integer);
    } else {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", value.number);
        // The shortest form that reads back as the same number.
        for (int digits = 1; digits <= 17; ++digits) {
            char shorter[40];
            std::snprintf(shorter, sizeof shorter, "%.*g", digits, value.number);
            if (std::strtod(shorter, nullptr) == value.number) {
                std::snprintf(buffer, sizeof buffer, "%s", shorter);
                break;
            }
        }
        text = toWide(buffer);
        if (text.find_first_of(L".en") == std::wstring::npos) text += L".0";
    }
    return startsWith(text, L"-") ? L"(" + text + L")" : text;
}

std::optional<ConstantValue> builtInConstant(const std::wstring& lowerName) {
    std::optional<std::wstring> text = resolveConstant(L"#" + lowerName);
    if (!text) return std::nullopt;
    if (startsWith(*text, L"\"")) {
        ConstantValue v;
        v.kind = Kind::kString;
        v.text = text->substr(1, text->size() - 2);
        return v;
    }
    if (*text == L"Math.PI") return floatValue(3.141592653589793);
    std::wstring_view t = *text;
    bool negative = startsWith(t, L"-");
    if (negative) t.remove_prefix(1);
    if (t.empty() || t.find_first_not_of(L"0123456789") != std::wstring_view::npos)
        return std::nullopt;
    long long v = parseDecimal(t);
    return integerValue(negative ? -v : v);
}

} // namespace qc
