#include "translator/source/constant_folder.h"

#include "common/text.h"
#include "tables/constant_table.h"

#include <cmath>
#include <cstdio>

namespace qc {

namespace {

using Kind = ConstantValue::Kind;

// Precedence climbing over the lexer's tokens of one expression, with the operator table's
// binding and values; any failure leaves ok_ false and the caller gets no value.
class Folder {
public:
    Folder(std::wstring_view text, const ConstantLookup& lookup, const ConstantCall& call)
        : tokens_(lexLine(text)), lookup_(lookup), call_(call) {}

    std::optional<ConstantValue> run(std::wstring* unknown) {
        ConstantValue v = expression(0);
        if (unknown != nullptr) *unknown = unknown_;
        if (!ok_ || at_ != tokens_.size()) return std::nullopt;
        return v;
    }

private:
    bool atOperator(std::wstring_view op) const {
        return at_ < tokens_.size() && tokens_[at_].kind == TokenKind::kOperator &&
               tokens_[at_].text == op;
    }

    ConstantValue fail() {
        ok_ = false;
        return {};
    }

    ConstantValue apply(const OperatorRow& row, const ConstantValue& a, const ConstantValue& b) {
        std::optional<ConstantValue> v = row.fold(a, b);
        return v ? *v : fail();
    }

    // A binary operator of the table at the current token: a symbol, or And, Or, XOr.
    const OperatorRow* binaryHere() const {
        if (at_ >= tokens_.size()) return nullptr;
        const Token& t = tokens_[at_];
        if (t.kind != TokenKind::kOperator && t.kind != TokenKind::kName) return nullptr;
        return binaryOperator(t.text);
    }

    ConstantValue expression(int minPrecedence) {
        ConstantValue v = unary();
        while (ok_) {
            const OperatorRow* row = binaryHere();
            if (row == nullptr || row->precedence < minPrecedence) break;
            ++at_;
            ConstantValue right = expression(row->operandPrecedence);
            if (!ok_) break;
            v = apply(*row, v, right);
        }
        return v;
    }

    ConstantValue unary() {
        if (at_ < tokens_.size() &&
            (tokens_[at_].kind == TokenKind::kOperator || tokens_[at_].kind == TokenKind::kName)) {
            if (const OperatorRow* row = prefixOperator(tokens_[at_].text)) {
                ++at_;
                ConstantValue v = expression(row->operandPrecedence);
                return ok_ ? apply(*row, v, v) : v;
            }
        }
        if (atOperator(L"(")) {
            ++at_;
            ConstantValue v = expression(0);
            if (!ok_ || !atOperator(L")")) return fail();
            ++at_;
            return v;
        }
        return operand();
    }

    ConstantValue operand() {
        if (at_ >= tokens_.size()) return fail();
        const Token& t = tokens_[at_++];
        switch (t.kind) {
        case TokenKind::kString: {
            if (t.text.size() < 2 || t.text[0] != L'"' || t.text.back() != L'"') return fail();
            ConstantValue v;
            v.kind = Kind::kString;
            v.text = std::wstring(t.text.substr(1, t.text.size() - 2));
            return v;
        }
        case TokenKind::kCharacter:
            return integerValue(t.text.size() > 2 ? t.text[1] : 0);
        case TokenKind::kNumber:
            return number(t.text);
        case TokenKind::kConstant:
            return constant(t.text.substr(1));
        case TokenKind::kName:
            return atOperator(L"(") ? callValue(t.text) : fail();
        default:
            return fail();
        }
    }

    // "Defined(...)" and the like: the hook reads the tokens between the brackets.
    ConstantValue callValue(std::wstring_view name) {
        size_t open = at_++;
        int depth = 1;
        while (at_ < tokens_.size() && depth > 0) {
            const Token& t = tokens_[at_++];
            if (t.kind != TokenKind::kOperator) continue;
            if (t.text == L"(") ++depth;
            if (t.text == L")") --depth;
        }
        if (depth != 0 || !call_) return fail();
        std::span<const Token> inside(tokens_.data() + open + 1, at_ - open - 2);
        std::optional<ConstantValue> v = call_(name, inside);
        return v ? *v : fail();
    }

    static ConstantValue number(std::wstring_view text) {
        if (text[0] == L'$' || text[0] == L'%') {
            unsigned radix = text[0] == L'$' ? 16 : 2;
            unsigned long long v = 0;
            for (wchar_t c : text.substr(1)) {
                wchar_t d = toLowerChar(c);
                v = v * radix + static_cast<unsigned>(d <= L'9' ? d - L'0' : d - L'a' + 10);
            }
            return integerValue(static_cast<long long>(v));
        }
        std::string digits;
        for (wchar_t d : text) digits += static_cast<char>(d);
        if (text.find_first_of(L".eE") == std::wstring_view::npos)
            return integerValue(static_cast<long long>(std::strtoull(digits.c_str(), nullptr, 10)));
        return floatValue(std::strtod(digits.c_str(), nullptr));
    }

    ConstantValue constant(std::wstring_view written) {
        std::wstring name = toLower(written);
        if (auto v = lookup_(name)) return *v;
        if (auto v = builtInConstant(name)) return *v;
        if (unknown_.empty()) unknown_ = L"#" + std::wstring(written);
        return fail();
    }

    std::vector<Token> tokens_;
    const ConstantLookup& lookup_;
    const ConstantCall& call_;
    size_t at_ = 0;
    bool ok_ = true;
    std::wstring unknown_;
};

} // namespace

std::optional<ConstantValue> foldConstant(std::wstring_view expression,
                                          const ConstantLookup& lookup, std::wstring* unknown,
                                          const ConstantCall& call) {
    return Folder(expression, lookup, call).run(unknown);
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
