#include "common/text.h"

#include <array>
#include <limits>

namespace qc {
namespace {

// Windows-1252 for the bytes 0x80..0x9F; the five bytes it leaves undefined keep their code.
constexpr std::array<wchar_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The UTF-8 sequence at bytes[i]: its character and length, or length 0 when it is not
// well-formed (overlong forms, surrogates and values above U+10FFFF count as malformed).
struct Utf8Step {
    char32_t cp = 0;
    size_t length = 0;
};

Utf8Step decodeUtf8At(std::string_view bytes, size_t i) {
    auto b0 = static_cast<unsigned char>(bytes[i]);
    if (b0 < 0x80) return {b0, 1};
    size_t extra = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, min = 0x10000;
    } else {
        return {};
    }
    if (i + extra >= bytes.size()) return {};
    for (size_t k = 1; k <= extra; ++k) {
        auto b = static_cast<unsigned char>(bytes[i + k]);
        if ((b & 0xC0) != 0x80) return {};
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
    return {cp, extra + 1};
}

bool decodeUtf8Strict(std::string_view bytes, std::wstring& out) {
    out.clear();
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        Utf8Step step = decodeUtf8At(bytes, i);
        if (step.length == 0) return false;
        out.push_back(static_cast<wchar_t>(step.cp));
        i += step.length;
    }
    return true;
}

// UTF-16 after its byte-order mark; a lone surrogate becomes U+FFFD, an odd last byte is
// dropped.
std::wstring decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::wstring out;
    out.reserve(bytes.size() / 2);
    auto unit = [&](size_t i) -> char32_t {
        auto a = static_cast<unsigned char>(bytes[i]);
        auto b = static_cast<unsigned char>(bytes[i + 1]);
        return bigEndian ? (a << 8 | b) : (b << 8 | a);
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                out.push_back(
                    static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00)));
                i += 2;
                continue;
            }
        }
        out.push_back(u >= 0xD800 && u <= 0xDFFF ? L'\uFFFD' : static_cast<wchar_t>(u));
    }
    return out;
}

} // namespace

namespace {

wchar_t fromWindows1252(unsigned char b) {
    return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : static_cast<wchar_t>(b);
}

} // namespace

std::wstring fromSingleByte(std::string_view bytes) {
    std::wstring out(bytes.size(), L'\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        out[i] = fromWindows1252(static_cast<unsigned char>(bytes[i]));
    return out;
}

std::wstring fromUtf8(std::string_view bytes) {
    std::wstring out;
    if (decodeUtf8Strict(bytes, out)) return out;
    return fromSingleByte(bytes);
}

std::wstring decodeSourceBytes(std::string_view bytes, std::vector<StrayByte>* strays) {
    if (bytes.substr(0, 2) == "\xFF\xFE") return decodeUtf16(bytes.substr(2), false);
    if (bytes.substr(0, 2) == "\xFE\xFF") return decodeUtf16(bytes.substr(2), true);
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    // Mostly UTF-8 means more well-formed sequences beyond ASCII than bytes that fit none: one
    // stray byte in a comment must not turn every accented letter into two wrong characters,
    // while a Windows-1252 file rarely holds even one pair that happens to be UTF-8.
    size_t wellFormed = 0;
    size_t stray = 0;
    for (size_t i = 0; i < bytes.size();) {
        Utf8Step step = decodeUtf8At(bytes, i);
        if (step.length > 1) ++wellFormed;
        if (step.length == 0) ++stray;
        i += step.length == 0 ? 1 : step.length;
    }
    if (stray == 0 || wellFormed <= stray) return fromUtf8(bytes);
    std::wstring out;
    out.reserve(bytes.size());
    long long line = 1;
    for (size_t i = 0; i < bytes.size();) {
        Utf8Step step = decodeUtf8At(bytes, i);
        if (step.length == 0) {
            auto b = static_cast<unsigned char>(bytes[i]);
            out.push_back(fromWindows1252(b));
            if (strays != nullptr) strays->push_back({line, b, out.back()});
            ++i;
            continue;
        }
        if (step.cp == U'\n' ||
            (step.cp == U'\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n')))
            ++line;
        out.push_back(static_cast<wchar_t>(step.cp));
        i += step.length;
    }
    return out;
}

namespace {

// A character that has no UTF-8 form (a lone surrogate, beyond U+10FFFF) is written as U+FFFD.
char32_t encodableCodePoint(wchar_t wc) {
    auto cp = static_cast<char32_t>(wc);
    return cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF) ? 0xFFFD : cp;
}

} // namespace

size_t utf8Size(std::wstring_view text) {
    size_t n = 0;
    for (wchar_t wc : text) {
        char32_t cp = encodableCodePoint(wc);
        n += cp < 0x80 ? 1 : cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    }
    return n;
}

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t wc : text) {
        char32_t cp = encodableCodePoint(wc);
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

wchar_t toLowerChar(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
}

size_t matchingParen(std::wstring_view text, size_t open) {
    int depth = 0;
    bool quoted = false;
    for (size_t i = open; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'"') quoted = !quoted;
        if (quoted) continue;
        if (c == L'(') ++depth;
        if (c == L')' && --depth == 0) return i;
    }
    return std::wstring_view::npos;
}

std::wstring toLower(std::wstring_view text) {
    std::wstring out(text);
    for (auto& c : out) c = toLowerChar(c);
    return out;
}

bool equalsIgnoreCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (toLowerChar(a[i]) != toLowerChar(b[i])) return false;
    return true;
}

bool startsWithIgnoreCase(std::wstring_view text, std::wstring_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

bool endsWith(std::wstring_view text, std::wstring_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::wstring_view trim(std::wstring_view text, std::wstring_view chars) {
    size_t b = text.find_first_not_of(chars);
    if (b == std::wstring_view::npos) return {};
    size_t e = text.find_last_not_of(chars);
    return text.substr(b, e - b + 1);
}

namespace {

template <typename Char, typename Widen>
std::vector<std::wstring> splitLines(std::basic_string_view<Char> text, bool dropUnterminated,
                                     Widen widen) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t lf = text.find(Char('\n'), start);
        if (lf == std::basic_string_view<Char>::npos) {
            if (!dropUnterminated && start < text.size())
                lines.push_back(widen(text.substr(start)));
            break;
        }
        std::basic_string_view<Char> line = text.substr(start, lf - start);
        if (!line.empty() && line.back() == Char('\r')) line.remove_suffix(1);
        lines.push_back(widen(line));
        start = lf + 1;
    }
    return lines;
}

} // namespace

std::vector<std::wstring> splitEmbeddedLines(std::wstring_view text, bool dropUnterminated) {
    return splitLines(text, dropUnterminated, [](std::wstring_view l) { return std::wstring(l); });
}

std::vector<std::wstring> splitEmbeddedLines(std::string_view text, bool dropUnterminated) {
    return splitLines(text, dropUnterminated, fromSingleByte);
}

long long parseDecimal(std::wstring_view digits) {
    constexpr long long kMax = std::numeric_limits<long long>::max();
    long long value = 0;
    for (wchar_t c : digits) {
        if (c < L'0' || c > L'9') break;
        int d = c - L'0';
        if (value > (kMax - d) / 10) return kMax;
        value = value * 10 + d;
    }
    return value;
}

std::wstring toWide(std::string_view ascii) {
    return fromSingleByte(ascii);
}

} // namespace qc
