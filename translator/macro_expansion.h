#pragma once
// Macros are expanded before anything else reads the program: "Macro Twice(x) : x*2 :
// EndMacro" makes every later "Twice(a+1)" the text "a+1*2", with parameters replaced as
// whole words. A body of several statements stands for a statement of its own.
#include "common/diagnostics.h"

#include <string>
#include <vector>

namespace qc {

// Input and output: the statement list with its line markers. The expanded statements
// carry the line marker of the use, so messages about them point at the line that uses
// the macro. Macro definitions leave only their markers behind.
std::vector<std::wstring> expandMacros(std::vector<std::wstring> statements, Diagnostics& diag);

} // namespace qc
