#include "translator/source/source_reader.h"

#include "common/text.h"
#include "vocabulary/statement_list.h"

#include <array>
#include <optional>

namespace qc {
namespace {

constexpr std::wstring_view kBlankOrTab = L" \t";

// Control codes that no source may hold, in the order in which they are looked for: the
// first code of this order that occurs is the one reported, wherever the others stand.
// A zero character is no text at all: most often a file saved as UTF-16 without its mark.
constexpr std::array<wchar_t, 5> kForbiddenControls = {0x1B, 0x1C, 0x0C, 0x1A, 0x00};
// The marker characters start line markers and target-code lines in the statement list,
// so source code must not contain them (inside a string literal they are plain text).
constexpr std::array<wchar_t, 2> kMarkerCharacters = {kDegreeSign, kSectionSign};

// A blank is dropped after one of these characters and before one of the second set. The
// sets differ on purpose: "Foo (1)" becomes "Foo(1)", but "(a) b" keeps its blank.
constexpr std::wstring_view kNoBlankAfter = L" =|,+-*/($";
constexpr std::wstring_view kNoBlankBefore = L" =+|,-*/()";

struct BadCharacter {
    wchar_t code;
    size_t column; // 1-based, in the line as read
};

// Position of the first occurrence of `wanted` in the code part of the line: outside string
// literals and before a comment. npos when there is none.
size_t findInCode(std::wstring_view line, wchar_t wanted) {
    bool inQuote = false;
    for (size_t i = 0; i < line.size(); ++i) {
        wchar_t c = line[i];
        if (c == L'"') inQuote = !inQuote;
        if (inQuote) continue;
        if (c == L';') break;
        if (c == wanted) return i;
    }
    return std::wstring_view::npos;
}

std::optional<BadCharacter> findForbiddenCharacter(std::wstring_view line) {
    // Nearly every line has none of them: one pass over it says so.
    bool suspect = false;
    for (wchar_t c : line)
        if ((c >= 0 && c < 0x20) || c == kDegreeSign || c == kSectionSign) {
            suspect = true;
            break;
        }
    if (!suspect) return std::nullopt;
    for (wchar_t code : kForbiddenControls) {
        size_t at = line.find(code);
        if (at != std::wstring_view::npos) return BadCharacter{code, at + 1};
    }
    for (wchar_t code : kMarkerCharacters) {
        size_t at = findInCode(line, code);
        if (at != std::wstring_view::npos) return BadCharacter{code, at + 1};
    }
    return std::nullopt;
}

std::wstring upperHex(unsigned value) {
    constexpr std::wstring_view kDigits = L"0123456789ABCDEF";
    std::wstring text;
    do {
        text.insert(text.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return text;
}

void reportBadCharacter(long long lineNumber, const BadCharacter& bad, Diagnostics& diag) {
    diag.error(message::unknownCharacter(lineNumber, static_cast<int>(bad.column),
                                         upperHex(static_cast<unsigned>(bad.code))));
}

class StatementSplitter {
public:
    StatementSplitter(std::vector<std::wstring>& out, long long lineNumber)
        : out_(out), marker_(lineMarker(lineNumber)) {}

    // Walks one trimmed line. Inside string literals every character is kept as written;
    // outside them a tab counts as a blank, ";" starts a comment and ":" ends a statement.
    void scan(std::wstring_view line) {
        buffer_.reserve(line.size());
        bool inQuote = false;
        bool escapes = false; // ~"..." holds \" and \\ as escapes
        for (size_t i = 0; i < line.size(); ++i) {
            wchar_t c = line[i];
            if (c == L'"') {
                inQuote = !inQuote;
                escapes = inQuote && i > 0 && line[i - 1] == L'~';
            }
            if (inQuote) {
                buffer_.push_back(c);
                if (escapes && c == L'\\' && i + 1 < line.size()) buffer_.push_back(line[++i]);
                continue;
            }
            if (c == L';') break;
            if (c == L':' && i + 1 < line.size() && line[i + 1] == L':') {
                // "M::Item" names an item of a module: one word, no end of statement.
                buffer_ += L"::";
                ++i;
            } else if (c == L':') {
                emit();
            } else if (c == L' ' || c == L'\t') {
                wchar_t next = i + 1 < line.size() ? line[i + 1] : L'\0';
                if (next == L'\t') next = L' ';
                if (!blankAfter() && !containsChar(kNoBlankBefore, next)) buffer_.push_back(L' ');
            } else {
                buffer_.push_back(c);
            }
        }
        emit();
    }

private:
    bool blankAfter() const {
        return !buffer_.empty() && containsChar(kNoBlankAfter, buffer_.back());
    }

    void emit() {
        std::wstring_view statement = trim(buffer_, kBlankOrTab);
        if (!statement.empty()) {
            out_.push_back(marker_);
            out_.emplace_back(statement);
        }
        buffer_.clear();
    }

    std::vector<std::wstring>& out_;
    std::wstring marker_;
    std::wstring buffer_;
};

} // namespace

// The checks every physical line passes before it is read: a forbidden character drops it.
bool passesCharacterCheck(std::wstring_view rawLine, long long programLine, Diagnostics& diag) {
    auto bad = findForbiddenCharacter(rawLine);
    if (bad) reportBadCharacter(programLine, *bad, diag);
    return !bad;
}

void splitStatements(std::wstring_view line, long long programLine,
                     std::vector<std::wstring>& out) {
    line = trim(line, kBlankOrTab);
    if (line.empty() || line.front() == L';') return;
    StatementSplitter(out, programLine).scan(line);
}

std::vector<std::wstring> readSource(std::wstring_view sourceText, Diagnostics& diag) {
    return readProgram(sourceText, nullptr, diag).statements;
}

} // namespace qc
