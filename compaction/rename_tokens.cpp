#include "compaction/rename_tokens.h"

#include "common/text.h"
#include "compaction/dead_functions.h"

#include <algorithm>
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

// A declared function that nothing else refers to; only its declaration is such a token.
bool isUnusedFunction(const TokenSequence& tokens, size_t i, const FunctionTable& functions) {
    if (tokens.kind(i) != kProc) return false;
    auto it = functions.find(toLower(tokens.text(i)));
    return it != functions.end() && it->second == 0;
}

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

void nameByUseCount(const TokenSequence& tokens, const FunctionTable& functions, RenameState& state,
                    ShortNameTable& shortNames) {
    shortNames.assign(tokens.nameCount(), nullptr);
    std::vector<long long> counts(tokens.nameCount(), 0);
    std::vector<int> firstUseOrder;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens.text(i) != kStartFunction && isUnusedFunction(tokens, i, functions))
            i = functionEnd(tokens, i);
        int id = tokens.nameId(i);
        if (!isNameToken(tokens, i) || id == TokenSequence::kNoName) continue;
        if (tokens.text(i) == kStartFunction) continue;
        if (counts[static_cast<size_t>(id)]++ == 0) firstUseOrder.push_back(id);
    }
    std::stable_sort(firstUseOrder.begin(), firstUseOrder.end(), [&](int a, int b) {
        return counts[static_cast<size_t>(a)] > counts[static_cast<size_t>(b)];
    });
    for (int id : firstUseOrder) giveShortName(state, tokens, id, shortNames);
}

void removeDeadFunctionsAndRename(TokenSequence& tokens, const FunctionTable& functions,
                                  RenameState& state, ShortNameTable& shortNames) {
    shortNames.resize(tokens.nameCount(), nullptr);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (!keepsItsName(tokens.text(i)) && isUnusedFunction(tokens, i, functions)) {
            if (i >= 1) emptyToken(tokens, i - 1, kOp, L" ");
            if (i >= 2) emptyToken(tokens, i - 2, kCommand, L"function");
            size_t last = functionEnd(tokens, i);
            for (; i <= last; ++i) tokens.setKind(i, kEmpty);
            i = last;
            continue;
        }
        int id = tokens.nameId(i);
        if (isNameToken(tokens, i) && id != TokenSequence::kNoName && !keepsItsName(tokens.text(i)))
            giveShortName(state, tokens, id, shortNames);
    }
}

std::vector<std::wstring> reassemble(const TokenSequence& tokens,
                                     const ShortNameTable& shortNames) {
    std::vector<std::wstring> lines;
    std::wstring line;
    for (size_t i = 0; i < tokens.size(); ++i) {
        int kind = tokens.kind(i);
        std::wstring_view text = tokens.text(i);
        if (kind == kEmpty) continue;
        if (kind == kEnd) {
            if (line.empty()) continue;
            wchar_t last = line.back();
            if (last != L'}' && last != L'{' && last != L';') line.push_back(L';');
            lines.push_back(line);
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
    if (!line.empty()) lines.push_back(line); // only a sequence without a final "#END#"
    return lines;
}

} // namespace qc
