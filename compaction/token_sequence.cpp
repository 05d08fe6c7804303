#include "compaction/token_sequence.h"

#include <new>

namespace qc {

std::wstring_view namePrefix(std::wstring_view text) {
    if (!text.empty() && (text.front() == L'.' || text.front() == L'-')) return text.substr(0, 1);
    return {};
}

std::wstring_view nameWithoutPrefix(std::wstring_view text) {
    return text.substr(namePrefix(text).size());
}

void TokenSequence::reserve(size_t tokenCount, size_t characterCount) {
    tokens_.reserve(tokenCount);
    pool_.reserve(characterCount);
}

const wchar_t* TokenSequence::singleCharacters() {
    static const std::vector<wchar_t> characters = [] {
        std::vector<wchar_t> all(0x10000);
        for (size_t c = 0; c < all.size(); ++c) all[c] = static_cast<wchar_t>(c);
        return all;
    }();
    return characters.data();
}

void TokenSequence::appendName(int kind, std::wstring_view text, std::uint32_t& spelling) {
    if (spelling == kNewSpelling) spelling = internSpelling(text);
    Entry entry;
    entry.end = static_cast<std::uint32_t>(pool_.size());
    entry.word =
        (spelling << kPayloadShift) | kNamed | (static_cast<std::uint32_t>(kind) & kKindMask);
    tokens_.push_back(entry);
}

void TokenSequence::append(int kind, std::wstring_view text) {
    if (kind == kProc || kind == kVar) {
        std::uint32_t spelling = kNewSpelling;
        appendName(kind, text, spelling);
        return;
    }
    Entry entry;
    entry.end = static_cast<std::uint32_t>(pool_.size());
    const std::uint32_t kindBits = static_cast<std::uint32_t>(kind) & kKindMask;
    if (text.size() == 1 && static_cast<std::uint32_t>(text[0]) < 0x10000) {
        entry.word = (static_cast<std::uint32_t>(text[0]) << kPayloadShift) | kSingle | kindBits;
    } else {
        entry.word = kindBits;
        pool_.append(text);
        entry.end = static_cast<std::uint32_t>(pool_.size());
    }
    tokens_.push_back(entry);
}

std::uint32_t TokenSequence::internSpelling(std::wstring_view text) {
    auto it = spellingIds_.find(text);
    if (it != spellingIds_.end()) return it->second;
    // Past the spellings a token's word holds, the tables themselves would take gigabytes.
    if (spellings_.size() >= (size_t{1} << (32 - kPayloadShift))) throw std::bad_alloc();
    auto id = static_cast<std::uint32_t>(spellings_.size());
    spellings_.push_back({std::wstring(text), internName(nameWithoutPrefix(text))});
    spellingIds_.emplace(spellings_.back().text, id);
    return id;
}

int TokenSequence::internName(std::wstring_view name) {
    if (name.empty()) return kNoName;
    auto it = nameIds_.find(name);
    if (it != nameIds_.end()) return it->second;
    int id = static_cast<int>(names_.size());
    names_.emplace_back(name);
    nameIds_.emplace(names_.back(), id);
    return id;
}

} // namespace qc
