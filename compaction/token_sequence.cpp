#include "compaction/token_sequence.h"

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
    entry.kind = static_cast<std::int16_t>(kind);
    if (text.size() == 1 && text[0] < 0x10000) entry.single = static_cast<char16_t>(text[0]);
    if (kind == kProc || kind == kVar) entry.nameId = internName(nameWithoutPrefix(text));
    pool_.append(text);
    entry.end = static_cast<std::uint32_t>(pool_.size());
    tokens_.push_back(entry);
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
