#pragma once
// Text helpers. The core holds text as std::wstring (one element per character, UTF-32 on
// this platform), so "character positions" of the language rules are real characters.
// UTF-8 is converted only at the edges: reading a source, writing a page, logging.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

inline constexpr wchar_t kDegreeSign = L'\u00B0';  // starts line markers and target-code lines
inline constexpr wchar_t kSectionSign = L'\u00A7'; // the end-of-statement sentinel

// A byte of a UTF-8 source that fits no UTF-8 sequence, read as Windows-1252.
struct StrayByte {
    long long line;
    unsigned char byte;
    wchar_t readAs;
};

// Decodes a source file: a UTF-16 byte-order mark (either order) means UTF-16; a UTF-8 one is
// skipped. Text that is mostly UTF-8 is read as UTF-8, each stray byte as Windows-1252 and
// listed in strays; other text is read as Windows-1252, so that every byte keeps a character.
std::wstring decodeSourceBytes(std::string_view bytes, std::vector<StrayByte>* strays = nullptr);
std::wstring fromUtf8(std::string_view bytes);
std::string toUtf8(std::wstring_view text);
// The length of toUtf8(text), without building it.
size_t utf8Size(std::wstring_view text);
// Decodes ASCII or Windows-1252 text byte by byte (used for the embedded texts).
std::wstring fromSingleByte(std::string_view bytes);

// The position of the ")" that closes the "(" at open, skipping string literals; npos
// when the text ends first.
size_t matchingParen(std::wstring_view text, size_t open);
// ASCII letters only: the dialect and the tables are ASCII, and a locale must never change
// how a keyword compares.
std::wstring toLower(std::wstring_view text);
wchar_t toLowerChar(wchar_t c);
bool equalsIgnoreCase(std::wstring_view a, std::wstring_view b);

// FNV-1a over the characters of a word, each passed through `fold` first: on words of a few
// characters it beats the library's byte-wise hash.
template <typename Fold> size_t hashCharacters(std::wstring_view s, Fold fold) noexcept {
    size_t h = 1469598103934665603ULL;
    for (wchar_t c : s) h = (h ^ static_cast<size_t>(fold(c))) * 1099511628211ULL;
    return h;
}

// Hashing and comparing in any letter case, for a map of words looked up as they are written:
// the lookup needs no lower-case copy of the word.
struct NoCaseHash {
    using is_transparent = void;
    size_t operator()(std::wstring_view s) const noexcept { return hashCharacters(s, toLowerChar); }
};
struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const noexcept {
        return equalsIgnoreCase(a, b);
    }
};

bool startsWithIgnoreCase(std::wstring_view text, std::wstring_view prefix);
bool endsWith(std::wstring_view text, std::wstring_view suffix);

// These two run for every character of every statement in several passes: inline, and
// written as plain loops, which beat a library call on the few characters they compare.
inline bool startsWith(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (text[i] != prefix[i]) return false;
    return true;
}

inline bool containsChar(std::wstring_view set, wchar_t c) {
    for (wchar_t s : set)
        if (s == c) return true;
    return false;
}

// Trims the given characters (default: the blank only) from both ends.
std::wstring_view trim(std::wstring_view text, std::wstring_view chars = L" ");

// Splits an embedded text into lines at LF, dropping a CR before each LF, so that a
// checkout with either line end gives the same lines. Text after the last LF is dropped
// when dropUnterminated is true (the "//EOF" fragment of the runtime library).
std::vector<std::wstring> splitEmbeddedLines(std::wstring_view text, bool dropUnterminated);
// The same for a single-byte text stored in the program, each line decoded on its own, so no
// wide copy of the whole text is made on the way.
std::vector<std::wstring> splitEmbeddedLines(std::string_view text, bool dropUnterminated);

// Parses a decimal integer prefix without exceptions; saturates instead of overflowing.
long long parseDecimal(std::wstring_view digits);

std::wstring toWide(std::string_view ascii);

} // namespace qc
