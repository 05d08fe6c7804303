#include "compaction/split_statements.h"

#include "common/text.h"
#include "vocabulary/token.h"

namespace qc {
namespace {

wchar_t lastOf(const std::wstring& piece) {
    return piece.empty() ? L'\0' : piece.back();
}

void flushPiece(std::wstring& piece, StatementList& statements) {
    std::wstring_view kept = trimBlanks(piece);
    if (!kept.empty()) statements.add(kept);
    piece.clear();
}

} // namespace

bool blankIsKept(wchar_t before, wchar_t after, std::wstring_view dropAfter) {
    // "a - -1" would become a decrement, "a < !b" the opening of an old-style comment.
    if ((before == L'-' || before == L'+') && after == before) return true;
    if (before == L'<' && after == L'!') return true;
    bool besideOperator = (before != L'\0' && containsChar(dropAfter, before)) ||
                          (after != L'\0' && containsChar(charset::kDropBlankBefore, after));
    return !besideOperator;
}

void splitLine(std::wstring_view rawLine, StatementList& statements, std::wstring& piece) {
    // A Tab counts as a blank outside strings; inside them it is data and stays.
    std::wstring_view text = trim(rawLine, L" \t");
    auto at = [&](size_t i) { return text[i] == L'\t' ? L' ' : text[i]; };
    bool inString = false;
    int depth = 0;
    piece.clear();
    // The characters that decide something; a run of any others goes over whole.
    auto plain = [](wchar_t c) {
        return c != L'"' && c != L'(' && c != L')' && c != L'/' && c != L';' && c != L' ' &&
               c != L'\t';
    };
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (!inString && plain(c)) {
            size_t end = i + 1;
            while (end < text.size() && plain(text[end])) ++end;
            piece.append(text.substr(i, end - i));
            i = end - 1;
            continue;
        }
        if (c == L'"') inString = !inString;
        if (inString) {
            // The string's text up to its closing quote.
            size_t close = text.find(L'"', i + 1);
            size_t end = close == std::wstring_view::npos ? text.size() : close;
            piece.append(text.substr(i, end - i));
            i = end - 1;
            continue;
        }
        c = at(i);
        wchar_t next = i + 1 < text.size() ? at(i + 1) : L'\0';
        if (c == L'(') ++depth;
        if (c == L')') --depth;
        if (c == L'/' && next == L'/') break;
        if ((depth == 0 && c == L';') || (c == L' ' && lastOf(piece) == L'{')) {
            flushPiece(piece, statements);
        } else if (c != L' ' || blankIsKept(lastOf(piece), next, charset::kSplitDropBlankAfter)) {
            piece.push_back(c);
        }
    }
    flushPiece(piece, statements);
}

StatementList splitStatements(const std::vector<std::wstring>& scriptLines) {
    StatementList statements;
    size_t characters = 0;
    for (const auto& line : scriptLines) characters += line.size();
    statements.reserve(scriptLines.size(), characters);
    std::wstring piece;
    for (const auto& line : scriptLines) splitLine(line, statements, piece);
    return statements;
}

} // namespace qc
