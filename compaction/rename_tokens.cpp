#include "compaction/rename_tokens.h"

#include "common/line_table.h"
#include "common/text.h"
#include "compaction/dead_functions.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace qc {
namespace {

constexpr std::wstring_view kStartFunction = L"_qlcxi";    // called by the page's load handler
constexpr std::wstring_view kEventHook = L"QLCX_AddEvent"; // called from page elements

bool isNameToken(const TokenSequence& tokens, size_t i) {
    int kind = tokens.kind(i);
    return kind == kProc || kind == kVar;
}

bool keepsItsName(std::wstring_view text) {
    return text == kStartFunction || text == kEventHook;
}

// Whether a name token is written exactly as one of the names the page calls; only a token
// without prefix and of the same length can be, so the text is rarely read.
bool isWritten(const TokenSequence& tokens, size_t i, std::wstring_view name) {
    int id = tokens.nameId(i);
    return id != TokenSequence::kNoName && tokens.name(id).size() == name.size() &&
           tokens.text(i) == name;
}

bool keepsItsNameAt(const TokenSequence& tokens, size_t i) {
    return isWritten(tokens, i, kStartFunction) || isWritten(tokens, i, kEventHook);
}

// Declared functions that nothing uses; only their declarations are such tokens. The answer
// is kept per name, so the function table is asked once per spelling, not once per token.
class UnusedFunctions {
public:
    UnusedFunctions(const TokenSequence& tokens, const FunctionTable& functions)
        : tokens_(tokens), functions_(functions), known_(tokens.nameCount(), kNotAsked) {}

    bool at(size_t i) {
        int id = tokens_.nameId(i);
        if (tokens_.kind(i) != kProc || id == TokenSequence::kNoName) return false;
        signed char& answer = known_[static_cast<size_t>(id)];
        if (answer == kNotAsked) {
            auto it = functions_.find(toLower(tokens_.text(i)));
            answer = it != functions_.end() && it->second == 0 ? 1 : 0;
        }
        return answer == 1;
    }

private:
    static constexpr signed char kNotAsked = -1;
    const TokenSequence& tokens_;
    const FunctionTable& functions_;
    std::vector<signed char> known_;
};

// Walks the dead statements along with a walk over the tokens.
class DeadStatementCursor {
public:
    explicit DeadStatementCursor(const DeadStatements& dead) : dead_(dead) {}
    // The dead statement that starts at token i, null when none does.
    const TokenRange* at(size_t i) {
        while (next_ < dead_.size() && dead_[next_].first < i) ++next_;
        return next_ < dead_.size() && dead_[next_].first == i ? &dead_[next_] : nullptr;
    }

private:
    const DeadStatements& dead_;
    size_t next_ = 0;
};

const std::wstring& giveShortName(RenameState& state, const TokenSequence& tokens, int id,
                                  ShortNameTable& shortNames) {
    auto& slot = shortNames[static_cast<size_t>(id)];
    if (slot == nullptr) slot = &shortNameOf(state, tokens.name(id));
    return *slot;
}

void emptyToken(TokenSequence& tokens, size_t i, int expectedKind, std::wstring_view text) {
    if (tokens.kind(i) == expectedKind && equalsIgnoreCase(tokens.text(i), text))
        tokens.setKind(i, kEmpty);
}

} // namespace

const std::wstring& shortNameOf(RenameState& state, const std::wstring& name) {
    static const std::wstring kNone;
    if (name.empty()) return kNone;
    auto it = state.shortNames.find(name);
    if (it == state.shortNames.end())
        it = state.shortNames.emplace(name, state.generator.next()).first;
    return it->second;
}

