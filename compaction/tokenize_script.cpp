#include "compaction/tokenize_script.h"

#include "common/line_table.h"
#include "common/text.h"
#include "compaction/character_scan.h"
#include "tables/target_word_table.h"
#include "vocabulary/classify_word.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace qc {
namespace {

constexpr std::wstring_view kFunctionWord = L"function";
// Compared for every word: as views they cost no length count per comparison.
constexpr std::wstring_view kOpenParenthesis = L"(";
constexpr std::wstring_view kQuote = L"\"";
constexpr std::wstring_view kMinus = L"-";
constexpr std::wstring_view kDot = L".";

// A dotted word on one of these objects is browser vocabulary as a whole ("Math.floor").
constexpr std::array<std::wstring_view, 4> kFixedObjects = {L"math", L"navigator", L"document",
                                                            L"window"};

int hexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    return toLowerChar(c) - L'a' + 10;
}

// The function table and the remembered word, which carries from one statement to the next.
class ScanState {
public:
    FunctionTable functions;
    std::wstring remembered;

    std::wstring_view lower(std::wstring_view word) {
        lower_.assign(word);
        for (auto& c : lower_) c = toLowerChar(c);
        return lower_;
    }
    // What the tables say about one spelling of a word: its target-word entry and its word
    // class, each asked once per spelling (the target-word table lower-cases every word it is
    // asked about). Literals are never listed and are not remembered.
    struct Spelling {
        const TargetWord* target = nullptr;
        int wordClass = kNotClassified;
        // Its number in the token sequence, once a name token of this spelling is in it.
        std::uint32_t token = TokenSequence::kNewSpelling;
    };
    static constexpr int kNotClassified = -1;

    Spelling* spelling(std::wstring_view word) {
        if (word.empty() || word.front() == L'"') return nullptr;
        auto it = spellings_.find(word);
        if (it == spellings_.end())
            it = spellings_.emplace(word, Spelling{targetWordTable().findTargetWord(word)}).first;
        return &it->second;
    }
    const TargetWord* targetWord(std::wstring_view word) {
        Spelling* known = spelling(word);
        return known == nullptr ? nullptr : known->target;
    }
    bool rememberedFunction() const { return remembered == kFunctionWord; }
    // "function" makes the next word a function name, except in "function(": the next word
    // there is the first parameter of an anonymous function.
    void remember(std::wstring_view targetWord, std::wstring_view separator) {
        remembered = lower(targetWord);
        if (separator == kOpenParenthesis) remembered.clear();
    }

private:
    std::wstring lower_;
    WideTextMap<Spelling> spellings_;
};

// A declaration is a "function" and a name, each standing between separators of this smaller
// set; a name glued to "!", "&", ":", "|" or "?" declares nothing, so that an expression such
// as "a?function b(){" keeps its function.
bool isDeclarationSeparator(std::wstring_view separator) {
    return !separator.empty() && containsChar(charset::kPreScanSeparators, separator[0]);
}

class Tokenizer : public SeparatorHandler {
public:
    Tokenizer(ScanState& state, ScanResult& result, Diagnostics& diag,
              const std::unordered_set<std::wstring>* reported)
        : state_(state), tokens_(result.tokens), declarations_(result.declarations), diag_(diag),
          reported_(reported) {}

    ScanStep atSeparator(const SeparatorEvent& event) override {
        bool afterSeparator = afterSeparator_;
        // The word behind this event starts behind a separator that the declaration search
        // knows, or at the statement's start, or behind a literal and the character after it.
        afterSeparator_ = event.literal || isDeclarationSeparator(event.separator);
        if (event.unclosed) {
            report(event.buffer, event.word);
            tokens_.append(kUnknown, event.word);
            return endStatement();
        }
        std::wstring_view word = event.word;
        std::optional<std::wstring> decimal = hexadecimalToDecimal(word);
        if (decimal) word = *decimal;
        looked_ = nullptr;
        lookedWord_ = word;
        int kind = classify(event, word, afterSeparator);
        return emit(event, kind, word);
    }

private:
    // Decides the kind of the word; a dotted name may emit its object first and leave only the
    // member (with its leading ".") in word. Whether a name is a declared function is settled
    // after the scan, when every declaration is known (markDeclaredFunctions).
    int classify(const SeparatorEvent& event, std::wstring_view& word, bool afterSeparator) {
        if (state_.rememberedFunction()) {
            state_.remembered.clear();
            if (!word.empty()) {
                declarations_.push_back(tokens_.size());
                if (declares_ && isDeclarationSeparator(event.separator))
                    state_.functions.insert_or_assign(std::wstring(state_.lower(word)), 0);
            }
            declares_ = false;
            return kProc;
        }
        ScanState::Spelling* known = looked_ = state_.spelling(word);
        if (const TargetWord* target = known == nullptr ? nullptr : known->target) {
            // "alert(" is the browser's; a variable called alert is the script's own.
            if (event.separator != kOpenParenthesis && target->isFunction) return kVar;
            state_.remember(word, event.separator);
            declares_ = state_.rememberedFunction() && afterSeparator &&
                        isDeclarationSeparator(event.separator);
            return kCommand;
        }
        if (event.buffer.size() == 1 && containsChar(charset::kOperatorChars, event.buffer[0]))
            return kOp;
        if (event.literal && startsWith(word, kQuote)) {
            word = event.buffer; // the word with its closing quote
            return kText;
        }
        return classifyLiteralOrName(event, word, known);
    }

