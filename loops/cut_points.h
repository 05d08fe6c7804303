#pragma once
// Cut points: statements at which the main program must stop and go on later, because the
// browser cannot wait inside a script. Before an Input() the program is cut so that the next
// part runs once the user has typed a line; before a WaitWindowEvent() so that the next part
// runs once an event is queued or the timeout is over; after a Delay() in straight code
// (outside any loop) it is cut so that the next part runs once the time is over. The loop pass
// makes the cuts; this file finds them and turns the For and While blocks that hold one into Repeat
// loops, which the loop pass can cut (a For or While stays one script loop that runs to its end
// within one call).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qc {

// Whether the statement calls `name` (lower case): the word, outside strings, with "(" after.
bool callsCommand(std::wstring_view statement, std::wstring_view name);

inline bool waitsForLine(std::wstring_view statement) {
    return callsCommand(statement, L"input");
}

inline bool waitsForEvent(std::wstring_view statement) {
    return callsCommand(statement, L"waitwindowevent");
}

// The lower-case names the statement calls: words outside strings with "(" after them, but
// not "@Name()", which hands the procedure over without calling it.
std::vector<std::wstring> calledNames(std::wstring_view statement);

// The statement that starts the wait for the statement's first WaitWindowEvent call:
// "awaitevent(500)" for "e = WaitWindowEvent(500)", with the timeout as written.
std::wstring awaitEventStatement(std::wstring_view statement);

// Where the program cannot be cut (a procedure, a Select block) a wait is awaited instead, and
// the function holding it becomes async. The statement with every call outside strings of
// WaitWindowEvent and Input, and with `inScriptLoop` of Delay and FlipBuffers too, turned
// into the runtime's awaited form ("awaitnextevent(...)", "awaitinput()", "awaitdelay(...)",
// "awaitflip()"); nothing when it has none. A loop of the main program that is cut into parts
// keeps its Delay, which delays the loop's next pass, and its FlipBuffers, whose frame is the
// pass.
std::optional<std::wstring> awaitedForm(std::wstring_view statement, bool inScriptLoop);

// Whether a lower-case called name is one of those awaited forms.
bool isAwaitedWait(std::wstring_view name);

// Whether a call of this command (lower case) makes a procedure wait.
bool makesProcedureWait(std::wstring_view name);

// A Delay that is the statement itself: "Delay(300)".
bool isDelayStatement(std::wstring_view statement);

// The main program with every For and While block that holds a cut point rewritten:
//   While c ... Wend               ->  If c / Repeat ... / Until Not(c) / EndIf
//   For v = a To b Step s ... Next ->  v = a / If v <= b / Repeat ... / v = v + (s) /
//                                      Until v > b / EndIf      (">=" and "<" for s < 0)
// A Continue of such a block steps and tests first ("If Not(c)" / Break / EndIf / Continue).
std::vector<std::wstring> loopsAroundCuts(const std::vector<std::wstring>& mainProgram);

} // namespace qc
