#pragma once
// Words of the target language and of the browser's objects that script compaction keeps
// under their own names.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qc {

struct TargetWord {
    bool isFunction = false; // registered with "()": fixed only when "(" follows
};

class TargetWordTable {
public:
    // Key: the word in lower case; a trailing "()" is cut off and marks a function.
    void registerTargetWord(std::wstring_view word);
    // Key: the word before its first "(", in lower case. Null when the word is not listed.
    const TargetWord* findTargetWord(std::wstring_view word) const;
    size_t size() const { return words_.size(); }

private:
    std::unordered_map<std::wstring, TargetWord> words_;
};

const TargetWordTable& targetWordTable();
const std::vector<const wchar_t*>& targetWordRegistrations();

} // namespace qc
