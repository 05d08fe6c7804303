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

void TokenSequence::append(int kind, std::wstring_view text) {
    Entry entry;
    int nameId = kind == kProc || kind == kVar ? internName(nameWithoutPrefix(text)) : kNoName;
    entry.kindAndName = (static_cast<std::uint32_t>(nameId + 1) << kKindBits) |
                        (static_cast<std::uint32_t>(kind) & kKindMask);
    pool_.append(text);
    entry.end = static_cast<std::uint32_t>(pool_.size());
    tokens_.push_back(entry);
}

int TokenSequence::internName(std::wstring_view name) {
    if (name.empty()) return kNoName;
    auto it = nameIds_.find(name);
    if (it != nameIds_.end()) return it->second;
    // Past the names a token's word holds, the table itself would take some ten gigabytes.
    if (names_.size() >= (size_t{1} << (32 - kKindBits)) - 1) throw std::bad_alloc();
    int id = static_cast<int>(names_.size());
    names_.emplace_back(name);
    nameIds_.emplace(names_.back(), id);
    return id;
}

} // namespace qc
