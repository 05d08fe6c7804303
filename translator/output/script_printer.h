#pragma once
// The script printer: writes a typed syntax tree as the page's script, one function per kind
// of node, with brackets only where the script binds differently from the dialect. What an
// operator becomes comes from its row of the operator table; where "/" divides integers,
// where a float is rounded into an integer place and where a narrow integer wraps comes from
// the types.
//
// It writes expressions, assignments and in-place statements, Debug and command calls, If,
// While, Repeat, For, Break and Continue; the conversion does not use it yet, and any other
// node is reported as not supported yet.
#include "common/diagnostics.h"
#include "translator/semantics/value_types.h"
#include "translator/source/syntax_tree.h"

#include <string>
#include <vector>

namespace qc {

struct PrintedScript {
    std::vector<std::wstring> lines;
    std::vector<int> sourceLines; // the program line each script line was written for
};

// The statements alone.
PrintedScript printScript(const SyntaxTree& tree, const std::vector<ValueType>& types,
                          const VariableTypes& variables, Diagnostics& diag);

// The whole program: its variables at page level, each with the empty value of its type, then
// the start-up function INIT with the main program.
PrintedScript printProgram(const SyntaxTree& tree, const std::vector<ValueType>& types,
                           const VariableTypes& variables, Diagnostics& diag);

} // namespace qc
