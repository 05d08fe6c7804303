#include "translator/statement_tokens.h"

#include "common/text.h"
#include "tables/command_table.h"
#include "translator/language_pass.h"
#include "translator/output/script_literals.h"
#include "vocabulary/classify_word.h"
#include "vocabulary/statement_list.h"

#include <algorithm>
#include <unordered_set>

namespace qc {
namespace {

constexpr std::wstring_view kDelimiters = L"=+ -)*/<>|&!~%(,'\"[]";

// Keywords that a condition or value may follow directly in brackets: the reader turns
// "While (a < 5)" into "While(a < 5)", which must still be the keyword While.
bool takesBracket(std::wstring_view lowerWord) {
    for (std::wstring_view keyword : {L"if", L"and", L"or", L"while", L"until", L"select", L"case",
                                      L"to", L"step", L"procedurereturn", L"debug"})
        if (lowerWord == keyword) return true;
    return false;
}

// "Define.s", "Global.i", "Protected.f": a declaration keyword with the type of its names.
bool isTypedDeclaration(std::wstring_view lowerWord) {
    size_t dot = lowerWord.find(L'.');
    if (dot == std::wstring_view::npos) return false;
    for (std::wstring_view keyword : {L"define", L"global", L"static", L"protected", L"shared"})
        if (lowerWord.substr(0, dot) == keyword) return true;
    return false;
}

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// A "-" joins only a number literal that follows it: "x=-1" holds the number -1, while in
// "dx=-dx" the minus is an operator (a name "-dx" would be registered as a variable).
bool startsNumber(std::wstring_view s, size_t at) {
    if (at >= s.size()) return false;
    if (isDigit(s[at])) return true;
    if (at + 1 >= s.size()) return false;
    if (s[at] == L'.') return isDigit(s[at + 1]);
    return s[at] == L'$' && isHexDigits(s.substr(at + 1, 1));
}

class StatementScanner {
public:
    StatementScanner(const TranslatorState& state, Diagnostics& diag, std::vector<SourceToken>& out)
        : state_(state), diag_(diag), out_(out) {}

    void scan(std::wstring_view statement, int line) {
        line_ = line;
        source_ = trim(statement, L" \t");
        s_.assign(source_);
        s_ += kEndMark;
        wordLength_ = 0;
        size_t sentinel = s_.size() - 1;
        for (size_t i = 0; i < sentinel;) i = scanAt(i);
        flushWord(kEndMark);
        push(kEnd, std::wstring(kEndMarkText), static_cast<int>(sentinel) + 1, kEndMarkText);
    }

private:
    size_t scanAt(size_t i) {
        wchar_t c = s_[i];
        wchar_t prev = i > 0 ? s_[i - 1] : 0;
        wchar_t next = s_[i + 1];
        if (c == L'~' && next == L'"' && wordLength_ == 0) return scanEscapedString(i + 1);
        if (c == L'"' || c == L'\'') {
            flushWord(c);
            return c == L'"' ? scanString(i) : scanCharacter(i);
        }
        if (c == L'-' && wordLength_ == 0 && i > 0 && containsChar(L" =<>", prev) &&
            startsNumber(s_, i + 1)) {
            startWord(i);
            return i + 1;
        }
        if (c == L'%' && wordLength_ == 0 && !followsOperand() && containsChar(L"01", next)) {
            startWord(i); // "%1010", a binary number
            return i + 1;
        }
        if (!containsChar(kDelimiters, c)) {
            startWord(i);
            return i + 1;
        }
        if (c == L'(' && next == L')' && procedureReference()) return i + 2;
        flushWord(c);
        if (c == L'!' && !followsOperand()) { // "!" joins two values; it starts none
            diag_.error(message::unknownType(line_, static_cast<int>(i) + 1, L"!"));
            push(kUnknown, L"!", static_cast<int>(i) + 1);
            return i + 1;
        }
        bool pair = (c == L'=' && containsChar(L"=<>", next)) ||
                    (c == L'<' && containsChar(L"<>=", next)) ||
                    (c == L'>' && containsChar(L">=", next));
        push(kOp, pair ? std::wstring{c, next} : std::wstring(1, c), static_cast<int>(i) + 1,
             source_.substr(i, pair ? 2 : 1));
        return i + (pair ? 2 : 1);
    }

    // "@Name()" of a procedure is the procedure itself, as BindEvent takes it: the name
    // without its call. Any other "@" stays a word the classification reports.
    bool procedureReference() {
        if (wordLength_ < 2 || source_[wordColumn_ - 1] != L'@') return false;
        std::wstring_view word = source_.substr(wordColumn_, wordLength_ - 1);
        const std::wstring* declared = state_.procedures.find(toLower(word));
        if (declared == nullptr) return false;
        wordLength_ = 0;
        push(kProc, *declared, wordColumn_, source_.substr(wordColumn_ - 1, word.size() + 3));
        return true;
    }

    void startWord(size_t i) {
        if (wordLength_ == 0) wordColumn_ = static_cast<int>(i) + 1;
        ++wordLength_;
    }

