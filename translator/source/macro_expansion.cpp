#include "translator/source/macro_expansion.h"

#include "common/text.h"
#include "vocabulary/statement_list.h"

#include <algorithm>

namespace qc {
namespace {

size_t startOf(const Token& token) {
    return static_cast<size_t>(token.column - 1);
}

size_t endOf(const Token& token) {
    return startOf(token) + token.text.size();
}

bool isOperator(const Token& token, std::wstring_view text) {
    return token.kind == TokenKind::kOperator && token.text == text;
}

bool isWord(const Token& token, std::wstring_view word) {
    return token.kind == TokenKind::kName && equalsIgnoreCase(token.text, word);
}

// The text of the tokens [first, last) as written, or "" for none.
std::wstring_view span(std::wstring_view text, const std::vector<Token>& tokens, size_t first,
                       size_t last) {
    if (first >= last) return {};
    return text.substr(startOf(tokens[first]), endOf(tokens[last - 1]) - startOf(tokens[first]));
}

// The top-level comma-separated parts of the tokens (open, close): each as [first, last).
std::vector<std::pair<size_t, size_t>> commaParts(const std::vector<Token>& tokens, size_t open,
                                                  size_t close) {
    std::vector<std::pair<size_t, size_t>> parts;
    if (open + 1 == close) return parts;
    size_t first = open + 1;
    for (size_t k = open + 1; k < close; ++k) {
        if (isOperator(tokens[k], L"(") || isOperator(tokens[k], L"[")) {
            k = closingBracket(tokens, k, close);
        } else if (isOperator(tokens[k], L",")) {
            parts.emplace_back(first, k);
            first = k + 1;
        }
    }
    parts.emplace_back(first, close);
    return parts;
}

} // namespace

// ---- definitions

bool MacroExpansion::take(std::wstring_view statement, int line) {
    bool head = startsWithIgnoreCase(statement, L"macro") ||
                startsWithIgnoreCase(statement, L"endmacro") ||
                startsWithIgnoreCase(statement, L"undefinemacro");
    if (!head && !open_) return false;
    std::vector<Token> tokens = lexLine(statement);
    if (tokens.empty()) return open_.has_value();
    bool endMacro = tokens.size() == 1 && isWord(tokens[0], L"endmacro");
    if (open_) {
        if (endMacro) {
            close();
        } else if (isWord(tokens[0], L"macro")) {
            diag_.error(message::notSupported(line, L"Macro inside a macro"));
        } else {
            open_->body.push_back(bodyTokens(statement, *open_));
        }
        return true;
    }
    if (endMacro) {
        diag_.error(message::atLine(line, L"EndMacro without Macro"));
        return true;
    }
    if (isWord(tokens[0], L"macro")) {
        open(tokens, statement, line);
        return true;
    }
    if (isWord(tokens[0], L"undefinemacro")) {
        undefine(tokens, statement, line);
        return true;
    }
    return false;
}

// "Macro Name" or "Macro Name(a, b = 2)". A head it cannot read still opens a macro, so that
// its body is not taken for statements of the program.
void MacroExpansion::open(const std::vector<Token>& tokens, std::wstring_view statement, int line) {
    open_ = Macro{};
    Macro& macro = *open_;
    macro.line = line;
    if (tokens.size() < 2 || tokens[1].kind != TokenKind::kName) {
        diag_.error(message::notSupported(line, statement));
        return;
    }
    macro.name = std::wstring(tokens[1].text);
    if (tokens.size() == 2) return;
    macro.withParameters = true;
    if (!readParameters(macro, statement, tokens, line)) {
        diag_.error(message::notSupported(line, statement));
        macro.name.clear();
    }
}

bool MacroExpansion::readParameters(Macro& macro, std::wstring_view statement,
                                    const std::vector<Token>& tokens, int line) {
    if (!isOperator(tokens[2], L"(") ||
        closingBracket(tokens, 2, tokens.size()) + 1 != tokens.size())
        return false;
    for (auto [first, last] : commaParts(tokens, 2, tokens.size() - 1)) {
        if (first == last || tokens[first].kind != TokenKind::kName) return false;
        std::wstring name = toLower(tokens[first].text);
        if (std::find(macro.parameters.begin(), macro.parameters.end(), name) !=
            macro.parameters.end()) {
            diag_.error(message::atLine(line, L"macro parameter named twice: " + name));
        }
        std::optional<std::wstring> value;
        if (first + 1 < last) {
            if (!isOperator(tokens[first + 1], L"=") || first + 2 == last) return false;
            value = std::wstring(span(statement, tokens, first + 2, last));
        }
        macro.parameters.push_back(std::move(name));
        macro.defaults.push_back(std::move(value));
    }
    return true;
}

// A macro of a name that is defined already keeps its first body: the program has two
// meanings for one name, which is reported.
void MacroExpansion::close() {
    Macro macro = std::move(*open_);
    open_.reset();
    if (macro.name.empty()) return;
    std::wstring key = toLower(macro.name);
    if (macros_.contains(key)) {
        diag_.error(message::atLine(macro.line, L"macro redefined: " + macro.name));
        return;
    }
    macros_.emplace(std::move(key), std::move(macro));
}

// "UndefineMacro Name": later uses of the name are plain names again. A name that is no
// macro is accepted: the program may undefine a macro it only defines in some builds.
void MacroExpansion::undefine(const std::vector<Token>& tokens, std::wstring_view statement,
                              int line) {
    if (tokens.size() != 2 || tokens[1].kind != TokenKind::kName) {
        diag_.error(message::notSupported(line, statement));
        return;
    }
    macros_.erase(toLower(tokens[1].text));
}

void MacroExpansion::finish() {
    if (open_) diag_.error(message::withoutEnd(open_->line, L"Macro", L"EndMacro"));
    open_.reset();
}

// The body statement as tokens, each parameter's name marked. "@x" and "*x" keep their sign
// before the argument. "#" between two tokens without blanks joins them when one of them is
// a parameter: "Macro Field(n) : value#n = 1" with "Field(2)" is "value2 = 1".
std::vector<MacroExpansion::BodyToken> MacroExpansion::bodyTokens(std::wstring_view statement,
                                                                  const Macro& macro) const {
    auto parameterOf = [&macro](std::wstring_view name) {
        auto at = std::find(macro.parameters.begin(), macro.parameters.end(), toLower(name));
        return at == macro.parameters.end() ? -1 : static_cast<int>(at - macro.parameters.begin());
    };
    std::vector<Token> tokens = lexLine(statement);
    std::vector<BodyToken> body;
    size_t end = 0;
    for (size_t k = 0; k < tokens.size(); ++k) {
        const Token& token = tokens[k];
        BodyToken out{std::wstring(statement.substr(end, startOf(token) - end)),
                      std::wstring(token.text), -1};
        end = endOf(token);
        bool touching = !body.empty() && out.gap.empty();
        bool joinsPrevious = touching && body.back().parameter >= 0;
        if (token.kind == TokenKind::kName) {
            out.parameter = parameterOf(token.text);
        } else if (token.kind == TokenKind::kConstant && touching &&
                   (joinsPrevious || parameterOf(token.text.substr(1)) >= 0)) {
            out.text = std::wstring(token.text.substr(1));
            out.parameter = parameterOf(out.text);
        } else if (token.text == L"#" && touching && k + 1 < tokens.size() &&
                   startOf(tokens[k + 1]) == end &&
                   (joinsPrevious || parameterOf(tokens[k + 1].text) >= 0)) {
            continue;
        } else if ((token.kind == TokenKind::kAddress || token.kind == TokenKind::kPointer) &&
                   parameterOf(token.text.substr(1)) >= 0) {
            body.push_back({out.gap, out.text.substr(0, 1), -1});
            out.gap.clear();
            out.text = out.text.substr(1);
            out.parameter = parameterOf(out.text);
        }
        body.push_back(std::move(out));
    }
    return body;
}

// ---- uses

std::vector<std::wstring> MacroExpansion::expand(std::wstring_view statement, int line) {
    std::vector<std::wstring> out;
    if (macros_.empty()) {
        out.emplace_back(statement);
        return out;
    }
    active_.clear();
    if (!expandInto(statement, line, out)) out.clear();
    return out;
}

// Appends the statements `text` stands for to `out`; false when a use was reported. A use
// that is all of a statement may stand for several statements; inside an expression, or when
// `text` is itself part of one (`statement` false), it must stand for one. The replacement of
// a use is read again for the macros it uses, with the macro itself among the active ones, so
// that a macro naming itself is reported instead of growing forever.
bool MacroExpansion::expandInto(std::wstring_view text, int line, std::vector<std::wstring>& out,
                                bool statement) {
    std::vector<Token> tokens = lexLine(text);
    std::wstring result;
    size_t copied = 0;
    for (size_t k = 0; k < tokens.size(); ++k) {
        if (tokens[k].kind != TokenKind::kName) continue;
        auto found = macros_.find(toLower(tokens[k].text));
        if (found == macros_.end()) continue;
        const Macro& macro = found->second;
        if (std::find(active_.begin(), active_.end(), &macro) != active_.end()) {
            diag_.error(message::notSupported(line, L"macro that uses itself: " + macro.name));
            return false;
        }
        size_t last = k;
        std::vector<std::wstring> values;
        if (macro.withParameters) {
            if (k + 1 == tokens.size() || !isOperator(tokens[k + 1], L"(")) {
                diag_.error(message::atLine(line, L"macro " + macro.name +
                                                      L" needs its arguments in brackets"));
                return false;
            }
            last = closingBracket(tokens, k + 1, tokens.size());
            if (last == tokens.size()) {
                diag_.error(message::bracketError(line));
                return false;
            }
            auto given = arguments(macro, text, tokens, k + 1, last, line);
            if (!given) return false;
            values = std::move(*given);
        }
        std::vector<std::wstring> replaced;
        active_.push_back(&macro);
        for (const std::vector<BodyToken>& bodyStatement : macro.body) {
            std::wstring s;
            for (const BodyToken& token : bodyStatement)
                s += token.gap + (token.parameter >= 0 ? values[token.parameter] : token.text);
            if (!expandInto(s, line, replaced)) {
                active_.pop_back();
                return false;
            }
        }
        active_.pop_back();
        if (statement && k == 0 && last + 1 == tokens.size()) {
            out.insert(out.end(), replaced.begin(), replaced.end());
            return true;
        }
        if (replaced.size() > 1) {
            diag_.error(message::notSupported(
                line, L"macro of several statements in an expression: " + macro.name));
            return false;
        }
        result += text.substr(copied, startOf(tokens[k]) - copied);
        if (!replaced.empty()) result += replaced[0];
        copied = endOf(tokens[last]);
        k = last;
    }
    result += text.substr(copied);
    out.push_back(std::move(result));
    return true;
}

// The text of each argument between the brackets (open, close), macros in it replaced first,
// so that "Square(Square(2))" is no use of Square inside Square. A missing argument takes
// its parameter's default; without one it is reported, as is one too many.
std::optional<std::vector<std::wstring>>
MacroExpansion::arguments(const Macro& macro, std::wstring_view text,
                          const std::vector<Token>& tokens, size_t open, size_t close, int line) {
    std::vector<std::pair<size_t, size_t>> parts = commaParts(tokens, open, close);
    if (parts.size() > macro.parameters.size()) {
        diag_.error(message::atLine(line, L"too many arguments for macro " + macro.name));
        return std::nullopt;
    }
    std::vector<std::wstring> values;
    for (size_t p = 0; p < macro.parameters.size(); ++p) {
        std::wstring_view given =
            p < parts.size() ? span(text, tokens, parts[p].first, parts[p].second) : L"";
        if (given.empty()) {
            if (!macro.defaults[p]) {
                diag_.error(message::atLine(line, L"missing argument " + macro.parameters[p] +
                                                      L" of macro " + macro.name));
                return std::nullopt;
            }
            given = *macro.defaults[p];
        }
        std::vector<std::wstring> value;
        if (!expandInto(given, line, value, false)) return std::nullopt;
        values.push_back(value.empty() ? std::wstring() : std::move(value[0]));
    }
    return values;
}

} // namespace qc
