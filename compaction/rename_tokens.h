#pragma once
// The passes after tokenizing: use counting and naming by frequency, dead-function removal
// and renaming, reassembly into one line per statement.
#include "compaction/dead_functions.h"
#include "compaction/rename_state.h"
#include "compaction/token_sequence.h"
#include "compaction/tokenize_script.h"

#include <string>
#include <vector>

namespace qc {

// The short name of every interned name of a token sequence, null until it is given.
using ShortNameTable = std::vector<const std::wstring*>;

// Counts every name outside the functions and declarations nothing refers to, then gives short
// names in order of use count, largest first; names with equal counts keep the order of their first
// use, so the result does not depend on hashing.
void nameByUseCount(const TokenSequence& tokens, const FunctionTable& functions,
                    const DeadStatements& dead, RenameState& state, ShortNameTable& shortNames);

// Empties every function that nothing refers to, with its "function" word and its body
// ("_qlcxi" and "QLCX_AddEvent" are called from the page and always stay) and every dead
// declaration, and gives a short name to every name left that has none yet.
void removeDeadCodeAndRename(TokenSequence& tokens, const FunctionTable& functions,
                             const DeadStatements& dead, RenameState& state,
                             ShortNameTable& shortNames);

// Joins the tokens again: one line per statement, names replaced by their short names, a ";"
// behind every statement that does not already end in "{", "}" or ";". With `sourceLines`, the
// lines are read through a SourceLineReader (common/line_table.h) into it as they are made.
std::vector<std::wstring> reassemble(const TokenSequence& tokens, const ShortNameTable& shortNames,
                                     std::vector<int>* sourceLines = nullptr);

} // namespace qc
