#include "loops/block_check.h"
#include "loops/block_words.h"
#include "vocabulary/statement_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qc {
namespace {

using Lines = std::vector<std::wstring>;

// One statement per source line: statement i is on line i + 1.
Lines numbered(const Lines& statements) {
    Lines out;
    for (size_t i = 0; i < statements.size(); ++i) {
        out.push_back(L"\u00B0line" + std::to_wstring(i + 1));
        out.push_back(statements[i]);
    }
    return out;
}

// The statements of a list, without its line markers.
Lines withoutMarkers(const Lines& list) {
    Lines out;
    for (const std::wstring& element : list)
        if (!isLineMarker(element)) out.push_back(element);
    return out;
}

struct CheckCase {
    const char* name;
    Lines statements;
    Lines errors;
    Lines repaired = {}; // the statements after the check; empty: as written
};

const CheckCase kCases[] = {
    {"well-formed blocks of every kind",
     {L"If a", L"Repeat", L"While b", L"For i=1 To 2", L"ForEach l()", L"Select k", L"Case 1",
      L"EndSelect", L"Next", L"Next i", L"Wend", L"Until c", L"Else", L"Repeat", L"ForEver",
      L"EndIf"},
     {}},
    {"closing lines without their opening line",
     {L"EndIf", L"Else", L"Until x", L"ForEver", L"Next", L"Wend", L"EndSelect", L"EndProcedure",
      L"a"},
     {L"line 1: EndIf without If", L"line 2: Else without If", L"line 3: Until without Repeat",
      L"line 4: ForEver without Repeat", L"line 5: Next without For", L"line 6: Wend without While",
      L"line 7: EndSelect without Select", L"line 8: EndProcedure without Procedure"},
     {L"a"}},
    {"opening lines never closed, reported at their own line",
     {L"a", L"If x", L"Repeat", L"For i=0 To 1", L"ForEach l()", L"While y", L"Select k",
      L"Procedure p()"},
     {L"line 2: If without EndIf", L"line 3: Repeat without Until", L"line 4: For without Next",
      L"line 5: ForEach without Next", L"line 6: While without Wend",
      L"line 7: Select without EndSelect", L"line 8: Procedure without EndProcedure"},
     {L"a", L"If x", L"Repeat", L"For i=0 To 1", L"ForEach l()", L"While y", L"Select k",
      L"Procedure p()", L"EndProcedure", L"EndSelect", L"Wend", L"Next", L"Next", L"Until 1",
      L"EndIf"}},
    {"a closing line that skips an open block closes it with one message",
     {L"If a", L"Repeat", L"EndIf", L"b"},
     {L"line 2: Repeat without Until"},
     {L"If a", L"Repeat", L"Until 1", L"EndIf", L"b"}},
    {"a Repeat of the main program may sit in any block",
     {L"For i=1 To 2", L"Repeat", L"Until a", L"Next", L"While b", L"If c", L"Repeat", L"ForEver",
      L"EndIf", L"Wend", L"ForEach l()", L"Repeat", L"Until d", L"Next", L"Select k", L"Case 1",
      L"Repeat", L"Until e", L"EndSelect"},
     {}},
    {"inside a procedure every nesting is fine",
     {L"Procedure.i p(x)", L"While x", L"Repeat", L"Until y", L"Wend", L"EndProcedure", L"Repeat",
      L"While z", L"Wend", L"Until w"},
     {}},
    {"a procedure inside an If of the main program is fine",
     {L"If a", L"Procedure p()", L"EndProcedure", L"EndIf"},
     {}},
    {"a procedure does not close blocks of the main program",
     {L"If a", L"Procedure p()", L"EndIf", L"EndProcedure", L"EndIf"},
     {L"line 3: EndIf without If"},
     {L"If a", L"Procedure p()", L"EndProcedure", L"EndIf"}},
    {"EndProcedure closes what its procedure left open",
     {L"Procedure p()", L"If a", L"EndProcedure"},
     {L"line 2: If without EndIf"},
     {L"Procedure p()", L"If a", L"EndIf", L"EndProcedure"}},
    {"a procedure head ends the procedure left open before it, with one message",
     {L"Procedure p()", L"If a", L"Procedure q()", L"EndProcedure", L"EndProcedure", L"b"},
     {L"line 3: Procedure inside Procedure"},
     {L"Procedure p()", L"If a", L"EndIf", L"EndProcedure", L"Procedure q()", L"EndProcedure",
      L"b"}},
    {"a stray closer inside a loop goes, the loop stays whole",
     {L"Repeat", L"e=WindowEvent()", L"Wend", L"Until e=0", L"Else", L"Next", L"ElseIf(a=1)"},
     {L"line 3: Wend without While", L"line 5: Else without If", L"line 6: Next without For",
      L"line 7: ElseIf without If"},
     {L"Repeat", L"e=WindowEvent()", L"Until e=0"}},
    {"a closing word stands alone; what it cannot take is reported",
     {L"If a", L"EndIf+b", L"For i=1 To 2", L"Next i", L"For j=1 To 2", L"Next*2", L"Repeat",
      L"ForEver x", L"EndIfx = 1"},
     {L"line 2: syntax error near +b", L"line 6: syntax error near *2",
      L"line 8: syntax error near x"},
     {L"If a", L"EndIf", L"For i=1 To 2", L"Next i", L"For j=1 To 2", L"Next", L"Repeat",
      L"ForEver", L"EndIfx = 1"}},
    {"parenthesis forms and letter case",
     {L"if(a=1)", L"REPEAT", L"Until(b)", L"ENDIF", L"While(c)", L"wend", L"Ifx = 1", L"Nextx = 1"},
     {}},
};

TEST(BlockCheck, Cases) {
    for (const CheckCase& c : kCases) {
        Diagnostics diag;
        Lines list = numbered(c.statements);
        checkBlockStructure(list, diag);
        EXPECT_EQ(diag.errors(), c.errors) << c.name;
        EXPECT_EQ(withoutMarkers(list), c.repaired.empty() ? c.statements : c.repaired) << c.name;
    }
}

TEST(BlockCheck, MessagesCarryTheLineOfTheNearestMarker) {
    Diagnostics diag;
    Lines list = {L"\u00B0line40", L"a=1", L"\u00B0line41", L"b=2", L"EndIf"};
    checkBlockStructure(list, diag);
    EXPECT_EQ(diag.errors(), Lines{L"line 41: EndIf without If"});
    EXPECT_TRUE(diag.errorFlag());
}

TEST(BlockWords, Classification) {
    // clang-format off
    const std::pair<const wchar_t*, BlockWord> cases[] = {
        {L"If a", BlockWord::kIf}, {L"if(a)", BlockWord::kIf}, {L"Ifx = 1", BlockWord::kNone},
        {L"If", BlockWord::kIf}, {L"Until(x)", BlockWord::kUntil}, {L"Untilx", BlockWord::kNone},
        {L"Repeat", BlockWord::kRepeat}, {L"Repeat(", BlockWord::kNone},
        {L"Procedure.i f()", BlockWord::kProcedure}, {L"Procedure f()", BlockWord::kProcedure},
        {L"ProcedureReturn x", BlockWord::kNone}, {L"Break", BlockWord::kBreak},
        {L"Break 2", BlockWord::kNone}, {L"continue", BlockWord::kContinue},
        {L"\u00B0line3", BlockWord::kLineMarker}, {L"\u00B0cl return 0", BlockWord::kNone},
        {L"", BlockWord::kNone},
    };
    // clang-format on
    for (const auto& [text, kind] : cases)
        EXPECT_EQ(static_cast<int>(classifyBlockWord(text)), static_cast<int>(kind)) << text;
}

} // namespace
} // namespace qc
