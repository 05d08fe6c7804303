#include "translator/source/constant_folder.h"

#include "common/text.h"
#include "tables/constant_table.h"
#include "translator/language/script_literals.h"
#include "translator/source/parser.h"

#include <cmath>
#include <cstdio>

namespace qc {

namespace {

using Kind = ConstantValue::Kind;

// Walks an expression of the tree; any part without a value leaves ok_ false and the caller
// gets none.
class Folder {
public:
    Folder(const SyntaxTree& tree, const ConstantLookup& lookup, const ConstantCall& call)
        : tree_(tree), lookup_(lookup), call_(call) {}

    std::optional<ConstantValue> run(NodeId id, std::wstring* unknown) {
        ConstantValue v = value(id);
        if (unknown != nullptr) *unknown = unknown_;
        if (!ok_) return std::nullopt;
        return v;
    }

private:
    ConstantValue fail() {
        ok_ = false;
        return {};
    }

    ConstantValue value(NodeId id) {
        const Expr& e = tree_.exprs[id];
        switch (e.kind) {
        case ExprKind::kNumber:
            return number(e.text);
        case ExprKind::kCharacter:
            return integerValue(e.text.size() > 2 ? e.text[1] : 0);
        case ExprKind::kString: {
            // A "~" string's escapes are the page's to read; its value is not known here.
            if (e.text.size() < 2 || e.text[0] != L'"' || e.text.back() != L'"') return fail();
            ConstantValue v;
            v.kind = Kind::kString;
            v.text = std::wstring(e.text.substr(1, e.text.size() - 2));
            return v;
        }
        case ExprKind::kConstant:
            return constant(e.text.substr(1));
        case ExprKind::kCall: {
            std::optional<ConstantValue> v = call_ ? call_(tree_, e) : std::nullopt;
            return v ? *v : fail();
        }
        case ExprKind::kUnary: {
            ConstantValue a = value(tree_.child(e.children, 0));
            return ok_ ? apply(*e.op, a, a) : a;
        }
        case ExprKind::kBinary: {
            ConstantValue a = value(tree_.child(e.children, 0));
            if (!ok_) return a;
            ConstantValue b = value(tree_.child(e.children, 1));
            return ok_ ? apply(*e.op, a, b) : b;
        }
        default:
            return fail();
        }
    }

    ConstantValue apply(const OperatorRow& row, const ConstantValue& a, const ConstantValue& b) {
        std::optional<ConstantValue> v = row.fold(a, b);
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

    const SyntaxTree& tree_;
    const ConstantLookup& lookup_;
    const ConstantCall& call_;
    bool ok_ = true;
    std::wstring unknown_;
};

} // namespace

std::optional<ConstantValue> evaluateConstant(const SyntaxTree& tree, NodeId id,
                                              const ConstantLookup& lookup, std::wstring* unknown,
                                              const ConstantCall& call) {
    return Folder(tree, lookup, call).run(id, unknown);
}

std::optional<ConstantValue> foldConstant(std::wstring_view expression,
                                          const ConstantLookup& lookup, std::wstring* unknown,
                                          const ConstantCall& call, const ProgramFacts* modules) {
    SyntaxTree tree;
    NodeId id = parseExpression(expression, tree, modules);
    if (id == kNoNode) return std::nullopt;
    return evaluateConstant(tree, id, lookup, unknown, call);
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
        text = withPointedExponent(toWide(buffer));
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
