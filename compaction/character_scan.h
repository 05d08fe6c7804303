#pragma once
// The character walk under the tokenizing scan. It gathers characters into a buffer and stops
// at every separator of the given set, where the handler decides what the word is.
#include <string>
#include <string_view>

namespace qc {

// What the walk found at one separator.
struct SeparatorEvent {
    std::wstring_view buffer;    // the gathered characters, ending with the separator
    std::wstring_view word;      // the buffer without its last character
    std::wstring_view separator; // one character, a merged pair ("==", "=<", "=>"), "§" or '"'
    bool atEnd = false;          // the separator is the end of the statement
    bool literal = false;        // the separator is the closing quote of a string literal
    bool unclosed = false;       // a literal without closing quote: word runs to the end
    bool merged = false;         // the separator is a merged pair
    wchar_t next = L'\0';        // the character behind the separator ('\0' at the end)
    bool nextIsEnd = false;
    bool afterIsEnd = false; // the character behind next is the end
};

enum class ScanStep {
    kGoOn,     // continue behind the separator
    kSkipNext, // continue one character further (the handler consumed next)
    kFinish,   // the statement is done
};

class SeparatorHandler {
public:
    virtual ~SeparatorHandler() = default;
    virtual ScanStep atSeparator(const SeparatorEvent& event) = 0;
};

// Walks one trimmed statement. The end of the statement acts as the end sentinel "§"; a "§"
// inside the script is an ordinary character, so the sentinel can never be confused with text.
// The buffer is reused between calls to avoid an allocation per statement.
void scanStatement(std::wstring_view statement, std::wstring_view separators,
                   SeparatorHandler& handler, std::wstring& buffer);

} // namespace qc
