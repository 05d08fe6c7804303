#include "compaction/name_generator.h"

#include "common/text.h"
#include "tables/target_word_table.h"

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

// The words a short name must never be. Compared exactly; the target words are added in
// lower case and compared in lower case.
// clang-format off
constexpr std::wstring_view kSkippedNames[] = {
    // Reserved words of the language, including those reserved only in strict mode or modules
    L"await", L"break", L"case", L"catch", L"class", L"const", L"continue", L"debugger",
    L"default", L"delete", L"do", L"else", L"enum", L"export", L"extends", L"false",
    L"finally", L"for", L"function", L"if", L"implements", L"import", L"in", L"instanceof",
    L"interface", L"let", L"new", L"null", L"package", L"private", L"protected", L"public",
    L"return", L"static", L"super", L"switch", L"this", L"throw", L"true", L"try", L"typeof",
    L"var", L"void", L"while", L"with", L"yield",
    // Global values and names that cannot be redeclared or reassigned
    L"NaN", L"Infinity", L"undefined", L"arguments", L"eval",
    // Properties of the browser's window that a global "var" cannot safely take: they are
    // read-only, convert what is stored into a string, or navigate away
    L"top", L"name", L"self", L"status", L"event", L"parent", L"length", L"closed", L"origin",
    L"opener", L"frames", L"window", L"location", L"history", L"navigator",
};
// clang-format on

struct SkipList {
    std::unordered_set<std::wstring> exact;
    std::unordered_set<std::wstring> anyCase; // lower case

    SkipList() {
        for (auto word : kSkippedNames) exact.emplace(word);
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
