#include "compaction/name_generator.h"

#include "common/text.h"
#include "tables/target_word_table.h"
#include "vocabulary/reserved_words.h"

#include <algorithm>
#include <unordered_set>

namespace qc {
namespace {

constexpr std::wstring_view kAlphabet =
    L" abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_0123456789";
constexpr int kBlank = 1;
constexpr int kFirstLetter = 2;
constexpr int kUnderscore = 54; // the first character that may not lead a name
constexpr int kLast = 64;

// The words a short name must never be: the reserved words and fixed globals, compared
// exactly, and the target words, compared in lower case.
struct SkipList {
    std::unordered_set<std::wstring> exact;
    std::unordered_set<std::wstring> anyCase; // lower case

    SkipList() {
        for (auto list : {reservedWords(), fixedGlobals(), windowProperties()})
            for (auto word : list) exact.emplace(word);
        for (const wchar_t* registered : targetWordRegistrations()) {
            std::wstring word = toLower(registered);
            if (endsWith(word, L"()")) word.resize(word.size() - 2);
            if (!startsWith(word, L".")) anyCase.insert(word);
        }
    }
};

const SkipList& skipList() {
    static const SkipList list;
    return list;
}

} // namespace

bool isSkippedShortName(std::wstring_view name) {
    const SkipList& list = skipList();
    return list.exact.count(std::wstring(name)) != 0 || list.anyCase.count(toLower(name)) != 0;
}

NameGenerator::NameGenerator(std::vector<int> digits) : digits_(std::move(digits)) {
    if (digits_.empty()) digits_.push_back(kBlank);
    for (auto& d : digits_) d = std::clamp(d, kBlank, kLast);
}

std::wstring NameGenerator::next() {
    std::wstring name;
    do {
        advance();
        name = spell();
    } while (isSkippedShortName(name));
    ++count_;
    return name;
}

// Counts like an odometer whose leading digit runs over the letters only and whose other
// digits run over letters, "_" and digits. When every digit is used up, a new leading digit
// is added, so the generator never runs out.
void NameGenerator::advance() {
    size_t k = 0;
    ++digits_[0];
    for (;;) {
        bool leading = k + 1 == digits_.size() || digits_[k + 1] == kBlank;
        bool overflow = (leading && digits_[k] >= kUnderscore) || digits_[k] > kLast;
        if (!overflow) return;
        digits_[k] = kFirstLetter;
        ++k;
        if (k == digits_.size()) digits_.push_back(kBlank);
        ++digits_[k];
    }
}

std::wstring NameGenerator::spell() const {
    std::wstring name;
    for (auto it = digits_.rbegin(); it != digits_.rend(); ++it)
        if (*it != kBlank) name.push_back(kAlphabet[static_cast<size_t>(*it - 1)]);
    return name;
}

} // namespace qc