void nameByUseCount(const TokenSequence& tokens, const FunctionTable& functions,
                    const DeadStatements& dead, RenameState& state, ShortNameTable& shortNames) {
    shortNames.assign(tokens.nameCount(), nullptr);
    std::vector<long long> counts(tokens.nameCount(), 0);
    std::vector<int> firstUseOrder;
    UnusedFunctions unused(tokens, functions);
    DeadStatementCursor deadStatements(dead);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (const TokenRange* statement = deadStatements.at(i)) {
            i = statement->last;
            continue;
        }
        if (tokens.kind(i) == kProc && !isWritten(tokens, i, kStartFunction) && unused.at(i))
            i = functionEnd(tokens, i);
        int id = tokens.nameId(i);
        if (!isNameToken(tokens, i) || id == TokenSequence::kNoName) continue;
        if (isWritten(tokens, i, kStartFunction)) continue;
        if (counts[static_cast<size_t>(id)]++ == 0) firstUseOrder.push_back(id);
    }
    std::stable_sort(firstUseOrder.begin(), firstUseOrder.end(), [&](int a, int b) {
        return counts[static_cast<size_t>(a)] > counts[static_cast<size_t>(b)];
    });
    for (int id : firstUseOrder) giveShortName(state, tokens, id, shortNames);
}

void removeDeadCodeAndRename(TokenSequence& tokens, const FunctionTable& functions,
                             const DeadStatements& dead, RenameState& state,
                             ShortNameTable& shortNames) {
    shortNames.resize(tokens.nameCount(), nullptr);
    UnusedFunctions unused(tokens, functions);
    DeadStatementCursor deadStatements(dead);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (const TokenRange* statement = deadStatements.at(i)) {
            for (; i < statement->last; ++i) tokens.setKind(i, kEmpty); // its "#END#" stays
            continue;
        }
        if (tokens.kind(i) == kProc && !keepsItsNameAt(tokens, i) && unused.at(i)) {
            if (i >= 1) emptyToken(tokens, i - 1, kOp, L" ");
            if (i >= 2) emptyToken(tokens, i - 2, kCommand, L"function");
            // "async function name(": a procedure that waits for events
            if (i >= 4 && tokens.kind(i - 2) == kEmpty && tokens.kind(i - 4) == kCommand &&
                tokens.text(i - 4) == L"async") {
                emptyToken(tokens, i - 3, kOp, L" ");
                emptyToken(tokens, i - 4, kCommand, L"async");
            }
            size_t last = functionEnd(tokens, i);
            for (; i <= last; ++i) tokens.setKind(i, kEmpty);
            i = last;
            continue;
        }
        int id = tokens.nameId(i);
        if (isNameToken(tokens, i) && id != TokenSequence::kNoName && !keepsItsNameAt(tokens, i))
            giveShortName(state, tokens, id, shortNames);
    }
}

std::vector<std::wstring> reassemble(const TokenSequence& tokens, const ShortNameTable& shortNames,
                                     std::vector<int>* sourceLines) {
    std::vector<std::wstring> lines;
    std::optional<SourceLineReader> reader;
    if (sourceLines != nullptr) reader.emplace(lines, *sourceLines);
    auto put = [&](const std::wstring& line) {
        if (reader)
            reader->add(line);
        else
            lines.push_back(line);
    };
    std::wstring line;
    for (size_t i = 0; i < tokens.size(); ++i) {
        int kind = tokens.kind(i);
        std::wstring_view text = tokens.text(i);
        if (kind == kEmpty) continue;
        if (kind == kEnd) {
            if (line.empty()) continue;
            wchar_t last = line.back();
            if (last != L'}' && last != L'{' && last != L';') line.push_back(L';');
            put(line);
            line.clear();
            continue;
        }
        if (line.empty() && kind == kOp && text == L" ") continue; // left by a removed function
        int id = tokens.nameId(i);
        const std::wstring* shortName =
            id == TokenSequence::kNoName ? nullptr : shortNames[static_cast<size_t>(id)];
        if (isNameToken(tokens, i) && shortName != nullptr && !keepsItsName(text)) {
            line.append(namePrefix(text));
            line.append(*shortName);
        } else {
            line.append(text);
        }
    }
    if (!line.empty()) put(line); // only a sequence without a final "#END#"
    return lines;
}

} // namespace qc
