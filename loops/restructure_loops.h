#pragma once
// Cuts the main program's Repeat loops into the functions INIT and Inf_<level>_<segment>,
// chained by the runtime's ChangeLoop, so that no loop ever blocks the browser.
#include "common/diagnostics.h"

#include <string>
#include <vector>

namespace qc {

// Input: the main program's statement list (line markers and statements). Output: the
// same statements inside the generated functions, with "°cl " target-code lines.
std::vector<std::wstring> restructureLoops(const std::vector<std::wstring>& mainProgram,
                                           Diagnostics& diag);

} // namespace qc
