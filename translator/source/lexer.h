#pragma once
// The lexer: the one place that knows how the dialect's text splits into words, numbers,
// strings and operators. Every later step reads its tokens instead of scanning characters.
#include <string>
#include <string_view>
#include <vector>

namespace qc {

enum class TokenKind {
    kName,       // "Debug", "a$", "x": a word; keywords are names too, the parser tells them
    kNumber,     // "12", "1.5e3", "$FF", "%1010"
    kCharacter,  // "'a'": the character's code
    kString,     // "\"text\"" or "~\"esc\\n\"", with its quotes
    kConstant,   // "#Name", "#Name$"
    kPointer,    // "*name" where a value starts (after a value it is a multiplication)
    kAddress,    // "@name"
    kLabel,      // "?label": the address of a data label
    kField,      // "\\field", "\\name$"
    kTypeSuffix, // ".i", ".s{20}", ".Point", right after a name
    kOperator,   // "+", "<=", "<<", "(", ",", "::", ...
    kSeparator,  // ":" between statements
    kComment,    // ";" to the end of the line
    kUnknown,    // one character that starts no token
};

struct Token {
    TokenKind kind;
    std::wstring_view text; // points into the line that was lexed
    int column;             // from 1, in the line as lexed
};

// Splits one physical line into tokens; blanks and tabs separate tokens and are dropped.
// A string literal left open runs to the end of the line. Runs in time linear in the line.
std::vector<Token> lexLine(std::wstring_view line);
// The first `most` tokens of the line (all of them when it has fewer).
std::vector<Token> lexLine(std::wstring_view line, size_t most);
// The tokens into `into`, whose room is reused: a stage that reads line after line keeps one.
void lexLine(std::wstring_view line, std::vector<Token>& into);

// True when a line with these tokens goes on on the next line: its last token before any
// comment is a comma or a binary operator ("x = 1 +", "Call(a,").
bool continuesOnNextLine(const std::vector<Token>& tokens);

// A keyword after which a value starts ("If", "Debug", "ProcedureReturn", "Case", ...): a
// "*p" after it is a pointer, a "-" after it a sign, and it is never a place.
bool isValueStarter(std::wstring_view word);

// Whether a string token ends in its closing quote: a string left open runs to the end of
// its line.
bool isClosedString(std::wstring_view text);

// ASCII letters, digits and "_": the characters of a name after its first.
bool isNameChar(wchar_t c);

// Where `name` (case-insensitive) stands as a name token of `text`, from `from` on; npos
// when nowhere. Inside a string, a "#constant", a "\field" or a ".type" it is no name, and
// "a" is not the name "a$".
size_t findWholeWord(std::wstring_view text, std::wstring_view name, size_t from = 0);

// Of a token range, the index of the bracket that closes the "(" or "[" at `open`; the
// range's end when it stays open.
size_t closingBracket(const std::vector<Token>& tokens, size_t open, size_t end);

// The comma-separated parts of `text` at its top level: a comma inside brackets, a string or
// a character literal does not split. Each part keeps its text as written.
std::vector<std::wstring> splitArguments(std::wstring_view text);

} // namespace qc
