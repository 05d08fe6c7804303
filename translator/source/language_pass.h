#pragma once
// The language pass: what the program means before it is parsed. Conditional compilation
// chooses the branches, macros are defined and replaced on the lexer's tokens, and constants
// become their values, so the parser reads only statements of the program itself.
//   #Rows = 4 * 2                 -> removed; every later #Rows becomes 8
//   Enumeration ... EndEnumeration -> removed; its members become constants
//   Declare, OffsetOf, SizeOf      -> nothing, the field's name, the size
//   EnableExplicit, DisableExplicit -> nothing; their lines go to `switches`
#include "common/diagnostics.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qc {

// `switches` receives the line of every EnableExplicit (true) and DisableExplicit (false),
// in source order.
std::vector<std::wstring> runLanguagePass(std::vector<std::wstring> statements, Diagnostics& diag,
                                          std::vector<std::pair<int, bool>>* switches = nullptr);

// Commands of the dialect that a page in a browser cannot have (the refused rows of the
// tables: memory, threads, network, other programs). The argument is lower case.
bool staysOutsideThePage(std::wstring_view command);

} // namespace qc
