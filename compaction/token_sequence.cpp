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

void TokenSequence::append(int kind, std::wstring_view text) {
    Entry entry;
    entry.end = static_cast<std::uint32_t>(pool_.size());
    const bool named = kind == kProc || kind == kVar;
    const std::uint32_t kindBits = static_cast<std::uint32_t>(kind) & kKindMask;
    if (!named && text.size() == 1 && static_cast<std::uint32_t>(text[0]) < 0x10000) {
        entry.word = (static_cast<std::uint32_t>(text[0]) << kPayloadShift) | kSingle | kindBits;
        tokens_.push_back(entry);
        return;
    }
    int nameId = named ? internName(nameWithoutPrefix(text)) : kNoName;
    entry.word = (static_cast<std::uint32_t>(nameId + 1) << kPayloadShift) | kindBits;
    pool_.append(text);
    entry.end = static_cast<std::uint32_t>(pool_.size());
    tokens_.push_back(entry);
}

int TokenSequence::internName(std::wstring_view name) {
    if (name.empty()) return kNoName;
    auto it = nameIds_.find(name);
    if (it != nameIds_.end()) return it->second;
    // Past the names a token's word holds, the table itself would take some ten gigabytes.
    if (names_.size() >= (size_t{1} << (32 - kPayloadShift)) - 1) throw std::bad_alloc();
    int id = static_cast<int>(names_.size());
    names_.emplace_back(name);
    nameIds_.emplace(names_.back(), id);
    return id;
}

} // namespace qc
