#include "translator/source/lexer.h"

#include <gtest/gtest.h>

#include <string>

namespace qc {
namespace {

// The tokens of a line as "tag:text" joined by blanks; a separator is written ":".
std::wstring dump(std::wstring_view line) {
    std::wstring out;
    for (const Token& token : lexLine(line)) {
        if (!out.empty()) out += L' ';
        const wchar_t* tag = L"";
        switch (token.kind) {
        case TokenKind::kName:
            tag = L"n:";
            break;
        case TokenKind::kNumber:
            tag = L"d:";
            break;
        case TokenKind::kCharacter:
            tag = L"c:";
            break;
        case TokenKind::kString:
            tag = L"s:";
            break;
        case TokenKind::kConstant:
            tag = L"k:";
            break;
        case TokenKind::kPointer:
            tag = L"p:";
            break;
        case TokenKind::kAddress:
            tag = L"a:";
            break;
        case TokenKind::kLabel:
            tag = L"l:";
            break;
        case TokenKind::kField:
            tag = L"f:";
            break;
        case TokenKind::kTypeSuffix:
            tag = L"t:";
            break;
        case TokenKind::kOperator:
            tag = L"o:";
            break;
        case TokenKind::kSeparator:
            out += L':';
            continue;
        case TokenKind::kComment:
            tag = L"r:";
            break;
        case TokenKind::kUnknown:
            tag = L"u:";
            break;
        }
        out += tag;
        out += token.text;
    }
    return out;
}

TEST(Lexer, Tokens) {
    struct Row {
        std::wstring line;
        std::wstring tokens;
    };
    const Row rows[] = {
        {L"Debug \"a;b:c\" ; note", L"n:Debug s:\"a;b:c\" r:; note"},
        {L"x = a *b : *p = 0", L"n:x o:= n:a o:* n:b : p:*p o:= d:0"},
        {L"If *p And *q\\next\\x", L"n:If p:*p n:And p:*q f:\\next f:\\x"},
        {L"ProcedureReturn *p * 2", L"n:ProcedureReturn p:*p o:* d:2"},
        {L"f(a) *b", L"n:f o:( n:a o:) o:* n:b"},
        {L"y = $FF + %1010 % 3", L"n:y o:= d:$FF o:+ d:%1010 o:% d:3"},
        {L"y = a %1", L"n:y o:= n:a o:% d:1"},
        {L"c = 'A' + ~\"x\\\"y\" + \"z\"", L"n:c o:= c:'A' o:+ s:~\"x\\\"y\" o:+ s:\"z\""},
        {L"Define.s{20} name$, p.Point", L"n:Define t:.s{20} n:name$ o:, n:p t:.Point"},
        {L"Restore ?data : x = @y() << 1.5e3 <> .5",
         L"n:Restore l:?data : n:x o:= a:@y o:( o:) o:<< d:1.5e3 o:<> d:.5"},
        {L"a <= b =< c >= d => e >> 2", L"n:a o:<= n:b o:=< n:c o:>= n:d o:=> n:e o:>> d:2"},
        {L"Mod::Proc(#Big$, 2.5E-3)", L"n:Mod o::: n:Proc o:( k:#Big$ o:, d:2.5E-3 o:)"},
        {L"Label: x.i = 1", L"n:Label : n:x t:.i o:= d:1"},
        {L"\tx\t=\t1 \u00B0", L"n:x o:= d:1 u:\u00B0"},
        {L"Debug \"open", L"n:Debug s:\"open"},
        {L"a.f = -b ! ~c | d & e", L"n:a t:.f o:= o:- n:b o:! o:~ n:c o:| n:d o:& n:e"},
    };
    for (const Row& row : rows) EXPECT_EQ(dump(row.line), row.tokens) << row.line;
}

TEST(Lexer, ColumnsCountFromOne) {
    std::vector<Token> tokens = lexLine(L"  ab = \"c\"");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].column, 3);
    EXPECT_EQ(tokens[2].column, 8);
}

TEST(Lexer, LineContinuation) {
    struct Row {
        std::wstring line;
        bool goesOn;
    };
    const Row rows[] = {
        {L"x = 1 +", true}, {L"Foo(a,", true},   {L"If a And", true},     {L"x = 1 + ; c", true},
        {L"x = a %", true}, {L"a = b Or", true}, {L"x = \"a +\"", false}, {L"Repeat", false},
        {L"-", false},      {L"x = y", false},   {L"EndIf ; +", false},   {L"a = 1 :", false},
        {L"And", false},    {L"x = a <>", true}, {L"Debug a$ +", true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(continuesOnNextLine(lexLine(row.line)), row.goesOn) << row.line;
}

// Parts joined by "|", so that a split that keeps or loses a blank shows.
TEST(Lexer, TopLevelArguments) {
    struct Row {
        std::wstring text;
        std::wstring parts;
    };
    const Row rows[] = {
        {L"a, b(1, 2), c", L"a| b(1, 2)| c"},
        {L"\"x,y\", ',', ~\"p\\\",q\"", L"\"x,y\"| ','| ~\"p\\\",q\""},
        {L"m[1,2],,", L"m[1,2]||"},
        {L"", L""},
    };
    for (const Row& row : rows) {
        std::vector<std::wstring> parts = splitArguments(row.text);
        std::wstring joined = parts[0];
        for (size_t k = 1; k < parts.size(); ++k) joined += L"|" + parts[k];
        EXPECT_EQ(joined, row.parts) << row.text;
    }
}

TEST(Lexer, WholeWords) {
    struct Row {
        std::wstring text;
        size_t from;
        size_t at;
    };
    constexpr size_t none = std::wstring_view::npos;
    const Row rows[] = {
        {L"1 To 5", 0, 2},        {L"\"to\" + to", 0, 7}, {L"a\to + #to + tox", 0, none},
        {L"x.to = to$", 0, none}, {L"to + To", 1, 5},     {L"Stop", 0, none},
    };
    for (const Row& row : rows)
        EXPECT_EQ(findWholeWord(row.text, L"to", row.from), row.at) << row.text;
}

// An escaped quote of a "~" string does not close it; an even run of backslashes before the
// quote does.
TEST(Lexer, ClosedStrings) {
    const std::pair<std::wstring_view, bool> rows[] = {
        {L"\"a\"", true},      {L"\"\"", true},          {L"\"a", false},
        {L"\"", false},        {L"~\"\"", true},         {L"~\"a\\\"", false},
        {L"~\"a\\\\\"", true}, {L"~\"a\\\\\\\"", false}, {L"~\"", false},
    };
    for (const auto& [text, closed] : rows)
        EXPECT_EQ(isClosedString(text), closed) << std::wstring(text);
}

} // namespace
} // namespace qc
