#pragma once
// Cuts the main program's Repeat loops into the functions INIT and Inf_<level>_<segment>,
// chained by the runtime's ChangeLoop, so that no loop ever blocks the browser.
//
// Every Repeat opens a level (numbered 1, 2, ... in the order of the Repeat lines; the
// main program is level 0). A level's code is cut into segments: segment 0 runs from the
// level's start to its first nested loop, segment n is the continuation after the level's
// n-th nested loop has ended. Each segment becomes one function: INIT for segment 0 of
// level 0, Inf_<level>_<segment> for the others. A loop start switches the timer to the
// loop's first segment and returns; an Until becomes an exit test that switches to the
// parent's next continuation. Code after an If whose branch held a loop is placed in every
// segment control can be in at that point, so each path through the If reaches it.
#include "common/diagnostics.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace qc {

// Input: the main program's statement list (line markers and statements; procedures are
// already collected). Output: the generated functions in order: level 0's segments, then
// level 1's, and so on; each function is a "°cl function NAME(){" line, its statements and
// "°cl " target-code lines, and "°cl }". In a well-formed program every statement other than
// Repeat, Until, ForEver and a restructured Break or Continue lands in at least one function; only
// statements that follow a Break or Continue in the same branch (they can never run) are left out.
//
// A function holding a call of one of `waitingProcedures` (lower-case names of procedures
// written as async functions) is written "async function", so that it can await the call.
// INIT itself stays plain: when its code awaits, INIT only switches to "Inf_0_0", which holds
// that code.
//
// Produces output for any input. An Else or EndIf with no If open is dropped and reported
// ("line N: EndIf without If"), unless the block check already reported the same line.
std::vector<std::wstring>
restructureLoops(const std::vector<std::wstring>& mainProgram, Diagnostics& diag,
                 const std::unordered_set<std::wstring>& waitingProcedures = {});

} // namespace qc
