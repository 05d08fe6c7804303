#pragma once
// The command line of the window program: an optional source path, an optional output path
// and the switches "/c", "/r", "/R", "/s", "/q".
#include "app/shell_state.h"

#include <string>
#include <vector>

namespace qc::shell {

// Reads the parameters after the program name into the state: the first seven count, the
// rest are ignored. Parameter 1 is always the source path; parameters 2 to 7 are compared
// exactly (case-sensitive) with the switches. A switch as parameter 2 is a switch only and
// leaves the output path empty, so it is derived from the source. Sets pendingAction from
// the two paths.
void readCommandLine(const std::vector<std::wstring>& parameters, ShellState& state);

} // namespace qc::shell
