#include "translator/semantics/value_types.h"

#include "common/text.h"
#include "tables/command_types.h"

namespace qc {

ValueType typeOfSuffix(std::wstring_view suffix, std::wstring_view name) {
    if (suffix.empty()) {
        bool text = !name.empty() && name.back() == L'$';
        return text ? ValueType{ValueKind::kString, L's'} : ValueType{ValueKind::kInteger, L'i'};
    }
    std::wstring letter = toLower(suffix.substr(1, suffix.find(L'{') - 1));
    if (letter == L"s") return {ValueKind::kString, L's'};
    if (letter == L"f" || letter == L"d") return {ValueKind::kFloat, L'f'};
    if (letter.size() == 1 && std::wstring_view(L"iqlwbauc").find(letter[0]) != std::wstring::npos)
        return {ValueKind::kInteger, letter[0]};
    return {};
}

ValueType VariableTypes::declare(std::wstring_view name, std::wstring_view suffix) {
    auto [it, fresh] = types_.try_emplace(toLower(name));
    if (fresh) {
        it->second = typeOfSuffix(suffix, name);
        order_.push_back(it->first);
    }
    return it->second;
}

ValueType VariableTypes::of(std::wstring_view name) const {
    auto it = types_.find(toLower(name));
    return it == types_.end() ? typeOfSuffix({}, name) : it->second;
}

namespace {

constexpr ValueType kInteger{ValueKind::kInteger, L'i'};
constexpr ValueType kFloat{ValueKind::kFloat, L'f'};
constexpr ValueType kString{ValueKind::kString, L's'};
constexpr ValueType kTruth{ValueKind::kTruth, L'i'};

bool numeric(ValueType t) {
    return t.kind == ValueKind::kInteger || t.kind == ValueKind::kTruth;
}

ValueType combined(Typing typing, ValueType a, ValueType b) {
    switch (typing) {
    case Typing::kTruth:
        return kTruth;
    case Typing::kWhole:
        return kInteger;
    case Typing::kOperand:
        return a.kind == ValueKind::kTruth ? kInteger : a;
    default:
        break;
    }
    if (typing == Typing::kSum && (a.kind == ValueKind::kString || b.kind == ValueKind::kString))
        return kString;
    if (a.kind == ValueKind::kFloat || b.kind == ValueKind::kFloat) return kFloat;
    if (numeric(a) && numeric(b)) return kInteger;
    return {};
}

class Typer {
public:
    Typer(const SyntaxTree& tree, VariableTypes& variables)
        : tree_(tree), variables_(variables), types_(tree.exprs.size()) {}

    std::vector<ValueType> run() {
        statements(tree_.program);
        return std::move(types_);
    }

private:
    void statements(NodeRange range) {
        for (std::uint32_t i = 0; i < range.count; ++i) {
            const Stmt& s = tree_.stmts[tree_.child(range, i)];
            for (std::uint32_t k = 0; k < s.exprs.count; ++k) expr(tree_.child(s.exprs, k));
            statements(s.body);
            statements(s.clauses);
        }
    }

    ValueType expr(NodeId id) {
        const Expr& e = tree_.exprs[id];
        ValueType t;
        switch (e.kind) {
        case ExprKind::kNumber:
            t = e.text.find_first_of(L".eE") != std::wstring_view::npos && e.text[0] != L'$'
                    ? kFloat
                    : kInteger;
            break;
        case ExprKind::kCharacter:
            t = kInteger;
            break;
        case ExprKind::kString:
            t = kString;
            break;
        case ExprKind::kName:
            t = variables_.declare(e.text, e.suffix);
            break;
        case ExprKind::kCall:
            t = call(e);
            break;
        case ExprKind::kUnary:
            t = combined(e.op->typing, operand(e, 0), {});
            break;
        case ExprKind::kBinary:
            t = combined(e.op->typing, operand(e, 0), operand(e, 1));
            break;
        default:
            for (std::uint32_t k = 0; k < e.children.count; ++k) expr(tree_.child(e.children, k));
            break;
        }
        types_[id] = t;
        return t;
    }

    ValueType operand(const Expr& e, std::uint32_t i) { return expr(tree_.child(e.children, i)); }

    ValueType call(const Expr& e) {
        for (std::uint32_t k = 0; k < e.children.count; ++k) expr(tree_.child(e.children, k));
        switch (commandResultType(e.text)) {
        case L'i':
            return kInteger;
        case L'f':
            return kFloat;
        case L's':
            return kString;
        default:
            return {};
        }
    }

    const SyntaxTree& tree_;
    VariableTypes& variables_;
    std::vector<ValueType> types_;
};

} // namespace

std::vector<ValueType> typeTree(const SyntaxTree& tree, VariableTypes& variables) {
    return Typer(tree, variables).run();
}

} // namespace qc