    int classifyLiteralOrName(const SeparatorEvent& event, std::wstring_view& word,
                              ScanState::Spelling* known) {
        if (word == kMinus) return kOp; // a sign before "(" as in "y=-(x)"
        std::wstring_view name = startsWith(word, kDot) ? word.substr(1) : word;
        int wordClass = known == nullptr ? classifyWord(name) : known->wordClass;
        if (wordClass == ScanState::kNotClassified)
            wordClass = known->wordClass = classifyWord(name);
        switch (wordClass) {
        case kWordInteger:
            return kNumber;
        case kWordFloat:
            return kFloat;
        case kWordStringName:
            return kVar;
        case kWordName:
            return classifyDottedName(word);
        default:
            break;
        }
        if (!word.empty()) report(event.buffer, name);
        return kUnknown;
    }

    int classifyDottedName(std::wstring_view& word) {
        size_t dot = word.find(L'.');
        if (dot == std::wstring_view::npos) return kVar;
        std::wstring_view object = word.substr(0, dot);
        // "-Math.PI" is a sign before browser vocabulary, not a script object called "-Math".
        std::wstring_view objectLower = state_.lower(nameWithoutPrefix(object));
        for (auto fixed : kFixedObjects)
            if (objectLower == fixed) return kCommand;
        if (!object.empty()) tokens_.append(kVar, object);
        // The members, each the longest chain the target words list ("ev.target.firstChild
        // .nodeValue.length" keeps all four), any other one a name of the script's own.
        std::wstring_view rest = word.substr(dot);
        for (;;) {
            size_t cut = rest.size();
            int kind = kCommand;
            while (state_.targetWord(rest.substr(0, cut)) == nullptr) {
                size_t shorter = rest.rfind(L'.', cut - 1);
                if (shorter == 0 || shorter == std::wstring_view::npos) {
                    cut = std::min(rest.find(L'.', 1), rest.size());
                    kind = kVar;
                    break;
                }
                cut = shorter;
            }
            if (cut == rest.size()) {
                word = rest;
                return kind;
            }
            tokens_.append(kind, rest.substr(0, cut));
            rest = rest.substr(cut);
        }
    }

    ScanStep emit(const SeparatorEvent& event, int kind, std::wstring_view word) {
        // A name emitted whole, as the spelling table knows it, takes its number from there.
        bool whole = looked_ != nullptr && word.data() == lookedWord_.data() &&
                     word.size() == lookedWord_.size();
        if (whole && (kind == kVar || kind == kProc))
            tokens_.appendName(kind, word, looked_->token);
        else if (!word.empty())
            tokens_.append(kind, word);
        if (event.atEnd) return endStatement();
        if (!event.literal) {
            tokens_.append(kOp, event.separator);
            if (!event.merged && event.nextIsEnd) return endStatement();
            return ScanStep::kGoOn;
        }
        // Behind a literal the next character is taken as an operator at once.
        if (event.nextIsEnd) return endStatement();
        tokens_.append(kOp, std::wstring_view(&event.next, 1));
        if (event.afterIsEnd) return endStatement();
        return ScanStep::kSkipNext;
    }

    ScanStep endStatement() {
        tokens_.append(kEnd, kEndMarkText);
        afterSeparator_ = true;
        return ScanStep::kFinish;
    }

    void report(std::wstring_view buffer, std::wstring_view name) {
        if (reported_ != nullptr && reported_->count(std::wstring(name)) != 0) return;
        std::wstring line = L"JSL unknow ";
        line.append(buffer);
        line += L" " + std::to_wstring(buffer.size()) + L" check ";
        line.append(name);
        diag_.error(std::move(line));
    }

    ScanState& state_;
    TokenSequence& tokens_;
    std::vector<size_t>& declarations_;
    Diagnostics& diag_;
    const std::unordered_set<std::wstring>* reported_;
    bool afterSeparator_ = true;
    bool declares_ = false; // the remembered "function" stands where a declaration can
    // The spelling-table entry of the word of this event, and the word it was found under.
    ScanState::Spelling* looked_ = nullptr;
    std::wstring_view lookedWord_;
};