    size_t scanString(size_t open) {
        size_t sentinel = s_.size() - 1;
        size_t close = s_.find(L'"', open + 1);
        int column = static_cast<int>(open) + 1;
        if (close >= sentinel) {
            diag_.error(message::withoutEnd(line_, L"string", L"closing quote"));
            push(kText, scriptString(std::wstring(source_.substr(open)) + L"\""), column,
                 source_.substr(open));
            return sentinel;
        }
        std::wstring_view literal = source_.substr(open, close - open + 1);
        push(kText, scriptString(literal), column, literal);
        return close + 1;
    }

    // ~"a\tb": the escapes the dialect knows become the target language's.
    size_t scanEscapedString(size_t open) {
        size_t sentinel = s_.size() - 1;
        size_t k = open + 1;
        for (; k < sentinel && s_[k] != L'"'; ++k)
            if (s_[k] == L'\\' && k + 1 < sentinel) ++k;
        int column = static_cast<int>(open);
        if (k >= sentinel) {
            diag_.error(message::withoutEnd(line_, L"string", L"closing quote"));
            std::wstring closed = std::wstring(source_.substr(open - 1)) + L"\"";
            push(kText, scriptString(closed), column, source_.substr(open - 1));
            return sentinel;
        }
        std::wstring_view literal = source_.substr(open - 1, k - open + 2);
        push(kText, scriptString(literal), column, literal);
        return k + 1;
    }

    // 'A' is the character code 65.
    size_t scanCharacter(size_t open) {
        size_t sentinel = s_.size() - 1;
        size_t close = s_.find(L'\'', open + 1);
        int column = static_cast<int>(open) + 1;
        if (close >= sentinel) {
            diag_.error(message::unknownType(line_, column, source_.substr(open)));
            return sentinel;
        }
        int code = close > open + 1 ? static_cast<int>(s_[open + 1]) : 0;
        push(kNumber, std::to_wstring(code), column, source_.substr(open, close - open + 1));
        return close + 1;
    }

    void flushWord(wchar_t delimiter) {
        if (wordLength_ == 0) return;
        std::wstring_view word = source_.substr(wordColumn_ - 1, wordLength_);
        wordLength_ = 0;
        classify(word, delimiter);
    }

    void classify(std::wstring_view word, wchar_t delimiter);
    bool isDeclared(std::wstring_view word) const;

    // The word of a token whose text is its word unchanged.
    void push(int kind, std::wstring_view word, int column) {
        push(kind, std::wstring(word), column, word);
    }

    void push(int kind, std::wstring text, int column, std::wstring_view word) {
        SourceToken& token = out_.emplace_back();
        token.kind = static_cast<std::int16_t>(kind);
        token.word = word;
        token.text = std::move(text);
        token.line = line_;
        token.column = column;
    }

    const TranslatorState& state_;
    Diagnostics& diag_;
    std::vector<SourceToken>& out_;
    // Whether the token before ends an operand, so that a "%" after it is the remainder.
    bool followsOperand() const {
        size_t k = out_.size() - 1;
        while (k > 0 && out_[k].kind == kOp && out_[k].word == L" ") --k;
        const SourceToken& before = out_[k];
        if (before.kind == kOp) return before.word == L")";
        return before.kind != kEnd && before.kind != kCommand && before.kind != kEmpty;
    }

    // One message per missing name and line: "ForEach x()" stands for two statements that
    // both call x(), and "f(1) + f(2)" has one fault.
    void reportMissing(std::wstring_view word, const std::wstring& lower) {
        if (line_ != missingLine_) {
            missingLine_ = line_;
            missingOnLine_.clear();
        }
        if (missingOnLine_.insert(lower).second)
            diag_.error(message::functionNotFound(line_, word));
    }

    int missingLine_ = -1;
    std::unordered_set<std::wstring> missingOnLine_;

