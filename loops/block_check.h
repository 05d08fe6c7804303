#pragma once
// Checks that the blocks of a program open and close in order, before procedures are
// collected and loops restructured, so that a page is never written from a structure the
// later passes would cut into unbalanced functions.
#include "common/diagnostics.h"

#include <string>
#include <vector>

namespace qc {

// Input: the whole statement list as read (line markers, procedures still in place).
// Reports, as errors with the line of the nearest preceding marker:
//   - a closing or dividing line without its opening line: "line N: EndIf without If",
//     likewise Else, ElseIf, Until, ForEver, Next, Wend, EndSelect and EndProcedure;
//   - an opening line that is never closed: "line N: Repeat without Until" (N is the line
//     of the opening statement), likewise If, For, ForEach, While, Select and Procedure;
//   - a Procedure inside another Procedure.
// and repairs the list, so that the later passes never cut a statement out of every function
// of the page (such a statement would run while the page is still loading):
//   - a closing line without its opening line is dropped;
//   - a block still open where an enclosing block closes, where a procedure head follows, or
//     at the end of the program, is closed there (a Repeat by "Until 1", the others by
//     their own closing word);
// so one fault gives one message instead of a cascade. Never fails.
void checkBlockStructure(std::vector<std::wstring>& statements, Diagnostics& diag);

} // namespace qc
