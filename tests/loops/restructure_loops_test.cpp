#include "loops/restructure_loops.h"
#include "vocabulary/statement_list.h"

#include "common/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qc {
namespace {

using Lines = std::vector<std::wstring>;

// Test tables write a target-code line "°cl x" as "@x" and a line marker "°line7" as "#7",
// and separate lines with " | ". An expected function is written as one row "NAME | lines";
// its head "°cl function NAME(){" and its end "°cl }" are added here.
std::wstring expand(std::wstring_view line) {
    if (line.starts_with(L"@")) return L"\u00B0cl " + std::wstring(line.substr(1));
    if (line.starts_with(L"#")) return L"\u00B0line" + std::wstring(line.substr(1));
    return std::wstring(line);
}

Lines split(std::wstring_view text) {
    Lines out;
    if (trim(text).empty()) return out;
    for (size_t start = 0;;) {
        size_t bar = text.find(L" | ", start);
        out.push_back(expand(trim(text.substr(start, bar - start))));
        if (bar == std::wstring_view::npos) return out;
        start = bar + 3;
    }
}

Lines functions(std::initializer_list<std::wstring_view> rows) {
    Lines out;
    for (std::wstring_view row : rows) {
        Lines cells = split(row);
        // "async NAME" heads an async function
        bool async = cells[0].rfind(L"async ", 0) == 0;
        std::wstring name = async ? cells[0].substr(6) : cells[0];
        out.push_back(std::wstring(L"\u00B0cl ") + (async ? L"async " : L"") + L"function " + name +
                      L"(){");
        out.insert(out.end(), cells.begin() + 1, cells.end());
        out.push_back(L"\u00B0cl }");
    }
    return out;
}

std::string show(const Lines& lines) {
    std::string out;
    for (const auto& l : lines) out += toUtf8(l) + "\n";
    return out;
}

// Shapes the property test generates are checked there for behaviour; these rows pin the
// output of the tricky ones and cover what it never generates (bad nesting, markers, spelling).
struct LoopCase {
    const char* name;
    const wchar_t* input;
    Lines expected;
    Lines errors = {};
};

const LoopCase kCases[] = {
    {"flat event loop",
     L"x = 1 | Repeat | e = WaitWindowEvent() | Until e = #PB_Event_CloseWindow | y = 2",
     functions({L"INIT | x = 1 | @ChangeLoop(Inf_1_0) | @return 0",
                L"Inf_0_1 | y = 2 | @ChangeLoop(0)",
                L"Inf_1_0 | awaitevent() | @ChangeLoop(Inf_1_1) | @return 0",
                L"Inf_1_1 | e = WaitWindowEvent() | If e = #PB_Event_CloseWindow | "
                L"@ChangeLoop(Inf_0_1) | @return 0 | EndIf | @ChangeLoop(Inf_1_0)"})},
    {"nested loop inside an If",
     L"a | Repeat | b | If x | Repeat | c | Until y | d | EndIf | e | Until z | f",
     functions({L"INIT | a | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_0_1 | f | @ChangeLoop(0)",
                L"Inf_1_0 | b | If x | @ChangeLoop(Inf_2_0) | @return 0 | EndIf | e | If z | "
                L"@ChangeLoop(Inf_0_1) | @return 0 | EndIf",
                L"Inf_1_1 | d | e | If z | @ChangeLoop(Inf_0_1) | @return 0 | EndIf | "
                L"@ChangeLoop(Inf_1_0)",
                L"Inf_2_0 | c | If y | @ChangeLoop(Inf_1_1) | @return 0 | EndIf"})},
    // The If is read in segment 1 while segment 0 has handed control to the inner loop: its
    // Else and EndIf must not reach segment 0, which never saw the If.
    {"If, Else and EndIf in a continuation",
     L"Repeat | a | Repeat | Until y | If p | q | Else | r | EndIf | s | Until z",
     functions({L"INIT | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_0_1 | @ChangeLoop(0)",
                L"Inf_1_0 | a | @ChangeLoop(Inf_2_0) | @return 0",
                L"Inf_1_1 | If p | q | Else | r | EndIf | s | If z | @ChangeLoop(Inf_0_1) | "
                L"@return 0 | EndIf | @ChangeLoop(Inf_1_0)",
                L"Inf_2_0 | If y | @ChangeLoop(Inf_1_1) | @return 0 | EndIf"})},
    // The If stands in both paths around the first inner loop; its branches and its EndIf
    // follow it into both segments.
    {"If placed in two segments",
     L"Repeat | If x | Repeat | Until y | EndIf | If p | q | Else | r | EndIf | Until z",
     functions({L"INIT | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_0_1 | @ChangeLoop(0)",
                L"Inf_1_0 | If x | @ChangeLoop(Inf_2_0) | @return 0 | EndIf | If p | q | "
                L"Else | r | EndIf | If z | @ChangeLoop(Inf_0_1) | @return 0 | EndIf",
                L"Inf_1_1 | If p | q | Else | r | EndIf | If z | @ChangeLoop(Inf_0_1) | "
                L"@return 0 | EndIf | @ChangeLoop(Inf_1_0)",
                L"Inf_2_0 | If y | @ChangeLoop(Inf_1_1) | @return 0 | EndIf"})},
    // Each branch's own continuation carries the rest of that branch and then the code
    // after the EndIf; the If's own segment ends with the If, both branches having left.
    {"loops in both branches",
     L"If x | Repeat | a | Until y | b | Else | Repeat | c | Until z | d | EndIf | e",
     functions({L"INIT | If x | @ChangeLoop(Inf_1_0) | @return 0 | Else | "
                L"@ChangeLoop(Inf_2_0) | @return 0 | EndIf",
                L"Inf_0_1 | b | e | @ChangeLoop(0)", L"Inf_0_2 | d | e | @ChangeLoop(0)",
                L"Inf_1_0 | a | If y | @ChangeLoop(Inf_0_1) | @return 0 | EndIf",
                L"Inf_2_0 | c | If z | @ChangeLoop(Inf_0_2) | @return 0 | EndIf"})},
    {"EndIf and Else without If are dropped and reported",
     L"#1 | a | #2 | EndIf | #3 | Else | b",
     functions({L"INIT | #1 | a | #2 | #3 | b"}),
     {L"line 2: EndIf without If", L"line 3: Else without If"}},
    // Continue makes the Until test first, as the loop's end does.
    {"Break and Continue directly in a loop",
     L"Repeat | If x | Break | EndIf | If y | Continue | EndIf | a | Until z | f",
     functions({L"INIT | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_0_1 | f | @ChangeLoop(0)",
                L"Inf_1_0 | If x | @ChangeLoop(Inf_0_1) | @return 0 | EndIf | If y | If z | "
                L"@ChangeLoop(Inf_0_1) | @return 0 | EndIf | @ChangeLoop(Inf_1_0) | @return 0 | "
                L"EndIf | a | If z | @ChangeLoop(Inf_0_1) | @return 0 | EndIf"})},
    // A Select is no loop: its Break leaves the Repeat, and the next Case and what follows
    // the EndSelect still run.
    {"Break inside While and For stays as written, inside Select it leaves the Repeat",
     L"Repeat | While a | Break | Wend | For i=1 To 3 | Continue | Next | Select k | Case 1 | "
     L"Break | b | Case 2 | c | EndSelect | d | Until z",
     functions({L"INIT | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_0_1 | @ChangeLoop(0)",
                L"Inf_1_0 | While a | Break | Wend | For i=1 To 3 | Continue | Next | Select k | "
                L"Case 1 | @ChangeLoop(Inf_0_1) | @return 0 | Case 2 | c | EndSelect | d | If z | "
                L"@ChangeLoop(Inf_0_1) | @return 0 | EndIf"})},
    {"Break in the main program stays as written", L"Break", functions({L"INIT | Break"})},
    // A Break in a loop that is never closed still names a function that is written.
    {"Break in a loop never closed", L"Repeat | Break",
     functions({L"INIT | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_0_1 | @ChangeLoop(0)",
                L"Inf_1_0 | @ChangeLoop(Inf_0_1) | @return 0"})},
    // The reader turns "If (a = 1)" into "If(a=1)" and "Until (e = 1)" into "Until(e=1)".
    {"parenthesis forms count, longer words do not",
     L"If(a=1) | Repeat | Until(e=1) | EndIf | Ifx = 1 | Untilx = 1",
     functions({L"INIT | If(a=1) | @ChangeLoop(Inf_1_0) | @return 0 | EndIf | Ifx = 1 | "
                L"Untilx = 1",
                L"Inf_0_1 | Ifx = 1 | Untilx = 1 | @ChangeLoop(0)",
                L"Inf_1_0 | If(e=1) | @ChangeLoop(Inf_0_1) | @return 0 | EndIf"})},
    {"keywords in any letter case", L"REPEAT | if a | ELSE | endif | UNTIL b",
     functions({L"INIT | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_0_1 | @ChangeLoop(0)",
                L"Inf_1_0 | if a | ELSE | endif | If b | @ChangeLoop(Inf_0_1) | @return 0 | "
                L"EndIf"})},
    // Markers are placed like statements: the one before the loop start stays in INIT, the
    // one of the Until goes with the exit test, the one after the loop to the continuation.
    {"line markers", L"#1 | a | #2 | Repeat | #3 | b | #4 | Until c | #5 | d",
     functions({L"INIT | #1 | a | #2 | @ChangeLoop(Inf_1_0) | @return 0",
                L"Inf_0_1 | #5 | d | @ChangeLoop(0)",
                L"Inf_1_0 | #3 | b | #4 | If c | @ChangeLoop(Inf_0_1) | @return 0 | EndIf"})},
    // Without a loop open, Until acts on the main program itself, which is its own parent.
    {"Until without Repeat", L"a | Until b | c",
     functions({L"INIT | a | If b | @ChangeLoop(Inf_0_1) | @return 0 | EndIf",
                L"Inf_0_1 | c | @ChangeLoop(0)"})},
    {"Repeat never closed", L"a | Repeat | b",
     functions({L"INIT | a | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_1_0 | b"})},
    // Cut points: the part before an Input() asks for a line and hands over to a new
    // continuation that starts with the statement; a Delay() in straight code hands over after
    // the statement. Code after an If that held a cut reaches both paths, as after a loop.
    {"Input in an If", L"a | If x | n$ = Input() | b | EndIf | c",
     functions({L"INIT | a | If x | @QLCX_AskLine() | @ChangeLoop(Inf_0_1) | @return 0 | EndIf | c",
                L"Inf_0_1 | n$ = Input() | b | c | @ChangeLoop(0)"})},
    {"Input in an exit test, Delay in a loop does not cut",
     L"Repeat | Delay(20) | Until Input ()=\"q\"",
     functions({L"INIT | @ChangeLoop(Inf_1_0) | @return 0", L"Inf_0_1 | @ChangeLoop(0)",
                L"Inf_1_0 | Delay(20) | @QLCX_AskLine() | @ChangeLoop(Inf_1_1) | @return 0",
                L"Inf_1_1 | If Input ()=\"q\" | @ChangeLoop(Inf_0_1) | @return 0 | EndIf | "
                L"@ChangeLoop(Inf_1_0)"})},
    {"Delay in straight code, the word in a string or a longer name does not count",
     L"Delay(300) | a$ = \"Input()\" | MyInput() | Delay(1)",
     functions({L"INIT | Delay(300) | @ChangeLoop(Inf_0_1) | @return 0",
                L"Inf_0_1 | a$ = \"Input()\" | MyInput() | Delay(1) | @ChangeLoop(Inf_0_2) | "
                L"@return 0 | @ChangeLoop(0)",
                L"Inf_0_2 | @ChangeLoop(0)"})},
    // A For or While around a cut becomes a Repeat; its Continue steps and tests first (the
    // Repeat's own Continue test repeats that test, which changes nothing). In a
    // Select the program cannot be cut: the runtime asks with an input box there.
    {"For around an Input, Continue in it",
     L"For i = 1 To n Step 2 | Continue | x = Input() | Next",
     functions({L"INIT | i = 1 | If i <= (n) | @ChangeLoop(Inf_1_0) | @return 0 | EndIf",
                L"Inf_0_1 | @ChangeLoop(0)",
                // The step and test appear twice on the Continue path (harmless, to tidy).
                L"Inf_1_0 | i = i + (2) | If i > (n) | @ChangeLoop(Inf_0_1) | @return 0 | EndIf | "
                L"If i > (n) | @ChangeLoop(Inf_0_1) | @return 0 | EndIf | "
                L"@ChangeLoop(Inf_1_0) | @return 0",
                L"Inf_1_1 | x = Input() | i = i + (2) | If i > (n) | @ChangeLoop(Inf_0_1) | "
                L"@return 0 | EndIf | @ChangeLoop(Inf_1_0)"})},
    {"While counting down around a Delay, Select awaits its Input",
     L"While a > 0 | Delay(9) | Wend | For k = 9 To 1 Step -1 | Select k | Case 1 | "
     L"x = Input() | EndSelect | Next",
     functions({L"INIT | @ChangeLoop(Inf_0_0) | @return 0",
                L"async Inf_0_0 | If a > 0 | @ChangeLoop(Inf_1_0) | @return 0 | EndIf | "
                L"For k = 9 To 1 Step -1 | Select k | Case 1 | x = awaitinput() | EndSelect | "
                L"Next | @ChangeLoop(0)",
                L"async Inf_0_1 | For k = 9 To 1 Step -1 | Select k | Case 1 | "
                L"x = awaitinput() | EndSelect | Next | @ChangeLoop(0)",
                L"Inf_1_0 | Delay(9) | If Not(a > 0) | @ChangeLoop(Inf_0_1) | @return 0 | EndIf"})},
    // Before a WaitWindowEvent the part starts the wait with the call's own timeout, brackets
    // and strings in it kept whole; a While around it becomes a Repeat.
    {"WaitWindowEvent in a While test",
     L"While WaitWindowEvent(Len(\"))\") * 2) = 0 | n + 1 | Wend",
     functions({L"INIT | awaitevent(Len(\"))\") * 2) | @ChangeLoop(Inf_0_1) | @return 0",
                L"Inf_0_1 | If WaitWindowEvent(Len(\"))\") * 2) = 0 | @ChangeLoop(Inf_1_0) | "
                L"@return 0 | EndIf | @ChangeLoop(0)",
                L"Inf_0_2 | @ChangeLoop(0)",
                L"Inf_1_0 | n + 1 | awaitevent(Len(\"))\") * 2) | @ChangeLoop(Inf_1_1) | "
                L"@return 0",
                L"Inf_1_1 | If Not(WaitWindowEvent(Len(\"))\") * 2) = 0) | @ChangeLoop(Inf_0_2) | "
                L"@return 0 | EndIf | @ChangeLoop(Inf_1_0)"})},
};

TEST(RestructureLoops, Cases) {
    for (const LoopCase& c : kCases) {
        Diagnostics diag;
        Lines got = restructureLoops(split(c.input), diag);
        EXPECT_EQ(show(got), show(c.expected)) << c.name;
        EXPECT_EQ(diag.errors(), c.errors) << c.name;
    }
}

TEST(RestructureLoops, MismatchAlreadyReportedIsNotRepeated) {
    Diagnostics diag;
    diag.error(message::withoutEnd(2, L"EndIf", L"If"));
    restructureLoops(split(L"#2 | EndIf | #3 | EndIf"), diag);
    EXPECT_EQ(diag.errors(), (Lines{L"line 2: EndIf without If", L"line 3: EndIf without If"}));
}

} // namespace
} // namespace qc
