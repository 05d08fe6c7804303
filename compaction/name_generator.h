#pragma once
// Generates the short names of compaction: "a" to "Z", then "aa", "ab", ..., "a_", "a0" ...,
// then three characters and more. A name starts with a letter, the other characters are
// letters, "_" or digits. Names that would break a page are passed over.
#include <string>
#include <string_view>
#include <vector>

namespace qc {

class NameGenerator {
public:
    // Digit positions into the alphabet, last character first; 1 is the blank that stands for
    // an absent character. A generator resumes behind the name these digits spell.
    explicit NameGenerator(std::vector<int> digits = {1, 1, 1, 1});

    std::wstring next();
    long long count() const { return count_; }

private:
    void advance();
    std::wstring spell() const;

    std::vector<int> digits_;
    long long count_ = 0;
};

// Whether a generated name must be passed over: a reserved word or literal of JavaScript,
// a word the target-word table keeps (in any letter case, so "Math" or "image" never shadow
// the real ones), or a name a global "var" cannot take in a browser page.
bool isSkippedShortName(std::wstring_view name);

} // namespace qc
