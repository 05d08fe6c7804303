#include "translator/source/conditional_compilation.h"

#include "common/text.h"
#include "translator/source/lexer.h"
#include "vocabulary/statement_list.h"

namespace qc {
namespace {

// Defined(Name, #PB_Kind), the name with or without its "#".
std::optional<ConstantValue> definedValue(const SyntaxTree& tree, const Expr& call,
                                          const DefinedLookup& defined) {
    if (call.children.count != 2) return std::nullopt;
    const Expr& named = tree.expr(call.children, 0);
    const Expr& kind = tree.expr(call.children, 1);
    if ((named.kind != ExprKind::kName && named.kind != ExprKind::kConstant) ||
        kind.kind != ExprKind::kConstant)
        return std::nullopt;
    std::wstring name = toLower(named.text);
    if (!name.empty() && name[0] == L'#') name.erase(0, 1);
    std::wstring lowerKind = toLower(kind.text);
    if (!startsWith(lowerKind, L"#pb_")) return std::nullopt;
    return truthValue(defined(name, lowerKind.substr(4)));
}

// Two constants are one CompilerCase value when the table's "=" says they are equal.
bool sameValue(const ConstantValue& a, const ConstantValue& b) {
    std::optional<ConstantValue> equal = binaryOperator(L"=")->fold(a, b);
    return equal && holds(*equal);
}

// The text after the directive's word: its condition or values.
std::wstring_view argumentOf(std::wstring_view statement, const std::vector<Token>& tokens) {
    if (tokens.size() < 2) return {};
    return trim(statement.substr(static_cast<size_t>(tokens[1].column - 1)), L" \t");
}

} // namespace

// One evaluator for every directive: the constant folder, with Defined() and the calls the
// language pass knows.
std::optional<ConstantValue> ConditionalCompilation::value(std::wstring_view text, long long line,
                                                           bool condition) {
    std::wstring unknown;
    ConstantCall call = [this](const SyntaxTree& tree,
                               const Expr& e) -> std::optional<ConstantValue> {
        if (equalsIgnoreCase(e.text, L"defined")) return definedValue(tree, e, defined_);
        return calls_ ? calls_(tree, e) : std::nullopt;
    };
    std::optional<ConstantValue> v = foldConstant(text, constants_, &unknown, call);
    if (!v && !unknown.empty())
        diag_.error(message::constNotFound(static_cast<int>(line), unknown));
    else if (!v && condition)
        diag_.error(message::notSupported(static_cast<int>(line),
                                          L"compiler condition " + std::wstring(text)));
    return v;
}

long long ConditionalCompilation::evaluate(std::wstring_view condition, long long line) {
    std::optional<ConstantValue> v = value(condition, line, true);
    return v && holds(*v) ? 1 : 0;
}

void ConditionalCompilation::open(bool select, long long line) {
    Block block;
    block.select = select;
    block.outerActive = active();
    block.line = line;
    blocks_.push_back(block);
}

bool ConditionalCompilation::closeBlock(bool select, std::wstring_view closer, long long line) {
    if (blocks_.empty() || blocks_.back().select != select) {
        diag_.error(message::atLine(line, std::wstring(closer) + L" without " +
                                              (select ? L"CompilerSelect" : L"CompilerIf")));
        return false;
    }
    return true;
}

// CompilerElse and CompilerDefault: taken when no branch before was.
void ConditionalCompilation::takeRemainingBranch(bool select, std::wstring_view opener,
                                                 long long line) {
    if (!closeBlock(select, opener, line)) return;
    Block& b = blocks_.back();
    b.active = b.outerActive && !b.taken;
    b.taken = true;
}

bool ConditionalCompilation::take(std::wstring_view statement, const std::vector<Token>& tokens,
                                  long long line) {
    if (tokens.empty() || tokens[0].kind != TokenKind::kName ||
        !startsWithIgnoreCase(tokens[0].text, L"compiler"))
        return false;
    std::wstring lower = toLower(tokens[0].text);
    auto isKeyword = [&lower](std::wstring_view word) { return lower == word; };
    if (isKeyword(L"compilerif")) {
        open(false, line);
        Block& b = blocks_.back();
        b.active = b.taken = b.outerActive && evaluate(argumentOf(statement, tokens), line) != 0;
    } else if (isKeyword(L"compilerelseif")) {
        if (!closeBlock(false, L"CompilerElseIf", line)) return true;
        Block& b = blocks_.back();
        b.active = b.outerActive && !b.taken && evaluate(argumentOf(statement, tokens), line) != 0;
        b.taken = b.taken || b.active;
    } else if (isKeyword(L"compilerelse")) {
        takeRemainingBranch(false, L"CompilerElse", line);
    } else if (isKeyword(L"compilerendif")) {
        if (closeBlock(false, L"CompilerEndIf", line)) blocks_.pop_back();
    } else if (isKeyword(L"compilerselect")) {
        bool outer = active();
        open(true, line);
        if (outer) {
            std::optional<ConstantValue> v = value(argumentOf(statement, tokens), line);
            if (v) blocks_.back().subject = *v;
        }
    } else if (isKeyword(L"compilercase")) {
        if (!closeBlock(true, L"CompilerCase", line)) return true;
        Block& b = blocks_.back();
        b.active = false;
        if (b.outerActive && !b.taken) {
            // "CompilerCase 1, 2": any of the values.
            size_t start = 1;
            for (size_t k = 1; k <= tokens.size() && !b.active; ++k) {
                if (k < tokens.size() && tokens[k].text != L",") continue;
                if (k == start) break;
                size_t from = static_cast<size_t>(tokens[start].column - 1);
                const Token& last = tokens[k - 1];
                size_t to = static_cast<size_t>(last.column - 1) + last.text.size();
                std::optional<ConstantValue> v = value(statement.substr(from, to - from), line);
                b.active = v && sameValue(*v, b.subject);
                start = k + 1;
            }
            b.taken = b.active;
        }
    } else if (isKeyword(L"compilerdefault")) {
        takeRemainingBranch(true, L"CompilerDefault", line);
    } else if (isKeyword(L"compilerendselect")) {
        if (closeBlock(true, L"CompilerEndSelect", line)) blocks_.pop_back();
    } else if (isKeyword(L"compilererror")) {
        if (active()) {
            std::optional<ConstantValue> v = value(argumentOf(statement, tokens), line);
            diag_.error(message::atLine(line, v ? v->text : std::wstring(statement)));
        }
    } else if (isKeyword(L"compilerwarning")) {
        // A warning of the program's own has no place in the conversion's messages.
    } else {
        return false;
    }
    return true;
}

void ConditionalCompilation::finish() {
    for (const Block& b : blocks_)
        diag_.error(message::withoutEnd(static_cast<int>(b.line),
                                        b.select ? L"CompilerSelect" : L"CompilerIf",
                                        b.select ? L"CompilerEndSelect" : L"CompilerEndIf"));
    blocks_.clear();
}

} // namespace qc
