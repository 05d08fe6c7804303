#include "vocabulary/classify_word.h"

#include "common/text.h"

#include <algorithm>

namespace qc {

bool containsAny(std::wstring_view text, std::wstring_view set) {
    return text.find_first_of(set) != std::wstring_view::npos;
}

bool isHexDigits(std::wstring_view text) {
    if (text.empty()) return false;
    return std::all_of(text.begin(), text.end(), [](wchar_t c) {
        c = toLowerChar(c);
        return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'f');
    });
}

bool hasNameCharacters(std::wstring_view text, wchar_t extra1, wchar_t extra2, wchar_t extra3,
                       wchar_t extra4) {
    if (text.empty()) return false;
    return std::all_of(text.begin(), text.end(), [&](wchar_t c) {
        if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') ||
            c == L'_')
            return true;
        return c != 0 && (c == extra1 || c == extra2 || c == extra3 || c == extra4);
    });
}

namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Numbers: digits with at most a "." and an exponent; only a word that starts like a number
// is one, so variables called E or e1 stay names.
int classifyNumber(std::wstring_view s, wchar_t c1, wchar_t c2) {
    if (!(isDigit(c1) || c1 == L'.')) return 1;
    if (!hasNameCharacters(s, L'-', L'.')) return 1;
    if (c2 == L'-') return 1;
    if (containsAny(toLower(s), L"abcdf_ghijklmnopqrstuvwxyz")) return 1;
    if (s.size() == 1 && containsChar(L"abcdef", s[0])) return 1;
    auto minus = std::count(s.begin(), s.end(), L'-');
    bool integerShape = s.find(L'.') == std::wstring_view::npos &&
                        (minus == 0 || (minus == 1 && c1 == L'-')) && c1 != L'e';
    if (!integerShape) return kWordFloat;
    return containsAny(toLower(s), L"abcdefghijklmnopqrstuvwxyz") ? kWordNone : kWordInteger;
}

} // namespace

int classifyWord(std::wstring_view text) {
    if (text.size() >= 2 && text.front() == L'"' && text.back() == L'"' &&
        std::count(text.begin(), text.end(), L'"') == 2)
        return kWordString;
    std::wstring_view s = text;
    if (!s.empty() && s.front() == L'-') s.remove_prefix(1);
    if (s.empty()) return kWordNone;
    if (s.size() == 1 && containsChar(L"-.$", s[0])) return kWordNone;
    wchar_t c1 = s[0];
    std::wstring_view rest = s.substr(1);
    wchar_t c2 = s.size() > 1 ? s[1] : 0;
    if (c1 == L'*' && hasNameCharacters(rest) && !(c2 != 0 && isDigit(c2))) return kWordName;
    int number = classifyNumber(s, c1, c2);
    if (number != 1) return number;
    if (c1 == L'$' && isHexDigits(rest)) return kWordInteger;
    if (s.back() == L'$' && hasNameCharacters(s.substr(0, s.size() - 1)) && !isDigit(c1))
        return kWordStringName;
    if (hasNameCharacters(s, L'.', L'\\') && !containsChar(L"0123456789-.", c1)) return kWordName;
    return kWordNone;
}

} // namespace qc
