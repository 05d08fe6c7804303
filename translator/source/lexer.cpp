#include "translator/source/lexer.h"

#include "common/text.h"
#include "translator/language/operator_table.h"

#include <array>

namespace qc {
namespace {

bool isLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || c == L'_';
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool isHexDigit(wchar_t c) {
    return isDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F');
}

// Words after which a value starts, so that "If *p" and "ProcedureReturn *p" read "*p" as a
// pointer, while "a *p" after the name a is a multiplication.
constexpr std::array<std::wstring_view, 24> kValueStarters = {
    L"if",       L"elseif", L"while", L"until",  L"and",       L"or",
    L"xor",      L"not",    L"case",  L"debug",  L"define",    L"global",
    L"shared",   L"static", L"to",    L"step",   L"select",    L"swap",
    L"threaded", L"with",   L"for",   L"return", L"protected", L"procedurereturn"};

// Two-character operators, longest match first; "=<" and "=>" are the dialect's own
// spellings of "<=" and ">=".
constexpr std::array<std::wstring_view, 9> kPairs = {L"<>", L"<=", L">=", L"=<", L"=>",
                                                     L"<<", L">>", L"::", L"=="};
constexpr std::wstring_view kSingles = L"+-*/%&|!~=<>(),[]{}.\\";

class LineLexer {
public:
    explicit LineLexer(std::wstring_view line) : s_(line), tokens_(own_) {
        tokens_.reserve(line.size() / 3 + 2);
    }
    LineLexer(std::wstring_view line, std::vector<Token>& into) : s_(line), tokens_(into) {
        tokens_.clear();
    }

    std::vector<Token> run(size_t most = std::wstring_view::npos) {
        lex(most);
        return std::move(tokens_);
    }

    // Into the buffer the lexer was given, which keeps them.
    void into() { lex(std::wstring_view::npos); }

private:
    void lex(size_t most) {
        while (i_ < s_.size() && tokens_.size() < most) {
            wchar_t c = s_[i_];
            if (c == L' ' || c == L'\t') {
                ++i_;
                continue;
            }
            size_t start = i_;
            TokenKind kind = next(c);
            add(kind, start);
        }
    }

    TokenKind next(wchar_t c) {
        if (c == L';') return toEnd(TokenKind::kComment);
        if (c == L'"') return string(false);
        if (c == L'~' && peek(1) == L'"') return string(true);
        if (isLetter(c)) return name(TokenKind::kName);
        if (isDigit(c) || (c == L'.' && isDigit(peek(1)))) return decimal();
        if (c == L'$' && isHexDigit(peek(1))) return digits(isHexDigit);
        if (c == L'%' && !valueEnded_ && (peek(1) == L'0' || peek(1) == L'1'))
            return digits([](wchar_t d) { return d == L'0' || d == L'1'; });
        if (c == L'\'') return character();
        if (c == L'#' && isLetter(peek(1))) return prefixed(TokenKind::kConstant);
        if (c == L'@' && (isLetter(peek(1)) || peek(1) == L'*'))
            return prefixed(TokenKind::kAddress);
        if (c == L'?' && isLetter(peek(1))) return prefixed(TokenKind::kLabel);
        if (c == L'*' && !valueEnded_ && isLetter(peek(1))) return prefixed(TokenKind::kPointer);
        if (c == L'\\' && isLetter(peek(1))) return prefixed(TokenKind::kField);
        if (c == L'.' && lastIsTyped() && isLetter(peek(1))) return typeSuffix();
        if (c == L':' && peek(1) != L':') {
            ++i_;
            return TokenKind::kSeparator;
        }
        return operatorToken();
    }

    wchar_t peek(size_t ahead) const { return i_ + ahead < s_.size() ? s_[i_ + ahead] : L'\0'; }