    std::wstring_view source_; // the statement trimmed; words and operators point into it
    std::wstring s_;           // the same with the end mark, so a look ahead never leaves it
    size_t wordLength_ = 0;
    std::wstring lower_;
    int wordColumn_ = 0;
    int line_ = -1;
};

void StatementScanner::classify(std::wstring_view word, wchar_t delimiter) {
    // One buffer for every word: most words are longer than a string holds without
    // allocating.
    lower_.assign(word);
    for (wchar_t& c : lower_) c = toLowerChar(c);
    const std::wstring& lower = lower_;
    int column = wordColumn_;
    bool call = delimiter == L'(';
    if (call && staysOutsideThePage(lower)) {
        diag_.error(message::notSupported(line_, word));
        return push(kCommand, L"empty", column, word);
    }
    if (lower == L"not" || lower == L"xor") return push(kCommand, word, column);
    if (word[0] == L'%' && word.size() > 1 &&
        word.find_first_not_of(L"01", 1) == std::wstring_view::npos)
        return push(kNumber, binaryToDecimal(word.substr(1)), column, word);
    if (!call && isTypedDeclaration(lower)) return push(kCommand, word, column);
    // The program's own procedure comes before a built-in command of the same name.
    const std::wstring* declared =
        call && !takesBracket(lower) ? state_.procedures.find(lower) : nullptr;
    // "total(1)" of a procedure and of an array, list or map of one name: either could be
    // meant, so the call is taken and the name reported.
    if (declared != nullptr && state_.symbols.anyContainer(SymbolTable::containerName(lower)))
        diag_.error(message::notSupported(line_, L"procedure and array, list or map of one name: " +
                                                     std::wstring(word)));
    if (declared != nullptr) return push(kProc, *declared, column, word);
    const CommandRow* row = lower == L"var" ? nullptr : commandTable().lookUpCommand(lower);
    if (row != nullptr && (row->hasParentheses == call || (call && takesBracket(lower))))
        return push(kCommand, word, column);
    if (word[0] == L'#') return push(kConst, word, column);
    if (word[0] == L'@') { // an address: there is no memory to point into in a page
        diag_.error(message::notSupported(line_, L"address " + std::wstring(word)));
        return push(kNumber, L"0", column, word);
    }
    int kind = classifyWord(word);
    // A string field of a structure: "p\name$", "l()\name$".
    if (kind == kWordNone && word.back() == L'$' && word.find(L'\\') != std::wstring_view::npos)
        kind = classifyWord(word.substr(0, word.size() - 1));
    if (kind == kWordInteger) {
        if (beyond64Bits(word))
            diag_.error(
                message::atLine(line_, L"number too large: " + std::wstring(word.substr(0, 40))));
        bool hex = word[0] == L'$' || (word.size() > 1 && word[1] == L'$');
        return push(kNumber, hex ? hexToDecimal(word) : withoutLeadingZeros(std::wstring(word)),
                    column, word);
    }
    if (kind == kWordFloat)
        return push(kFloat, withoutLeadingZeros(std::wstring(word)), column, word);
    if (kind != kWordName && kind != kWordStringName) {
        diag_.error(message::unknownType(line_, column, word));
        return push(kUnknown, word, column);
    }
    if (kind == kWordName && state_.types.contains(lower)) return push(kStruct, word, column);
    if (call && !isDeclared(word)) {
        if (lower != L"if" && lower != L"or" && lower != L"and") reportMissing(word, lower);
        return push(kCommand, L"empty", column, word);
    }
    push(kVar, word, column);
}

// Arrays, lists and procedures; a structure's list field ("p\items", "\items") by its
// field name.
bool StatementScanner::isDeclared(std::wstring_view word) const {
    size_t field = word.rfind(L'\\');
    if (field != std::wstring_view::npos) {
        std::wstring name = fieldPath(word.substr(field + 1));
        return state_.isListField(name.substr(0, name.find(L'.')));
    }
    std::wstring base = baseName(word);
    return state_.symbols.anyContainer(SymbolTable::containerName(base)) ||
           state_.procedures.contains(base);
}

} // namespace

std::wstring baseName(std::wstring_view word) {
    std::wstring lower = toLower(word.substr(0, word.find(L'\\')));
    return lower.substr(0, lower.find(L'.'));
}

// A name with brackets after it is the array, list or map of that name where one is seen
// from here; so is the name the declaration pass assigns a new one to ("a=dimfunc(...)",
// "l=NewList(...)"). Any other use is the variable: `A(a)` indexes the array A by the
// variable a. A field path ("p\items()") belongs to the variable before it.
bool namesContainer(const std::vector<SourceToken>& t, size_t i, const TranslatorState& state,
                    const std::wstring& procedure) {
    const SourceToken& token = t[i];
    if (token.word.find(L'\\') != std::wstring_view::npos) return false;
    bool declared = false;
    if (t[i + 1].word == L"=" && t[i + 2].kind == kCommand) {
        for (std::wstring_view maker : {L"dimfunc", L"redimfunc", L"newlist", L"newmap"})
            declared = declared || equalsIgnoreCase(t[i + 2].word, maker);
    }
    if (t[i + 1].word != L"(" && !declared) return false;
    return state.symbols.container(SymbolTable::containerName(baseName(token.word)), procedure) !=
           nullptr;
}

TranslationTokens tokenizeProgram(const std::vector<std::wstring>& list,
                                  const TranslatorState& state, Diagnostics& diag) {
    TranslationTokens result;
    auto& tokens = result.tokens;
    // Every token but a statement's end token takes at least one character, so this bound
    // is never passed: the array is never moved while it grows. Pages of it that are not
    // used are never touched.
    size_t bound = 2;
    for (const std::wstring& element : list) bound += element.size() + 1;
    tokens.reserve(bound);
    tokens.emplace_back();
    StatementScanner scanner(state, diag, tokens);
    int line = -1;
    for (const std::wstring& element : list) {
        if (isLineMarker(element)) {
            line = markerLine(element);
        } else if (!element.empty() && element[0] == kDegreeSign) {
            for (int kind : {kReady, kEnd}) {
                SourceToken token;
                token.kind = static_cast<std::int16_t>(kind);
                token.text = kind == kReady ? element : std::wstring(kEndMarkText);
                token.line = line;
                tokens.push_back(std::move(token));
            }
        } else if (!trim(element, L" \t").empty()) {
            scanner.scan(element, line);
        }
    }
    tokens.emplace_back();
    return result;
}

} // namespace qc
