#pragma once
// The last safety net of a translation: every line of the translated program must parse as
// the narrow script language the translator writes. A typo that the rewriting rules let
// through ("For i = 1 To" as "for(i=1;i<=;i++){") would otherwise stop the browser from
// running any of the page, while the conversion looked clean.
//
// The check knows nothing of the rewriting rules: it reads the lines the way a browser
// would, one line after the other, keeping only the stack of open blocks between lines.
#include "common/diagnostics.h"

#include <string>
#include <vector>

namespace qc {

// Blocks open at once, and brackets open at once inside one statement, beyond which the
// page would fail in a browser (which gives up at a few thousand): reported as
// "line N: nesting too deep".
inline constexpr int kMaxNesting = 500;

// Checks the lines of the translated program; lineNumbers[i] is the source line of
// lines[i] (0 or less when unknown; an entry is added for a line the check adds). A line that does
// not parse is reported as "line N: syntax error near X" and replaced by its braces alone, so the
// blocks around it still close and the rest of the page runs. A line whose source line already has
// an error reported, or that sits in a block whose opening line was replaced, is replaced silently.
void checkScriptLines(std::vector<std::wstring>& lines, std::vector<int>& lineNumbers,
                      Diagnostics& diag);

} // namespace qc
