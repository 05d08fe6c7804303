#include "translator/source/conditional_compilation.h"

#include "common/text.h"
#include "translator/source/lexer.h"
#include "vocabulary/statement_list.h"

namespace qc {
namespace {

bool isWordToken(const Token& token, std::wstring_view word) {
    return token.kind == TokenKind::kName && equalsIgnoreCase(token.text, word);
}

bool isComparison(const Token& token) {
    if (token.kind != TokenKind::kOperator) return false;
    for (std::wstring_view op : {L"=", L"<>", L"<", L">", L"<=", L">=", L"=<", L"=>"})
        if (token.text == op) return true;
    return false;
}

bool isLogical(const Token& token) {
    return isWordToken(token, L"and") || isWordToken(token, L"or") || isWordToken(token, L"xor");
}

int compareValues(const ConstantValue& a, const ConstantValue& b, bool& comparable) {
    using Kind = ConstantValue::Kind;
    comparable = (a.kind == Kind::kString) == (b.kind == Kind::kString);
    if (!comparable) return 0;
    if (a.kind == Kind::kString) return a.text < b.text ? -1 : a.text > b.text ? 1 : 0;
    if (a.kind == Kind::kInteger && b.kind == Kind::kInteger)
        return a.integer < b.integer ? -1 : a.integer > b.integer ? 1 : 0;
    double x = a.kind == Kind::kInteger ? static_cast<double>(a.integer) : a.number;
    double y = b.kind == Kind::kInteger ? static_cast<double>(b.integer) : b.number;
    return x < y ? -1 : x > y ? 1 : 0;
}

bool holds(const ConstantValue& v) {
    using Kind = ConstantValue::Kind;
    if (v.kind == Kind::kString) return !v.text.empty();
    return v.kind == Kind::kInteger ? v.integer != 0 : v.number != 0;
}

// A condition over the tokens of one directive: Or, And and XOr (alike, left to right, as
// the dialect binds them), Not, comparisons between constant expressions, Defined().
class ConditionParser {
public:
    ConditionParser(std::wstring_view text,
                    const std::function<std::optional<ConstantValue>(std::wstring_view)>& fold,
                    const DefinedLookup& defined)
        : text_(text), tokens_(lexLine(text)), fold_(fold), defined_(defined) {}

    // nullopt when some part is no constant expression.
    std::optional<bool> parse() {
        std::optional<bool> v = logical();
        if (i_ != tokens_.size()) return std::nullopt;
        return v;
    }

private:
    std::optional<bool> logical() {
        std::optional<bool> v = negation();
        while (v && i_ < tokens_.size() && isLogical(tokens_[i_])) {
            std::wstring_view op = tokens_[i_++].text;
            std::optional<bool> r = negation();
            if (!r) return std::nullopt;
            v = equalsIgnoreCase(op, L"and")  ? (*v && *r)
                : equalsIgnoreCase(op, L"or") ? (*v || *r)
                                              : (*v != *r);
        }
        return v;
    }

    std::optional<bool> negation() {
        if (i_ < tokens_.size() && isWordToken(tokens_[i_], L"not")) {
            ++i_;
            std::optional<bool> v = negation();
            if (!v) return std::nullopt;
            return !*v;
        }
        return comparison();
    }

    std::optional<bool> comparison() {
        // "(a Or b)": a bracket around a whole condition.
        size_t end = operandEnd(i_);
        if (end > i_ + 1 && tokens_[i_].text == L"(" && tokens_[end - 1].text == L")" &&
            closes(i_, end - 1) && holdsCondition(i_ + 1, end - 1)) {
            ConditionParser inner(slice(i_ + 1, end - 1), fold_, defined_);
            i_ = end;
            return inner.parse();
        }
        std::optional<ConstantValue> left = operand();
        if (!left) return std::nullopt;
        if (i_ >= tokens_.size() || !isComparison(tokens_[i_])) return holds(*left);
        std::wstring_view op = tokens_[i_++].text;
        std::optional<ConstantValue> right = operand();
        if (!right) return std::nullopt;
        bool comparable = false;
        int order = compareValues(*left, *right, comparable);
        if (!comparable) return std::nullopt;
        if (op == L"=") return order == 0;
        if (op == L"<>") return order != 0;
        if (op == L"<") return order < 0;
        if (op == L">") return order > 0;
        if (op == L"<=" || op == L"=<") return order <= 0;
        return order >= 0;
    }

