#include "translator/language/script_literals.h"

#include "common/text.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cwchar>

namespace qc {
namespace {

bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// The script's spelling of the dialect's escape after a backslash of a "~" literal.
std::wstring_view scriptEscape(wchar_t e) {
    switch (e) {
    case L'n':
        return L"\\n";
    case L'r':
        return L"\\r";
    case L't':
        return L"\\t";
    case L'a':
        return L"\\x07";
    case L'b':
        return L"\\b";
    case L'f':
        return L"\\f";
    case L'v':
        return L"\\v";
    case L'"':
        return L"\\x22"; // the script compaction reads no escaped quote inside a string
    case L'\\':
        return L"\\\\";
    default:
        return {};
    }
}

// A plain literal: a backslash stays a backslash, and "</" cannot end the script element.
std::wstring plainLiteral(std::wstring_view literal) {
    std::wstring out;
    out.reserve(literal.size());
    for (size_t i = 0; i < literal.size(); ++i) {
        if (literal[i] == L'\\') out += L'\\';
        out += literal[i];
        if (literal[i] == L'<' && i + 1 < literal.size() && literal[i + 1] == L'/') out += L'\\';
    }
    return out;
}

} // namespace

std::wstring hexToDecimal(std::wstring_view word) {
    bool negative = !word.empty() && word[0] == L'-';
    unsigned long long value = 0;
    for (wchar_t c : word.substr(negative ? 2 : 1)) {
        c = toLowerChar(c);
        value = value * 16 + static_cast<unsigned>(isDigit(c) ? c - L'0' : c - L'a' + 10);
    }
    return (negative ? L"-" : L"") + std::to_wstring(value);
}

std::wstring binaryToDecimal(std::wstring_view digits) {
    unsigned long long value = 0;
    for (wchar_t c : digits) value = value * 2 + static_cast<unsigned>(c - L'0');
    return std::to_wstring(static_cast<long long>(value));
}

bool beyond64Bits(std::wstring_view word) {
    bool negative = !word.empty() && word[0] == L'-';
    if (negative) word.remove_prefix(1);
    bool hex = !word.empty() && word[0] == L'$';
    if (hex) word.remove_prefix(1);
    word = word.substr(std::min(word.find_first_not_of(L'0'), word.size()));
    if (hex) return word.size() > 16;
    std::wstring_view limit = negative ? L"9223372036854775808" : L"9223372036854775807";
    return word.size() > limit.size() || (word.size() == limit.size() && word > limit);
}

std::wstring withoutLeadingZeros(std::wstring word) {
    size_t first = !word.empty() && word[0] == L'-' ? 1 : 0;
    size_t zeros = 0;
    while (first + zeros + 1 < word.size() && word[first + zeros] == L'0' &&
           isDigit(word[first + zeros + 1]))
        ++zeros;
    word.erase(first, zeros);
    return word;
}

std::wstring_view wrapSuffix(wchar_t width) {
    switch (width) {
    case L'b':
        return L")<<24>>24";
    case L'w':
        return L")<<16>>16";
    case L'a':
        return L")&255";
    case L'u':
    case L'c':
        return L")&65535";
    case L'l':
        return L")|0";
    default:
        return {};
    }
}

bool literalFitsWidth(std::wstring_view decimal, wchar_t width) {
    std::wstring text(decimal);
    wchar_t* end = nullptr;
    long long v = std::wcstoll(text.c_str(), &end, 10);
    if (text.empty() || *end != L'\0') return false;
    switch (width) {
    case L'b':
        return v >= -128 && v <= 127;
    case L'w':
        return v >= -32768 && v <= 32767;
    case L'a':
        return v >= 0 && v <= 255;
    case L'u':
    case L'c':
        return v >= 0 && v <= 65535;
    default:
        return v >= -2147483648LL && v <= 2147483647LL;
    }
}

std::wstring withPointedExponent(std::wstring number) {
    size_t exponent = number.find_first_of(L"eE");
    if (exponent == std::wstring::npos) return number;
    if (exponent + 1 < number.size() && number[exponent + 1] == L'+') number.erase(exponent + 1, 1);
    if (number.find(L'.') == std::wstring::npos) number.insert(exponent, L".0");
    return number;
}

std::wstring scriptInteger(std::wstring decimal) {
    bool negative = !decimal.empty() && decimal[0] == L'-';
    std::wstring_view digits = std::wstring_view(decimal).substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 20 ||
        digits.find_first_not_of(L"0123456789") != std::wstring_view::npos)
        return decimal;
    unsigned long long value = 0;
    for (wchar_t c : digits) value = value * 10 + static_cast<unsigned>(c - L'0');
    if (negative) value = 0 - value;
    auto v = static_cast<long long>(value);
    constexpr long long kSafe = 9007199254740991LL;
    if (v >= -kSafe && v <= kSafe) return std::to_wstring(v);
    return L"QLCX_Big(\"" + std::to_wstring(v) + L"\")";
}

bool singleHoldsExactly(std::wstring_view decimal) {
    std::wstring text(decimal);
    wchar_t* end = nullptr;
    double v = std::wcstod(text.c_str(), &end);
    if (text.empty() || *end != L'\0' || !(std::fabs(v) <= FLT_MAX)) return false;
    return static_cast<double>(static_cast<float>(v)) == v;
}

std::wstring scriptString(std::wstring_view literal) {
    if (literal.empty() || literal[0] != L'~') return plainLiteral(literal);
    std::wstring text = L"\"";
    std::wstring_view inside = literal.substr(2, literal.size() >= 3 ? literal.size() - 3 : 0);
    for (size_t k = 0; k < inside.size(); ++k) {
        if (inside[k] != L'\\' || k + 1 >= inside.size()) {
            if (inside[k] == L'<' && k + 1 < inside.size() && inside[k + 1] == L'/') text += L'\\';
            text += inside[k];
            continue;
        }
        wchar_t e = inside[++k];
        std::wstring_view escape = scriptEscape(e);
        if (escape.empty()) {
            text += L"\\\\";
            text += e;
        } else {
            text += escape;
        }
    }
    return text + L"\"";
}

} // namespace qc
