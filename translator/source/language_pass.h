#pragma once
// The language pass: what the program means before it is parsed. Conditional compilation
// chooses the branches, macros are defined and replaced on the lexer's tokens, and constants
// get their values, so the parser reads only statements of the program itself.
//   #Rows = 4 * 2                 -> removed; #Rows is 8 from this line on
//   Enumeration ... EndEnumeration -> removed; its members become constants
//   Structure ... EndStructure     -> kept; its byte layout is recorded for SizeOf, OffsetOf
//   Declare                        -> removed
//   EnableExplicit, DisableExplicit -> removed; their lines go to `switches`
// Constants are known from their definition on: a compiler condition needs them before the
// program is parsed, and the later stages read their values from `facts`.
#include "common/diagnostics.h"
#include "translator/source/program_facts.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qc {

// `switches` receives the line of every EnableExplicit (true) and DisableExplicit (false),
// in source order.
std::vector<std::wstring> runLanguagePass(std::vector<std::wstring> statements, Diagnostics& diag,
                                          std::vector<std::pair<int, bool>>* switches = nullptr,
                                          ProgramFacts* facts = nullptr);

// Commands of the dialect that a page in a browser cannot have (the refused rows of the
// tables: memory, threads, network, other programs). The argument is lower case.
bool staysOutsideThePage(std::wstring_view command);

} // namespace qc
