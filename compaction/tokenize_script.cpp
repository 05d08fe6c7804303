#include "compaction/tokenize_script.h"

#include "common/text.h"
#include "compaction/character_scan.h"
#include "tables/target_word_table.h"
#include "vocabulary/classify_word.h"

#include <array>
#include <cstdint>

namespace qc {
namespace {

constexpr std::wstring_view kFunctionWord = L"function";

// A dotted word on one of these objects is browser vocabulary as a whole ("Math.floor").
constexpr std::array<std::wstring_view, 4> kFixedObjects = {L"math", L"navigator", L"document",
                                                            L"window"};

int hexDigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    return toLowerChar(c) - L'a' + 10;
}

// What both scans share: the function table and the remembered word, which carries from one
// statement to the next and from the pre-scan into the tokenizing scan.
class ScanState {
public:
    FunctionTable functions;
    std::wstring remembered;

    std::wstring_view lower(std::wstring_view word) {
        lower_.assign(word);
        for (auto& c : lower_) c = toLowerChar(c);
        return lower_;
    }
    int* findFunction(std::wstring_view word) {
        if (word.empty()) return nullptr;
        auto it = functions.find(lower(word));
        return it == functions.end() ? nullptr : &it->second;
    }
    // The target-word table's entry for a word; remembered per spelling, because the table
    // lower-cases every word it is asked about.
    const TargetWord* targetWord(std::wstring_view word) {
        if (word.empty() || word.front() == L'"') return nullptr; // literals are never listed
        auto it = targetWords_.find(word);
        if (it == targetWords_.end())
            it = targetWords_.emplace(word, targetWordTable().findTargetWord(word)).first;
        return it->second;
    }
    bool rememberedFunction() const { return remembered == kFunctionWord; }
    // "function" makes the next word a function name, except in "function(": the next word
    // there is the first parameter of an anonymous function.
    void remember(std::wstring_view targetWord, std::wstring_view separator) {
        remembered = lower(targetWord);
        if (separator == L"(") remembered.clear();
    }

private:
    std::wstring lower_;
    WideTextMap<const TargetWord*> targetWords_;
};

class PreScan : public SeparatorHandler {
public:
    explicit PreScan(ScanState& state) : state_(state) {}

    ScanStep atSeparator(const SeparatorEvent& event) override {
        if (event.unclosed) return ScanStep::kFinish;
        std::wstring_view word = event.word;
        if (state_.rememberedFunction()) {
            if (!word.empty())
                state_.functions.insert_or_assign(std::wstring(state_.lower(word)), 0);
            state_.remembered.clear();
        } else if (int* used = state_.findFunction(word)) {
            *used = 1;
        } else if (state_.targetWord(word) != nullptr) {
            state_.remember(word, event.separator);
        }
        // The character behind a literal's closing quote is passed over, as in the tokenizer.
        return event.literal ? ScanStep::kSkipNext : ScanStep::kGoOn;
    }

private:
    ScanState& state_;
};

class Tokenizer : public SeparatorHandler {
public:
    Tokenizer(ScanState& state, ScanResult& result, Diagnostics& diag,
              const std::unordered_set<std::wstring>* reported)
        : state_(state), tokens_(result.tokens), declarations_(result.declarations), diag_(diag),
          reported_(reported) {}

    ScanStep atSeparator(const SeparatorEvent& event) override {
        if (event.unclosed) {
            report(event.buffer, event.word);
            tokens_.append(kUnknown, event.word);
            return endStatement();
        }
        std::wstring_view word = event.word;
        std::optional<std::wstring> decimal = hexadecimalToDecimal(word);
        if (decimal) word = *decimal;
        int kind = classify(event, word);
        return emit(event, kind, word);
    }

private:
    // Decides the kind of the word; a dotted name may emit its object first and leave only the
    // member (with its leading ".") in word.
    int classify(const SeparatorEvent& event, std::wstring_view& word) {
        if (state_.rememberedFunction()) {
            state_.remembered.clear();
            if (!word.empty()) declarations_.push_back(tokens_.size());
            return kProc;
        }
        if (int* used = state_.findFunction(word)) {
            *used = 1;
            return kProc;
        }
        if (const TargetWord* target = state_.targetWord(word)) {
            // "alert(" is the browser's; a variable called alert is the script's own.
            if (event.separator != L"(" && target->isFunction) return kVar;
            state_.remember(word, event.separator);
            return kCommand;
        }
        if (event.buffer.size() == 1 && containsChar(charset::kOperatorChars, event.buffer[0]))
            return kOp;
        if (event.literal && startsWith(word, L"\"")) {
            word = event.buffer; // the word with its closing quote
            return kText;
        }
        return classifyLiteralOrName(event, word);
    }

    int classifyLiteralOrName(const SeparatorEvent& event, std::wstring_view& word) {
        if (word == L"-") return kOp; // a sign before "(" as in "y=-(x)"
        std::wstring_view name = startsWith(word, L".") ? word.substr(1) : word;
        switch (classifyWord(name)) {
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
        word = word.substr(dot);
        if (int* used = state_.findFunction(word)) {
            *used = 1;
            return kProc;
        }
        return state_.targetWord(word) != nullptr ? kCommand : kVar;
    }

    ScanStep emit(const SeparatorEvent& event, int kind, std::wstring_view word) {
        if (!word.empty()) tokens_.append(kind, word);
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
};

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

ScanResult tokenizeStatements(const StatementList& statements, Diagnostics& diag,
                              const std::unordered_set<std::wstring>* reported) {
    ScanResult result;
    ScanState state;
    std::wstring buffer;
    PreScan preScan(state);
    for (size_t i = 0; i < statements.size(); ++i)
        scanStatement(statements[i], charset::kPreScanSeparators, preScan, buffer);
    // A token takes at least one character of its statement or is the end of one, and texts
    // grow only by the end marks; half the characters is a fair guess at the token count.
    size_t characters = statements.characterCount() + statements.size();
    result.tokens.reserve(characters / 2, characters + characters / 8);
    Tokenizer tokenizer(state, result, diag, reported);
    for (size_t i = 0; i < statements.size(); ++i)
        scanStatement(statements[i], charset::kTokenSeparators, tokenizer, buffer);
    result.functions = std::move(state.functions);
    return result;
}

} // namespace qc
