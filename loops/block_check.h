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
//     likewise Else, Until, ForEver, Next, Wend, EndSelect and EndProcedure;
//   - an opening line that is never closed: "line N: Repeat without Until" (N is the line
//     of the opening statement), likewise If, For, ForEach, While, Select and Procedure;
//   - a Procedure inside another Procedure.
// A closing line that skips open blocks (EndIf while a Repeat opened after the If is still
// open) reports the skipped blocks as never closed and closes them, so one fault gives one
// message instead of a cascade. Changes nothing; never fails.
void checkBlockStructure(const std::vector<std::wstring>& statements, Diagnostics& diag);

} // namespace qc