    // A name, a pointer ("*p.Point") or a field ("\count.i") right before: what a type
    // suffix can follow.
    bool lastIsTyped() const {
        if (tokens_.empty()) return false;
        const Token& last = tokens_.back();
        bool typed = last.kind == TokenKind::kName || last.kind == TokenKind::kPointer ||
                     last.kind == TokenKind::kField;
        return typed &&
               last.column + static_cast<int>(last.text.size()) == static_cast<int>(i_) + 1;
    }

    TokenKind toEnd(TokenKind kind) {
        i_ = s_.size();
        return kind;
    }

    // A name: letters, digits and "_", with a "$" at its end for a string variable.
    TokenKind name(TokenKind kind) {
        while (i_ < s_.size() && isNameChar(s_[i_])) ++i_;
        if (i_ < s_.size() && s_[i_] == L'$') ++i_;
        return kind;
    }

    TokenKind prefixed(TokenKind kind) {
        ++i_;
        if (kind == TokenKind::kAddress && s_[i_] == L'*') ++i_;
        return name(kind);
    }

    // "~" strings hold escapes: "\"" does not end them.
    TokenKind string(bool escapes) {
        i_ += escapes ? 2 : 1;
        while (i_ < s_.size() && s_[i_] != L'"') {
            if (escapes && s_[i_] == L'\\' && i_ + 1 < s_.size()) ++i_;
            ++i_;
        }
        if (i_ < s_.size()) ++i_;
        return TokenKind::kString;
    }

    TokenKind character() {
        size_t close = s_.find(L'\'', i_ + 1);
        if (close == std::wstring_view::npos) return toEnd(TokenKind::kUnknown);
        i_ = close + 1;
        return TokenKind::kCharacter;
    }

    template <typename Pred> TokenKind digits(Pred isDigitOfBase) {
        ++i_;
        while (i_ < s_.size() && isDigitOfBase(s_[i_])) ++i_;
        return TokenKind::kNumber;
    }

    // "12", "1.5", ".5", "1e10", "2.5E-3".
    TokenKind decimal() {
        while (i_ < s_.size() && isDigit(s_[i_])) ++i_;
        if (i_ < s_.size() && s_[i_] == L'.' && isDigit(peek(1))) {
            ++i_;
            while (i_ < s_.size() && isDigit(s_[i_])) ++i_;
        }
        if ((peek(0) == L'e' || peek(0) == L'E') &&
            (isDigit(peek(1)) || ((peek(1) == L'-' || peek(1) == L'+') && isDigit(peek(2))))) {
            i_ += 2;
            while (i_ < s_.size() && isDigit(s_[i_])) ++i_;
        }
        return TokenKind::kNumber;
    }

    // ".s{20}" keeps its length in braces.
    TokenKind typeSuffix() {
        ++i_;
        name(TokenKind::kTypeSuffix);
        if (i_ < s_.size() && s_[i_] == L'{') {
            size_t close = s_.find(L'}', i_);
            if (close != std::wstring_view::npos) i_ = close + 1;
        }
        return TokenKind::kTypeSuffix;
    }

    TokenKind operatorToken() {
        wchar_t c = s_[i_];
        if (c == L'<' || c == L'>' || c == L'=' || c == L':') {
            for (std::wstring_view pair : kPairs) {
                if (s_.substr(i_, 2) == pair) {
                    i_ += 2;
                    return TokenKind::kOperator;
                }
            }
        }
        bool known = containsChar(kSingles, s_[i_]);
        ++i_;
        return known ? TokenKind::kOperator : TokenKind::kUnknown;
    }

    void add(TokenKind kind, size_t start) {
        Token token{kind, s_.substr(start, i_ - start), static_cast<int>(start) + 1};
        tokens_.push_back(token);
        valueEnded_ = endsValue(token);
    }

    static bool endsValue(const Token& token) {
        switch (token.kind) {
        case TokenKind::kName:
            return !isValueStarter(token.text);
        case TokenKind::kNumber:
        case TokenKind::kCharacter:
        case TokenKind::kString:
        case TokenKind::kConstant:
        case TokenKind::kPointer:
        case TokenKind::kAddress:
        case TokenKind::kLabel:
        case TokenKind::kField:
        case TokenKind::kTypeSuffix:
            return true;
        case TokenKind::kOperator:
            return token.text == std::wstring_view(L")", 1) ||
                   token.text == std::wstring_view(L"]", 1);
        default:
            return false;
        }
    }

