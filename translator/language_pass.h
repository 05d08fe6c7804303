#pragma once
// The language pass: the constructs that are plain rewritings of other statements are
// rewritten before the block check, so every later pass (declarations, procedures, loop
// restructuring, statement translation) sees only statements it already knows.
//   #Rows = 4 * 2                 -> removed; every later #Rows becomes 8
//   Enumeration ... EndEnumeration -> removed; its members become constants
//   ElseIf c                      -> Else + If c, and one more EndIf at the end of the If
//   Select with Case 1, 3 To 5    -> a Select whose cases test each value or range
//   DataSection ... Read x        -> the values given to the page at start, x = dataread()
//   Declare, OffsetOf, SizeOf      -> nothing, the field's name, the size
//   EnableExplicit, DisableExplicit -> nothing; their lines go to `switches`
#include "common/diagnostics.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qc {

// What the pass is for: the statement translation takes ElseIf, Select with lists and
// ranges, data sections and long in-place statements rewritten as above; the syntax tree
// lowers those itself and takes them as written.
enum class LanguagePassMode { kForStatements, kForTree };

// `switches` receives the line of every EnableExplicit (true) and DisableExplicit (false),
// in source order.
std::vector<std::wstring> runLanguagePass(std::vector<std::wstring> statements, Diagnostics& diag,
                                          std::vector<std::pair<int, bool>>* switches = nullptr,
                                          LanguagePassMode mode = LanguagePassMode::kForStatements);

// Commands of the dialect that a page in a browser cannot have (the refused rows of the
// tables: memory, threads, network, other programs). The argument is lower case.
bool staysOutsideThePage(std::wstring_view command);

} // namespace qc