    std::optional<ConstantValue> operand() {
        size_t end = operandEnd(i_);
        if (end == i_) return std::nullopt;
        size_t start = i_;
        i_ = end;
        if (end - start >= 4 && isWordToken(tokens_[start], L"defined") &&
            tokens_[start + 1].text == L"(")
            return definedValue(start + 2, end);
        return fold_(slice(start, end));
    }

    // Defined(Name, #PB_Kind), the name with or without its "#".
    std::optional<ConstantValue> definedValue(size_t first, size_t end) {
        if (end - first != 4 || tokens_[first + 1].text != L"," || tokens_[end - 1].text != L")")
            return std::nullopt;
        std::wstring name = toLower(tokens_[first].text);
        if (!name.empty() && name[0] == L'#') name.erase(0, 1);
        std::wstring kind = toLower(tokens_[first + 2].text);
        if (!startsWith(kind, L"#pb_")) return std::nullopt;
        ConstantValue v;
        v.integer = defined_(name, kind.substr(4)) ? 1 : 0;
        return v;
    }

    // The end of the operand that starts at `from`: the next comparison, logical word or
    // unmatched ")" outside brackets.
    size_t operandEnd(size_t from) const {
        int depth = 0;
        size_t k = from;
        for (; k < tokens_.size(); ++k) {
            const Token& t = tokens_[k];
            if (t.text == L"(" && t.kind == TokenKind::kOperator) ++depth;
            if (t.text == L")" && t.kind == TokenKind::kOperator && --depth < 0) break;
            if (depth == 0 && (isComparison(t) || isLogical(t))) break;
        }
        return k;
    }

    bool closes(size_t open, size_t close) const {
        int depth = 0;
        for (size_t k = open; k <= close; ++k) {
            if (tokens_[k].text == L"(") ++depth;
            if (tokens_[k].text == L")" && --depth == 0) return k == close;
        }
        return false;
    }

    bool holdsCondition(size_t from, size_t to) const {
        int depth = 0;
        for (size_t k = from; k < to; ++k) {
            if (tokens_[k].text == L"(") ++depth;
            if (tokens_[k].text == L")") --depth;
            if (depth == 0 && (isComparison(tokens_[k]) || isLogical(tokens_[k]) ||
                               isWordToken(tokens_[k], L"not")))
                return true;
        }
        return false;
    }

    std::wstring_view slice(size_t from, size_t to) const {
        size_t begin = static_cast<size_t>(tokens_[from].column - 1);
        const Token& last = tokens_[to - 1];
        size_t end = static_cast<size_t>(last.column - 1) + last.text.size();
        return text_.substr(begin, end - begin);
    }