    std::wstring_view s_;
    size_t i_ = 0;
    bool valueEnded_ = false;
    std::vector<Token> own_;
    std::vector<Token>& tokens_;
};

} // namespace

bool isNameChar(wchar_t c) {
    return isLetter(c) || isDigit(c);
}

bool isClosedString(std::wstring_view text) {
    bool escapes = !text.empty() && text[0] == L'~';
    size_t open = escapes ? 1 : 0;
    if (text.size() < open + 2 || text.back() != L'"') return false;
    if (!escapes) return true;
    // In a "~" string a quote after an odd run of backslashes is part of the text.
    size_t slashes = 0;
    for (size_t k = text.size() - 1; k > open + 1 && text[k - 1] == L'\\'; --k) ++slashes;
    return slashes % 2 == 0;
}

bool isValueStarter(std::wstring_view word) {
    // Asked for every name: the length and the first letter rule out nearly all at once.
    if (word.size() < 2 || word.size() > 15) return false;
    wchar_t first = toLowerChar(word[0]);
    for (std::wstring_view starter : kValueStarters)
        if (starter.size() == word.size() && starter[0] == first && equalsIgnoreCase(word, starter))
            return true;
    return false;
}

std::vector<Token> lexLine(std::wstring_view line) {
    return LineLexer(line).run();
}

std::vector<Token> lexLine(std::wstring_view line, size_t most) {
    return LineLexer(line).run(most);
}

void lexLine(std::wstring_view line, std::vector<Token>& into) {
    LineLexer(line, into).into();
}

bool continuesOnNextLine(const std::vector<Token>& tokens) {
    size_t n = tokens.size();
    if (n > 0 && tokens[n - 1].kind == TokenKind::kComment) --n;
    if (n == 0) return false;
    const Token& last = tokens[n - 1];
    // An operator that needs a right operand, or a comma: And, Or and XOr are names.
    if (last.kind != TokenKind::kName && last.kind != TokenKind::kOperator) return false;
    const OperatorRow* row = binaryOperator(last.text);
    bool word = row != nullptr && row->kind == OperatorClass::kLogical;
    bool binary = row != nullptr && word == (last.kind == TokenKind::kName);
    return (binary || (last.kind == TokenKind::kOperator && last.text == L",")) && n > 1;
}

size_t findWholeWord(std::wstring_view text, std::wstring_view name, size_t from) {
    for (const Token& token : lexLine(text)) {
        size_t at = static_cast<size_t>(token.column - 1);
        if (at >= from && token.kind == TokenKind::kName && equalsIgnoreCase(token.text, name))
            return at;
    }
    return std::wstring_view::npos;
}

size_t closingBracket(const std::vector<Token>& tokens, size_t open, size_t end) {
    int depth = 0;
    for (size_t k = open; k < end; ++k) {
        if (tokens[k].kind != TokenKind::kOperator) continue;
        std::wstring_view t = tokens[k].text;
        if (t == L"(" || t == L"[") ++depth;
        if ((t == L")" || t == L"]") && --depth == 0) return k;
    }
    return end;
}

std::vector<std::wstring> splitArguments(std::wstring_view text) {
    std::vector<std::wstring> parts;
    int depth = 0;
    size_t start = 0;
    for (const Token& token : lexLine(text)) {
        if (token.kind != TokenKind::kOperator) continue;
        std::wstring_view t = token.text;
        if (t == L"(" || t == L"[") ++depth;
        if (t == L")" || t == L"]") --depth;
        if (t == L"," && depth == 0) {
            size_t at = static_cast<size_t>(token.column - 1);
            parts.emplace_back(text.substr(start, at - start));
            start = at + 1;
        }
    }
    parts.emplace_back(text.substr(start));
    return parts;
}

} // namespace qc