// A name token written exactly as a declared function (in any case) becomes a "PROC " token;
// a name behind "." or "-" stays what it is. The answer is kept per interned name, and the few
// target words that are also declared (the event hook) are found by their text.
void markDeclaredFunctions(TokenSequence& tokens, const FunctionTable& functions) {
    std::vector<signed char> isFunction(tokens.nameCount(), -1);
    WideTextMap<bool> declaredTargets;
    // Their lengths: most target words of the script are none of them, and are passed over
    // without a lower-case copy.
    std::vector<size_t> declaredLengths;
    for (const auto& entry : functions)
        if (targetWordTable().findTargetWord(entry.first) != nullptr) {
            declaredTargets.emplace(entry.first, true);
            declaredLengths.push_back(entry.first.size());
        }
    auto mayBeDeclared = [&](std::wstring_view text) {
        return std::find(declaredLengths.begin(), declaredLengths.end(), text.size()) !=
               declaredLengths.end();
    };
    std::wstring lower;
    for (size_t i = 0; i < tokens.size(); ++i) {
        int kind = tokens.kind(i);
        if (kind == kVar) {
            int id = tokens.nameId(i);
            if (id == TokenSequence::kNoName || !namePrefix(tokens.text(i)).empty()) continue;
            signed char& known = isFunction[static_cast<size_t>(id)];
            if (known < 0) known = functions.count(toLower(tokens.name(id))) != 0 ? 1 : 0;
            if (known == 1) tokens.setKind(i, kProc);
        } else if (kind == kCommand && mayBeDeclared(tokens.text(i))) {
            lower.assign(tokens.text(i));
            for (auto& c : lower) c = toLowerChar(c);
            if (declaredTargets.count(lower) != 0) tokens.setKind(i, kProc);
        }
    }
}

} // namespace

std::optional<std::wstring> hexadecimalToDecimal(std::wstring_view word) {
    if (word.size() < 3 || word[0] != L'0' || (word[1] != L'x' && word[1] != L'X'))
        return std::nullopt;
    std::wstring_view digits = word.substr(2);
    if (!isHexDigits(digits)) return std::nullopt;
    std::uint64_t value = 0;
    for (wchar_t c : digits) value = value * 16 + static_cast<std::uint64_t>(hexDigitValue(c));
    return std::to_wstring(static_cast<std::int64_t>(value));
}

namespace {

// One scan of a script, statement after statement.
class ScriptScan {
public:
    ScriptScan(size_t characters, Diagnostics& diag,
               const std::unordered_set<std::wstring>* reported)
        : tokenizer_(state_, result_, diag, reported) {
        // A token takes at least one character of its statement or is the end of one, and
        // texts grow only by the end marks; half the characters is a fair guess at the token
        // count.
        result_.tokens.reserve(characters / 2, characters + characters / 8);
    }
    void add(std::wstring_view statement) {
        scanStatement(statement, charset::kTokenSeparators, tokenizer_, buffer_);
    }
    ScanResult finish() {
        markDeclaredFunctions(result_.tokens, state_.functions);
        result_.functions = std::move(state_.functions);
        return std::move(result_);
    }

private:
    ScanResult result_;
    ScanState state_;
    Tokenizer tokenizer_;
    std::wstring buffer_;
};

} // namespace

ScanResult tokenizeStatements(const StatementList& statements, Diagnostics& diag,
                              const std::unordered_set<std::wstring>* reported) {
    ScriptScan scan(statements.characterCount() + statements.size(), diag, reported);
    for (size_t i = 0; i < statements.size(); ++i) scan.add(statements[i]);
    return scan.finish();
}

ScanResult tokenizeLines(const std::vector<std::wstring>& lines,
                         const std::vector<int>* sourceLines, Diagnostics& diag,
                         const std::unordered_set<std::wstring>* reported) {
    auto sourceLineOf = [sourceLines](size_t i) {
        return i < sourceLines->size() && (*sourceLines)[i] > 0 ? (*sourceLines)[i] : 0;
    };
    // The lines as written (their blanks and tabs about make up for the end marks), and the
    // markers, each about as long as the one of the last line.
    size_t characters = lines.size();
    for (const std::wstring& line : lines) characters += line.size();
    std::wstring marker;
    if (sourceLines != nullptr && !lines.empty()) {
        size_t markers = 0;
        int current = 0;
        for (size_t i = 0; i < lines.size(); ++i) {
            if (sourceLineOf(i) != current) ++markers;
            current = sourceLineOf(i);
        }
        appendLineMarker(marker, sourceLineOf(lines.size() - 1));
        characters += markers * marker.size();
    }
    ScriptScan scan(characters, diag, reported);
    // The statements of one line at a time, so the script is never held a second time cut up.
    StatementList statements;
    std::wstring piece;
    auto scanLine = [&](std::wstring_view line) {
        statements.clear();
        splitLine(line, statements, piece);
        for (size_t k = 0; k < statements.size(); ++k) scan.add(statements[k]);
    };
    int current = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (sourceLines != nullptr && sourceLineOf(i) != current) {
            current = sourceLineOf(i);
            marker.clear();
            appendLineMarker(marker, current);
            scanLine(marker);
        }
        scanLine(lines[i]);
    }
    return scan.finish();
}

} // namespace qc