    std::wstring_view text_;
    std::vector<Token> tokens_;
    const std::function<std::optional<ConstantValue>(std::wstring_view)>& fold_;
    const DefinedLookup& defined_;
    size_t i_ = 0;
};

std::wstring_view argumentOf(std::wstring_view statement, size_t keywordLength) {
    return trim(statement.substr(std::min(keywordLength, statement.size())), L" ");
}

bool isKeyword(std::wstring_view lower, std::wstring_view keyword) {
    return startsWith(lower, keyword) &&
           (lower.size() == keyword.size() || !isNameChar(lower[keyword.size()]));
}

} // namespace

std::optional<ConstantValue> ConditionalCompilation::value(std::wstring_view text, long long line) {
    std::wstring unknown;
    std::optional<ConstantValue> v = foldConstant(text, constants_, &unknown);
    if (!v && !unknown.empty())
        diag_.error(message::constNotFound(static_cast<int>(line), unknown));
    return v;
}

long long ConditionalCompilation::evaluate(std::wstring_view condition, long long line) {
    size_t before = diag_.errors().size();
    bool reported = false;
    std::function<std::optional<ConstantValue>(std::wstring_view)> fold =
        [&](std::wstring_view text) -> std::optional<ConstantValue> {
        if (reported) return foldConstant(text, constants_);
        std::optional<ConstantValue> v = value(text, line);
        reported = diag_.errors().size() > before;
        return v;
    };
    ConditionParser parser(condition, fold, defined_);
    std::optional<bool> v = parser.parse();
    if (!v && !reported)
        diag_.error(message::notSupported(static_cast<int>(line),
                                          L"compiler condition " + std::wstring(condition)));
    return v.value_or(false) ? 1 : 0;
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

bool ConditionalCompilation::take(std::wstring_view statement, std::wstring_view lower,
                                  long long line) {
    if (!startsWith(lower, L"compiler")) return false;
    if (isKeyword(lower, L"compilerif")) {
        open(false, line);
        Block& b = blocks_.back();
        b.active = b.taken = b.outerActive && evaluate(argumentOf(statement, 10), line) != 0;
    } else if (isKeyword(lower, L"compilerelseif")) {
        if (!closeBlock(false, L"CompilerElseIf", line)) return true;
        Block& b = blocks_.back();
        b.active = b.outerActive && !b.taken && evaluate(argumentOf(statement, 14), line) != 0;
        b.taken = b.taken || b.active;
    } else if (isKeyword(lower, L"compilerelse")) {
        takeRemainingBranch(false, L"CompilerElse", line);
    } else if (isKeyword(lower, L"compilerendif")) {
        if (closeBlock(false, L"CompilerEndIf", line)) blocks_.pop_back();
    } else if (isKeyword(lower, L"compilerselect")) {
        bool outer = active();
        open(true, line);
        if (outer) {
            std::optional<ConstantValue> v = value(argumentOf(statement, 14), line);
            if (v) blocks_.back().subject = *v;
        }
    } else if (isKeyword(lower, L"compilercase")) {
        if (!closeBlock(true, L"CompilerCase", line)) return true;
        Block& b = blocks_.back();
        b.active = false;
        if (b.outerActive && !b.taken) {
            // "CompilerCase 1, 2": any of the values.
            std::wstring_view values = argumentOf(statement, 12);
            std::vector<Token> tokens = lexLine(values);
            size_t start = 0;
            for (size_t k = 0; k <= tokens.size() && !b.active; ++k) {
                if (k < tokens.size() && tokens[k].text != L",") continue;
                if (k == start) break;
                size_t from = static_cast<size_t>(tokens[start].column - 1);
                const Token& last = tokens[k - 1];
                size_t to = static_cast<size_t>(last.column - 1) + last.text.size();
                std::optional<ConstantValue> v = value(values.substr(from, to - from), line);
                bool comparable = false;
                b.active = v && compareValues(*v, b.subject, comparable) == 0 && comparable;
                start = k + 1;
            }
            b.taken = b.active;
        }
    } else if (isKeyword(lower, L"compilerdefault")) {
        takeRemainingBranch(true, L"CompilerDefault", line);
    } else if (isKeyword(lower, L"compilerendselect")) {
        if (closeBlock(true, L"CompilerEndSelect", line)) blocks_.pop_back();
    } else if (isKeyword(lower, L"compilererror")) {
        if (active()) {
            std::optional<ConstantValue> v = value(argumentOf(statement, 13), line);
            diag_.error(message::atLine(line, v ? v->text : std::wstring(statement)));
        }
    } else if (isKeyword(lower, L"compilerwarning")) {
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
